#include "StartedProgram.h"
#include "WhoisFixtureServer.h"
#include "platform/ui/WindowKeys.h"
#include "results/DomainListModel.h"
#include "results/ui/FileBackupNotice.h"
#include "results/ui/PurchaseLinksWindow.h"
#include "sources/ui/GeneratorWindow.h"
#include "sources/ui/TldChooser.h"
#include "tld/ui/TldManagerWindow.h"
#include "tld/ui/WhoisWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

namespace {

struct Program : testing::PreparedFolder, testing::StartedProgram {
    Program() : PreparedFolder(testing::loopbackTable(1)), StartedProgram(folder) {}

    // Opens the window the test names the way a user does, and returns it.
    QWidget *open(const QString &name)
    {
        if (name == QLatin1String("frmSettings"))
            window->openTldManager();
        else if (name == QLatin1String("frmPurchaseLinks"))
            window->openPurchaseLinksWindow();
        else if (name == QLatin1String("frmAbout"))
            window->openAboutWindow();
        else if (name == QLatin1String("frmMake"))
            window->openGenerator();
        else if (name == QLatin1String("frmWhois"))
            window->openLookupWindow(QStringLiteral("example.com"));
        else if (name == QLatin1String("Form2"))
            (new results::FileBackupNotice(window.get()))->show();
        QWidget *opened = window->findChild<QWidget *>(name);
        if (opened) {
            opened->activateWindow();
            // Keys reach a window whose activation is slow too; the wait only gives it the chance.
            (void)QTest::qWaitForWindowActive(opened);
        }
        return opened;
    }
};

const QStringList dialogs = {QStringLiteral("frmSettings"), QStringLiteral("frmPurchaseLinks"),
                             QStringLiteral("frmAbout"),    QStringLiteral("frmMake"),
                             QStringLiteral("frmWhois"),    QStringLiteral("Form2")};

QString clashes(const QString &letters)
{
    QString twice;
    for (const QChar letter : letters) {
        if (letters.count(letter) > 1 && !twice.contains(letter))
            twice += letter;
    }
    return twice;
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void escapeClosesEachDialog_data();
    void escapeClosesEachDialog();
    void returnPressesTheDefaultButton();
    void mnemonicsDoNotClash();
    void aWholeRunByKeyboardAlone();
};

void TestKeyboard::escapeClosesEachDialog_data()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : dialogs)
        QTest::newRow(qPrintable(name)) << name;
}

void TestKeyboard::escapeClosesEachDialog()
{
    QFETCH(QString, name);
    Program p;
    QPointer<QWidget> dialog = p.open(name);
    QVERIFY2(dialog, qPrintable(name + QStringLiteral(" did not open")));
    QWidget *focus = dialog->focusWidget() ? dialog->focusWidget() : dialog.data();
    QTest::keyClick(focus, Qt::Key_Escape);
    QTRY_VERIFY(!dialog || !dialog->isVisible());
}

void TestKeyboard::returnPressesTheDefaultButton()
{
    Program p;
    QPointer<QWidget> about = p.open(QStringLiteral("frmAbout"));
    QTest::keyClick(about, Qt::Key_Return);
    QTRY_VERIFY(!about || !about->isVisible());

    QPointer<QWidget> links = p.open(QStringLiteral("frmPurchaseLinks"));
    auto *address = links->findChild<QLineEdit *>(QStringLiteral("txtPurchaseAddress"));
    address->setText(QStringLiteral("https://registrar.example/find?q={domain}"));
    QTest::keyClick(address, Qt::Key_Return);
    QTRY_VERIFY(!links || !links->isVisible());
    QCOMPARE(p.context->links.purchaseLinkPrefix, QStringLiteral("https://registrar.example/find?q={domain}"));
}

