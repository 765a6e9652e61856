#include "StartedProgram.h"
#include "platform/ui/WindowKeys.h"
#include "results/ui/FileBackupNotice.h"
#include "results/ui/PurchaseLinksWindow.h"
#include "sources/ui/GeneratorWindow.h"
#include "tld/ui/TldManagerWindow.h"
#include "tld/ui/WhoisWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
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
        QVERIFY2(clashes(platform::mnemonicsOf(dialog)).isEmpty(),
                 qPrintable(name + QStringLiteral(": ") + platform::mnemonicsOf(dialog)));
    }
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