void TestKeyboard::mnemonicsDoNotClash()
{
    Program p;
    const QList<QMenu *> menus = p.window->menuBar()->findChildren<QMenu *>(Qt::FindDirectChildrenOnly);
    QVERIFY(!menus.isEmpty());
    for (const QMenu *menu : menus) {
        QString letters;
        for (const QAction *action : menu->actions()) {
            if (action->isSeparator())
                continue;
            QVERIFY2(!platform::mnemonicOf(action->text()).isNull(), qPrintable(action->text()));
            letters += platform::mnemonicOf(action->text());
        }
        QVERIFY2(clashes(letters).isEmpty(), qPrintable(menu->title() + QStringLiteral(": ") + clashes(letters)));
    }
    const QStringList buttons = {QStringLiteral("cmdDoSearch"), QStringLiteral("Command3"), QStringLiteral("cmdCreate"),
                                 QStringLiteral("cmdSetup"), QStringLiteral("cmdWebsite")};
    for (const QString &name : buttons) {
        auto *button = p.find<QAbstractButton>(name);
        QVERIFY2(!platform::mnemonicOf(button->text()).isNull(), qPrintable(name));
    }
    QCOMPARE(clashes(platform::mnemonicsOf(p.window.get())), QString());
    for (const QString &name : dialogs) {
        QWidget *dialog = p.open(name);
        QVERIFY2(dialog, qPrintable(name));
        for (const QAbstractButton *button : dialog->findChildren<QAbstractButton *>()) {
            if (button->isVisible() && !button->text().isEmpty())
                QVERIFY2(!platform::mnemonicOf(button->text()).isNull(),
                         qPrintable(name + QLatin1Char(' ') + button->text()));
        }
        QVERIFY2(clashes(platform::mnemonicsOf(dialog)).isEmpty(),
                 qPrintable(name + QStringLiteral(": ") + platform::mnemonicsOf(dialog)));
    }
}

void TestKeyboard::aWholeRunByKeyboardAlone()
{
    testing::WhoisFixtureServer server;
    QVERIFY(server.listen());
    server.setResponder([](const QString &query) { return testing::availableAnswer(query); });
    testing::PreparedFolder prepared(testing::loopbackTable(server.port()),
                                     {{QStringLiteral("wordlists/AllTwoLetter.txt"), "aa\r\nbb\r\ncc\r\n"}});
    testing::StartedProgram p(prepared.folder);
    QWidget *window = p.window.get();
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    const auto press = [](int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget *target = QApplication::activePopupWidget() ? QApplication::activePopupWidget()->focusWidget()
                                                            : QApplication::focusWidget();
        if (!target)
            target =
                QApplication::activePopupWidget() ? QApplication::activePopupWidget() : QApplication::activeWindow();
        QVERIFY(target);
        QTest::keyClick(target, Qt::Key(key), modifiers);
    };

    // Choose a list: Alt+Y reaches the source list, the arrows move to "All Two Letter".
    press(Qt::Key_Y, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Combo1"));
    for (int i = 0; i < 6; ++i)
        press(Qt::Key_Down);
    QCOMPARE(p.find<QComboBox>(QStringLiteral("Combo1"))->currentText(), QStringLiteral("All Two Letter"));
    QCOMPARE(p.find<QLineEdit>(QStringLiteral("txtWordMax"))->text(), QStringLiteral("3"));
    QVERIFY(!p.window->generatorWindow() && !p.window->browseWindow()); // passed on the way, not opened

    // Tick two TLDs: Alt+L, Down opens the list, Space ticks, Return closes.
    press(Qt::Key_L, Qt::AltModifier);
    press(Qt::Key_Down);
    QTRY_VERIFY(QApplication::activePopupWidget());
    for (int i = 0; i < 2; ++i) {
        press(Qt::Key_Down);
        press(Qt::Key_Space);
    }
    press(Qt::Key_Return);
    QTRY_VERIFY(!QApplication::activePopupWidget());
    // The offscreen platform leaves the closed list active; a desktop gives the window its keys back.
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QCOMPARE(p.find<sources::TldChooser>(QStringLiteral("cmbTLDs"))->chosenTlds(),
             (QStringList{QStringLiteral("com"), QStringLiteral("net")}));

    // Start: every name in both TLDs.
    press(Qt::Key_S, Qt::AltModifier);
    QTRY_COMPARE_WITH_TIMEOUT(server.queries().size(), 6, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(!p.find<QPushButton>(QStringLiteral("Command3"))->isEnabled(), 10000);

    // Filter, then save the first name shown: Tab leads from the filter to the first list.
    press(Qt::Key_F, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("bb"));
    for (int i = 0; i < 5 && QApplication::focusWidget()->objectName() != QLatin1String("List3"); ++i)
        press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("List3"));
    press(Qt::Key_End); // the list starts out on its first entry, unselected: a move selects
    press(Qt::Key_Home);
    press(Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(p.window->listModel(5)->entries(), QStringList{QStringLiteral("bb.com")});

    // Export: Alt+F opens the File menu, the item's letter runs it.
    p.fakes.dialogs.nextSave = prepared.folder.file(QStringLiteral("run.csv"));
    press(Qt::Key_F, Qt::AltModifier);
    QTRY_VERIFY(QApplication::activePopupWidget());
    press(Qt::Key_E);
    QTRY_VERIFY(!QApplication::activePopupWidget());
    QCOMPARE(prepared.folder.read(QStringLiteral("run.csv")).count('\n'), 7); // the header and six results
    QVERIFY(p.fakes.messages.texts().constLast().startsWith(QStringLiteral("Exported 6 results to ")));
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
