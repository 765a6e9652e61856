#include "StartedProgram.h"
#include "app/AppContext.h"
#include "app/ui/MainWindow.h"
#include "results/DomainListModel.h"
#include "results/ResultClasses.h"
#include "results/ui/DeskController.h"
#include "results/ui/PurchaseLinksWindow.h"
#include "results/ui/ResultListView.h"
#include "results/ui/ResultsDesk.h"
#include "tld/ui/WhoisWindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTcpServer>
#include <QtTest>

using results::ResultListView;

namespace {

// The main window started over a folder that outlives it, so that a test can start it again.
struct Program : testing::StartedProgram {
    explicit Program(const testing::TestFolder &folder) : StartedProgram(folder)
    {
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qWarning("Form1 was not exposed");
    }

    ResultListView *list(int number) const
    {
        auto *view = window->findChild<ResultListView *>(QStringLiteral("List") + QString::number(number));
        if (!view)
            qWarning("List%d is missing", number);
        return view;
    }
    QStringList entries(int number) const { return window->listModel(number)->entries(); }
    QString caption(int number) const
    {
        return window->findChild<QLabel *>(QStringLiteral("Label") + QString::number(number))->text();
    }
    void addAvailable(const QStringList &domains) const
    {
        for (const QString &domain : domains)
            window->resultClasses()->addAvailableName(domain);
    }
    QRect row(int number, int position) const
    {
        ResultListView *view = list(number);
        return view->visualRect(view->model()->index(position, 0));
    }
    void click(int number, int position, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const
    {
        QTest::mouseClick(list(number)->viewport(), Qt::LeftButton, modifiers, row(number, position).center());
    }
    // A double-click as the window system delivers it: press and release, then the double-click.
    void doubleClick(int number, int position) const
    {
        click(number, position);
        QTest::mouseDClick(list(number)->viewport(), Qt::LeftButton, Qt::NoModifier, row(number, position).center());
    }
    void trigger(const QString &menuItem) const { window->menuItem(menuItem)->trigger(); }
};

// Delivers @p data to @p target as a drag that enters it and is dropped; false when it was refused.
bool dropOn(ResultListView *target, const QMimeData &data, Qt::DropActions offered = Qt::CopyAction,
            Qt::DropAction *taken = nullptr)
{
    const QPoint at = target->viewport()->rect().center();
    QDragEnterEvent enter(at, offered, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target->viewport(), &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(at), offered, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target->viewport(), &drop);
    if (taken)
        *taken = drop.dropAction();
    return drop.isAccepted();
}

const QStringList highNames = {QStringLiteral("aa.com"), QStringLiteral("bb.com"), QStringLiteral("cc.com"),
                               QStringLiteral("dd.com"), QStringLiteral("ee.com"), QStringLiteral("ff.com")};

} // namespace

class TestResultsDesk : public QObject {
    Q_OBJECT
private slots:
    void clearingProfileListsAsksFirst();
    void unreadableSavedListIsNeverReplaced();
    void readOnlyFolderSaysWhatIsNotSaved();
    void selectionIsDraggedOntoTheSavedList();
    void duplicateAndEmptyDropsAddNothing();
    void foreignAndStaleDropsAreIgnored();
    void rememberedFileWithBlankLinesLoadsItsDomains();
    void deletionsOfSavedDomainsSurviveARestart();
    void copyPutsEveryEntryWithCrLf();
    void shiftDeleteEmptiesWhileShiftCtrlDeleteDeletes();
    void editMenuClearsAndCopiesTheMappedLists_data();
    void editMenuClearsAndCopiesTheMappedLists();
    void doubleClickOpensAnEncodedPurchaseLink();
    void purchaseLinksAreSetInOptionsAndOfferedInMenus();
    void visitHelpAndAboutOpenWhatTheyName();
    void filterAndOrderNarrowEveryList();
    void keysSaveCopyAndUndoOnAList();
};

void TestResultsDesk::selectionIsDraggedOntoTheSavedList()
{
    testing::TestFolder folder;
    Program p(folder);
    p.addAvailable(highNames);
    p.click(3, 4);
    p.click(3, 1, Qt::ControlModifier);
    QCOMPARE(p.window->deskController()->lastClickedList(), 3);
    QScopedPointer<QMimeData> data(p.list(3)->currentDrag().toMimeData());
    QCOMPARE(data->text(), QStringLiteral("1|4"));
    QVERIFY2(!dropOn(p.list(1), *data), "List1 accepted a drop");
    QVERIFY2(dropOn(p.list(5), *data), "List5 refused the drop");
    QCOMPARE(p.entries(5), (QStringList{QStringLiteral("bb.com"), QStringLiteral("ee.com")}));
    QCOMPARE(folder.read(QStringLiteral("Remembered.txt")), QByteArray("bb.com\r\nee.com\r\n"));
    QCOMPARE(p.entries(3), highNames); // a copy: the source keeps its entries
    QCOMPARE(p.caption(5), QStringLiteral("Saved Domains"));
    // Pressing the saved list leaves the source of the next drag as it was.
    p.click(5, 0);
    QCOMPARE(p.window->deskController()->lastClickedList(), 3);
    QVERIFY(!p.list(5)->dragEnabled());
}

void TestResultsDesk::duplicateAndEmptyDropsAddNothing()
{
    testing::TestFolder folder;
    Program p(folder);
    p.addAvailable(highNames);
    p.click(3, 2);
    QScopedPointer<QMimeData> one(p.list(3)->currentDrag().toMimeData());
    QVERIFY(dropOn(p.list(5), *one));
    QVERIFY(dropOn(p.list(5), *one));
    // Saved once, also when saved again with Ctrl+S in another spelling.
    p.window->resultClasses()->addAvailableName(QStringLiteral("CC.com"));
    p.click(3, 6);
    QTest::keyClick(p.list(3), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(p.entries(5), QStringList{QStringLiteral("cc.com")});
    QCOMPARE(folder.read(QStringLiteral("Remembered.txt")), QByteArray("cc.com\r\n"));

    // A drag of no selection carries an empty text: nothing is added, the file is still rewritten.
    p.list(3)->clearSelection();
    QScopedPointer<QMimeData> empty(p.list(3)->currentDrag().toMimeData());
    QCOMPARE(empty->text(), QString());
    folder.write(QStringLiteral("Remembered.txt"), "outdated\r\n");
    QVERIFY(dropOn(p.list(5), *empty));
    QCOMPARE(p.entries(5).size(), 1);
    QCOMPARE(folder.read(QStringLiteral("Remembered.txt")), QByteArray("cc.com\r\n"));
}

void TestResultsDesk::foreignAndStaleDropsAreIgnored()
{
    testing::TestFolder folder;
    Program p(folder);
    p.addAvailable(highNames);
    QMimeData before;
    before.setText(QStringLiteral("0|1"));
    QVERIFY(dropOn(p.list(5), before)); // no list pressed yet: nothing to take from
    QVERIFY(p.entries(5).isEmpty());
    QCOMPARE(folder.read(QStringLiteral("Remembered.txt")), QByteArray());

    p.click(3, 0);
    QMimeData foreign;
    foreign.setText(QStringLiteral("www.example.com|5|17|-2|\r\n"));
    QVERIFY(!dropOn(p.list(5), foreign, Qt::MoveAction)); // taking it would delete it in the other program
    Qt::DropAction taken = Qt::IgnoreAction;
    QVERIFY(dropOn(p.list(5), foreign, Qt::CopyAction | Qt::MoveAction, &taken));
    QCOMPARE(taken, Qt::CopyAction);
    QCOMPARE(p.entries(5), QStringList{QStringLiteral("ff.com")});

    // The list changed under the drag: the position now holds another name and is passed over.
    p.click(3, 0);
    p.click(3, 5, Qt::ControlModifier);
    QScopedPointer<QMimeData> data(p.list(3)->currentDrag().toMimeData());
    p.window->deskController()->deleteSelected(3);
    p.addAvailable({QStringLiteral("gg.com"), QStringLiteral("hh.com")});
    QVERIFY(dropOn(p.list(5), *data));
    QCOMPARE(p.entries(5), QStringList{QStringLiteral("ff.com")});
    QCOMPARE(folder.read(QStringLiteral("Remembered.txt")), QByteArray("ff.com\r\n"));
}

void TestResultsDesk::rememberedFileWithBlankLinesLoadsItsDomains()
{
    testing::TestFolder folder;
    folder.write(QStringLiteral("Remembered.txt"), "\r\n \r\nkeep.com\r\n\r\nalso.net\r\n");
    Program p(folder);
    QCOMPARE(p.entries(5), (QStringList{QStringLiteral("keep.com"), QStringLiteral("also.net")}));
    // Loading does not rewrite the file.
    QCOMPARE(folder.read(QStringLiteral("Remembered.txt")), QByteArray("\r\n \r\nkeep.com\r\n\r\nalso.net\r\n"));
}

void TestResultsDesk::deletionsOfSavedDomainsSurviveARestart()
{
    testing::TestFolder folder;
    const QByteArray three("one.com\r\ntwo.com\r\nthree.com\r\n");
    folder.write(QStringLiteral("Remembered.txt"), three);
    {
        Program p(folder);
        p.click(5, 1);
        QTest::keyClick(p.list(5), Qt::Key_Delete);
        QCOMPARE(p.fakes.messages.texts(),
                 QStringList{QStringLiteral("Remove 1 name from Saved Domains?\r\n\r\n"
                                            "The list as it is now is kept in Remembered.bak.")});
        QCOMPARE(p.fakes.messages.shown.constFirst().buttons, platform::MessageRequest::Buttons::OkCancel);
        QCOMPARE(p.entries(5), (QStringList{QStringLiteral("one.com"), QStringLiteral("three.com")}));
        QCOMPARE(folder.read(QStringLiteral("Remembered.bak")), three);
    }
    const QByteArray two("one.com\r\nthree.com\r\n");
    {
        // Cancel keeps the list, the file and the copy as they are.
        Program p(folder);
        p.fakes.messages.nextAnswers = {platform::MessageAnswer::Cancel};
        p.window->findChild<QPushButton *>(QStringLiteral("cmdClear2_5"))->click(); // "Clear"
        QCOMPARE(p.fakes.messages.texts().value(0).section(QLatin1Char('?'), 0, 0),
                 QStringLiteral("Remove 2 names from Saved Domains"));
        QCOMPARE(p.entries(5).size(), 2);
        QCOMPARE(folder.read(QStringLiteral("Remembered.txt")), two);
        QCOMPARE(folder.read(QStringLiteral("Remembered.bak")), three);
        QTest::keyClick(p.list(5), Qt::Key_Delete, Qt::ShiftModifier);
        QVERIFY(p.entries(5).isEmpty());
        // Nothing left to remove: no question.
        p.trigger(QStringLiteral("mnuEditItem_5"));
        QCOMPARE(p.fakes.messages.shown.size(), 2);
    }
    Program p(folder);
    QVERIFY(p.entries(5).isEmpty());
    QCOMPARE(folder.read(QStringLiteral("Remembered.txt")), QByteArray());
    QCOMPARE(folder.read(QStringLiteral("Remembered.bak")), two);
}

void TestResultsDesk::clearingProfileListsAsksFirst()
{
    testing::TestFolder folder;
    Program p(folder);
    p.addAvailable({QStringLiteral("aa.com"), QStringLiteral("bb.com"), QStringLiteral("middle.com"),
                    QStringLiteral("lengthyname.com")});
    p.fakes.messages.nextAnswers = {platform::MessageAnswer::Cancel};
    p.window->desk()->clearButton(3)->click();
    QCOMPARE(p.fakes.messages.texts(), QStringList{QStringLiteral("Clear 2 names from High Profile?\r\n\r\n"
                                                                  "The names stay in the history (Tools > "
                                                                  "History..., Ctrl+H).")});
    QCOMPARE(p.fakes.messages.shown.constFirst().buttons, platform::MessageRequest::Buttons::OkCancel);
    QCOMPARE(p.entries(3).size(), 2);
    // Clear High/Mid/Low asks once for the three lists.
    p.trigger(QStringLiteral("mnuEditItem_0"));
    QCOMPARE(p.fakes.messages.shown.size(), 2);
    QVERIFY2(p.fakes.messages.texts().constLast().startsWith(
                 QStringLiteral("Clear 4 names from High Profile, Mid Profile, Low Profile?")),
             qPrintable(p.fakes.messages.texts().constLast()));
    QVERIFY(p.entries(1).isEmpty() && p.entries(3).isEmpty() && p.entries(4).isEmpty());
}

void TestResultsDesk::unreadableSavedListIsNeverReplaced()
{
    testing::TestFolder folder;
    folder.write(QStringLiteral("Remembered.txt"), "only.com\r\n");
    {
        testing::UnreadableFile locked(folder.file(QStringLiteral("Remembered.txt")));
        if (!locked.isValid())
            QSKIP("this system cannot make a file unreadable for the test");
        Program p(folder);
        QSignalSpy said(p.window->statusBar(), &QStatusBar::messageChanged);
        p.addAvailable({QStringLiteral("aa.com")});
        p.click(3, 0);
        QTest::keyClick(p.list(3), Qt::Key_S, Qt::ControlModifier);
        QVERIFY2(p.fakes.messages.texts().constLast().contains(folder.file(QStringLiteral("Remembered.txt"))),
                 qPrintable(p.fakes.messages.texts().constLast()));
        QVERIFY(!said.isEmpty() && said.constLast().at(0).toString().contains(QLatin1String("Remembered.txt")));
    }
    QCOMPARE(folder.read(QStringLiteral("Remembered.txt")), QByteArray("only.com\r\n"));
    QVERIFY(!QFile::exists(folder.file(QStringLiteral("Remembered.bak"))));
}

void TestResultsDesk::readOnlyFolderSaysWhatIsNotSaved()
{
    testing::TestFolder folder;
    Program p(folder);
    p.addAvailable({QStringLiteral("aa.com")});
    testing::ReadOnlyFolder readOnly(folder.appFolder());
    if (!readOnly.isValid())
        QSKIP("this system cannot make a folder read-only for the test");
    QSignalSpy said(p.window->statusBar(), &QStatusBar::messageChanged);
    const auto told = [&said](const char *file) {
        return std::any_of(said.begin(), said.end(), [file](const QList<QVariant> &message) {
            return message.at(0).toString().contains(QLatin1String(file));
        });
    };
    p.click(3, 0);
    QTest::keyClick(p.list(3), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(told("Remembered.txt"));
    p.addAvailable({QStringLiteral("bb.com")});
    QVERIFY(told("SuperHighProfile.txt"));
    // A name without a verdict is counted all the same.
    p.window->resultClasses()->addUncheckedName(QStringLiteral("slow.com"));
    QCOMPARE(p.window->findChild<QLabel *>(QStringLiteral("lblUnchecked"))->text(), QStringLiteral("Unchecked: 1"));
    QVERIFY(told("Unchecked.txt"));
}

void TestResultsDesk::copyPutsEveryEntryWithCrLf()
{
    testing::TestFolder folder;
    Program p(folder);
    p.addAvailable(
        {QStringLiteral("longername1.com"), QStringLiteral("longername2.com"), QStringLiteral("longername3.com")});
    p.window->findChild<QPushButton *>(QStringLiteral("cmdCopy_1"))->click();
    QCOMPARE(p.fakes.clipboard.text(), QStringLiteral("longername1.com\r\nlongername2.com\r\nlongername3.com\r\n"));
    p.window->findChild<QPushButton *>(QStringLiteral("cmdCopy_2"))->click();
    QCOMPARE(p.fakes.clipboard.text(), QString());
}

void TestResultsDesk::shiftDeleteEmptiesWhileShiftCtrlDeleteDeletes()
{
    testing::TestFolder folder;
    Program p(folder);
    p.addAvailable(
        {QStringLiteral("longername1.com"), QStringLiteral("longername2.com"), QStringLiteral("longername3.com")});
    QCOMPARE(p.caption(1), QStringLiteral("Low Profile (3)"));
    p.click(1, 1);
    QTest::keyClick(p.list(1), Qt::Key_Delete, Qt::ShiftModifier | Qt::ControlModifier);
    QCOMPARE(p.entries(1), (QStringList{QStringLiteral("longername1.com"), QStringLiteral("longername3.com")}));
    QCOMPARE(p.caption(1), QStringLiteral("Low Profile (2)"));
    QCOMPARE(p.window->resultClasses()->counter(1), 2);

    p.list(1)->clearSelection();
    p.window->findChild<QPushButton *>(QStringLiteral("cmdClear_1"))->click(); // nothing selected: no change
    QCOMPARE(p.caption(1), QStringLiteral("Low Profile (2)"));

    QTest::keyClick(p.list(1), Qt::Key_Delete, Qt::ShiftModifier);
    QVERIFY(p.entries(1).isEmpty());
    QCOMPARE(p.caption(1), QStringLiteral("Low Profile"));
    QCOMPARE(p.window->resultClasses()->counter(1), 0);
}

void TestResultsDesk::editMenuClearsAndCopiesTheMappedLists_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QList<int>>("emptied");
    QTest::addColumn<QString>("clipboard");
    QTest::newRow("Clear High/Mid/Low") << 0 << QList<int>{1, 3, 4} << QString();
    QTest::newRow("Clear High") << 1 << QList<int>{3} << QString();
    QTest::newRow("Clear Mid") << 2 << QList<int>{4} << QString();
    QTest::newRow("Clear Low") << 3 << QList<int>{1} << QString();
    QTest::newRow("Clear Registered") << 4 << QList<int>{2} << QString();
    QTest::newRow("Clear Saved") << 5 << QList<int>{5} << QString();
    QTest::newRow("Copy High") << 6 << QList<int>{} << QStringLiteral("abc.com\r\n");
    QTest::newRow("Copy Mid") << 7 << QList<int>{} << QStringLiteral("abcdef.com\r\n");
    QTest::newRow("Copy Low") << 8 << QList<int>{} << QStringLiteral("abcdefghij.com\r\n");
    QTest::newRow("Copy Saved") << 9 << QList<int>{} << QStringLiteral("saved.com\r\n");
}

void TestResultsDesk::editMenuClearsAndCopiesTheMappedLists()
{
    QFETCH(int, index);
    QFETCH(QList<int>, emptied);
    QFETCH(QString, clipboard);
    testing::TestFolder folder;
    folder.write(QStringLiteral("Remembered.txt"), "saved.com\r\n");
    Program p(folder);
    p.addAvailable({QStringLiteral("abc.com"), QStringLiteral("abcdef.com"), QStringLiteral("abcdefghij.com")});
    p.window->resultClasses()->addRegisteredName(QStringLiteral("taken.com"));
    p.trigger(QStringLiteral("mnuEditItem_") + QString::number(index));
    for (int number = 1; number <= 5; ++number) {
        QCOMPARE(p.entries(number).isEmpty(), emptied.contains(number));
        if (number <= 4) {
            static const QStringList captions = {QStringLiteral("Low Profile"), QStringLiteral("Registered"),
                                                 QStringLiteral("High Profile"), QStringLiteral("Mid Profile")};
            const QString resting = captions.at(number - 1);
            QCOMPARE(p.caption(number), emptied.contains(number) ? resting : resting + QStringLiteral(" (1)"));
        }
    }
    QCOMPARE(p.fakes.clipboard.text(), clipboard);
    const QByteArray saved = emptied.contains(5) ? QByteArray() : QByteArray("saved.com\r\n");
    QCOMPARE(folder.read(QStringLiteral("Remembered.txt")), saved);
}

void TestResultsDesk::doubleClickOpensAnEncodedPurchaseLink()
{
    testing::TestFolder folder;
    Program p(folder);
    const QString hostile = QStringLiteral("my shop&pid=x#top?.com");
    p.window->resultClasses()->addAvailableName(hostile);
    p.doubleClick(1, 0);
    QCOMPARE(p.context->selectedDomain, hostile);
    QCOMPARE(p.fakes.shell.openedUrls, QStringList{QStringLiteral("https://www.namecheap.com/domains/registration/"
                                                                  "results/?domain=my%20shop%26pid%3Dx%23top%3F.com")});

    // A registered name is not for sale: its record opens instead.
    QTcpServer silent;
    QVERIFY(silent.listen(QHostAddress::LocalHost));
    p.window->setLookupServer({QStringLiteral("127.0.0.1"), silent.serverPort()});
    p.window->resultClasses()->addRegisteredName(QStringLiteral("taken.com"));
    p.doubleClick(2, 0);
    QCOMPARE(p.window->deskController()->lastClickedList(), 2);
    QVERIFY2(p.window->lookupWindow(), "frmWhois did not open");
    QCOMPARE(p.window->lookupWindow()->domain(), QStringLiteral("taken.com"));
    QCOMPARE(p.fakes.shell.openedUrls.size(), 1);

    // With purchase links off the lookup window looks the name up instead.
    p.context->links.purchaseLinksEnabled = false;
    p.window->listModel(5)->append(QStringLiteral("saved.net"));
    p.doubleClick(5, 0);
    QCOMPARE(p.context->selectedDomain, QStringLiteral("saved.net"));
    QVERIFY2(p.window->lookupWindow(), "frmWhois did not open");
    QCOMPARE(p.window->lookupWindow()->domain(), QStringLiteral("saved.net"));
    QCOMPARE(p.fakes.shell.openedUrls.size(), 1);
}

void TestResultsDesk::purchaseLinksAreSetInOptionsAndOfferedInMenus()
{
    testing::TestFolder folder;
    QTcpServer silent;
    QVERIFY(silent.listen(QHostAddress::LocalHost));
    {
        Program p(folder);
        p.trigger(QStringLiteral("mnuOptionsItem_1"));
        results::PurchaseLinksWindow *options = p.window->purchaseLinksWindow();
        QVERIFY2(options && options->isVisible(), "frmPurchaseLinks did not open");
        auto *address = options->findChild<QLineEdit *>(QStringLiteral("txtPurchaseAddress"));
        // An address without a scheme is refused with a word, and nothing changes.
        address->setText(QStringLiteral("registrar.example/find?q={domain}"));
        options->findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
        QCOMPARE(p.fakes.messages.shown.size(), 1);
        QVERIFY(options->isVisible());
        address->setText(QStringLiteral("https://registrar.example/find?q={domain}&src=qt"));
        options->findChild<QCheckBox *>(QStringLiteral("chkPurchaseLinks"))->setChecked(false);
        options->findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
        QCOMPARE(p.window->desk()->title(), QStringLiteral("Domain Name Manager"));
        QCOMPARE(p.window->desk()->websiteButton()->text().remove(QLatin1Char('&')),
                 QStringLiteral("Visit registrar.example"));
    }
    // Kept for the next start: a double-click looks the name up; the menu offers buying and the record.
    Program p(folder);
    p.window->setLookupServer({QStringLiteral("127.0.0.1"), silent.serverPort()});
    QCOMPARE(p.window->desk()->title(), QStringLiteral("Domain Name Manager"));
    p.window->resultClasses()->addRegisteredName(QStringLiteral("first.com"));
    p.window->resultClasses()->addRegisteredName(QStringLiteral("second.com"));
    p.doubleClick(2, 0);
    QVERIFY2(p.window->lookupWindow(), "frmWhois did not open");
    QVERIFY(p.fakes.shell.openedUrls.isEmpty());
    auto menuItemOn = [&p](int row, const QString &item) {
        ResultListView *view = p.list(2);
        const QPoint at = p.row(2, row).center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, view->viewport()->mapToGlobal(at));
        QApplication::sendEvent(view->viewport(), &event);
        auto *menu = view->findChild<QMenu *>(QStringLiteral("mnuEntry"));
        QAction *action = menu ? menu->findChild<QAction *>(item) : nullptr;
        const QString caption = action ? action->text().remove(QLatin1Char('&')) : QString();
        if (action)
            action->trigger();
        delete menu;
        return caption;
    };
    QCOMPARE(menuItemOn(1, QStringLiteral("mnuBuy")), QStringLiteral("Buy..."));
    QCOMPARE(p.fakes.shell.openedUrls,
             QStringList{QStringLiteral("https://registrar.example/find?q=second.com&src=qt")});
    QCOMPARE(menuItemOn(1, QStringLiteral("mnuWhois")), QStringLiteral("WHOIS record..."));
    QCOMPARE(p.window->lookupWindow()->domain(), QStringLiteral("second.com"));
    QCOMPARE(p.context->selectedDomain, QStringLiteral("second.com"));
}

void TestResultsDesk::visitHelpAndAboutOpenWhatTheyName()
{
    testing::TestFolder folder;
    Program p(folder);
    QCOMPARE(p.window->desk()->websiteButton()->text().remove(QLatin1Char('&')),
             QStringLiteral("Visit www.namecheap.com"));
    p.window->desk()->websiteButton()->click();
    QCOMPARE(p.fakes.shell.openedUrls, QStringList{QStringLiteral("https://www.namecheap.com/")});

    folder.write(QStringLiteral("Help.chm"), "help");
    p.trigger(QStringLiteral("mnuHelpItem_0"));
    QCOMPARE(p.fakes.shell.openedFiles, QStringList{folder.file(QStringLiteral("Help.chm"))});

    // Without a browser the user is told, instead of nothing happening.
    p.fakes.shell.opens = false;
    p.window->desk()->websiteButton()->click();
    p.trigger(QStringLiteral("mnuHelpItem_0"));
    QCOMPARE(p.fakes.messages.shown.size(), 2);
    QVERIFY(p.fakes.messages.shown.at(0).text.contains(QLatin1String("https://www.namecheap.com/")));
    QVERIFY(p.fakes.messages.shown.at(1).text.contains(folder.file(QStringLiteral("Help.chm"))));

    p.trigger(QStringLiteral("mnuAboutItem_0"));
    auto *about = p.window->findChild<QWidget *>(QStringLiteral("frmAbout"));
    QVERIFY2(about, "frmAbout did not open");
    QVERIFY(about->isVisible());
    QVERIFY(!about->isModal());
    p.trigger(QStringLiteral("mnuAboutItem_0"));
    QCOMPARE(p.window->findChildren<QWidget *>(QStringLiteral("frmAbout")).size(), 1);
}

void TestResultsDesk::filterAndOrderNarrowEveryList()
{
    testing::TestFolder folder;
    Program p(folder);
    p.addAvailable({QStringLiteral("zz.com"), QStringLiteral("abc.com"), QStringLiteral("a.com"),
                    QStringLiteral("lengthyname.com"), QStringLiteral("shortlist.com")});
    const auto shown = [&p](int number) {
        QStringList rows;
        const QAbstractItemModel *model = p.list(number)->model();
        for (int row = 0; row < model->rowCount(); ++row)
            rows.append(model->index(row, 0).data().toString());
        return rows;
    };
    p.trigger(QStringLiteral("mnuFind"));
    auto *filter = p.window->findChild<QLineEdit *>(QStringLiteral("txtFilter"));
    QVERIFY2(filter, "txtFilter is missing");
    QVERIFY(filter->hasFocus());
    QTest::keyClicks(filter, QStringLiteral("A"));
    QCOMPARE(shown(3), (QStringList{QStringLiteral("abc.com"), QStringLiteral("a.com")}));
    QCOMPARE(shown(1), QStringList{QStringLiteral("lengthyname.com")});
    QTest::keyClicks(filter, QStringLiteral("b"));
    QCOMPARE(shown(3), QStringList{QStringLiteral("abc.com")});
    QCOMPARE(shown(1), QStringList());
    filter->clear();
    auto *order = p.window->findChild<QComboBox *>(QStringLiteral("cmbOrder"));
    order->setCurrentIndex(2);
    QCOMPARE(shown(3), (QStringList{QStringLiteral("a.com"), QStringLiteral("zz.com"), QStringLiteral("abc.com")}));
    order->setCurrentIndex(1);
    QCOMPARE(shown(3), (QStringList{QStringLiteral("a.com"), QStringLiteral("abc.com"), QStringLiteral("zz.com")}));
    // Sorted and filtered, a deletion still takes the entry the user chose from the list underneath.
    QTest::keyClicks(filter, QStringLiteral("z"));
    p.click(3, 0);
    QTest::keyClick(p.list(3), Qt::Key_Delete);
    QCOMPARE(p.entries(3), (QStringList{QStringLiteral("abc.com"), QStringLiteral("a.com")}));
    order->setCurrentIndex(0);
    filter->clear();
    QCOMPARE(shown(3), (QStringList{QStringLiteral("abc.com"), QStringLiteral("a.com")}));
}

void TestResultsDesk::keysSaveCopyAndUndoOnAList()
{
    testing::TestFolder folder;
    Program p(folder);
    p.addAvailable(highNames);
    p.click(3, 1);
    p.click(3, 3, Qt::ControlModifier);
    QTest::keyClick(p.list(3), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(p.fakes.clipboard.text(), QStringLiteral("bb.com\r\ndd.com\r\n"));
    QTest::keyClick(p.list(3), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(p.entries(5), (QStringList{QStringLiteral("bb.com"), QStringLiteral("dd.com")}));
    QCOMPARE(folder.read(QStringLiteral("Remembered.txt")), QByteArray("bb.com\r\ndd.com\r\n"));

    // Delete, then Clear of another list, then Ctrl+Z twice: each comes back where it was.
    QTest::keyClick(p.list(3), Qt::Key_Delete);
    QCOMPARE(p.caption(3), QStringLiteral("High Profile (4)"));
    p.addAvailable({QStringLiteral("middle.com")});
    p.window->desk()->clearButton(4)->click();
    QCOMPARE(p.entries(4), QStringList());
    QTest::keyClick(p.list(3), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(p.entries(4), QStringList{QStringLiteral("middle.com")});
    QCOMPARE(p.caption(4), QStringLiteral("Mid Profile (1)"));
    QCOMPARE(p.entries(3).size(), 4);
    p.addAvailable({QStringLiteral("gg.com")}); // found after the delete: kept at the end
    QTest::keyClick(p.list(3), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(p.entries(3), highNames + QStringList{QStringLiteral("gg.com")});
    QCOMPARE(p.caption(3), QStringLiteral("High Profile (7)"));
    QVERIFY(!p.window->deskController()->canUndo());

    // The saved list's Clear is undone too, and its file follows.
    p.window->desk()->clearButton(5)->click();
    QCOMPARE(folder.read(QStringLiteral("Remembered.txt")), QByteArray());
    p.trigger(QStringLiteral("mnuUndo"));
    QCOMPARE(p.entries(5), (QStringList{QStringLiteral("bb.com"), QStringLiteral("dd.com")}));
    QCOMPARE(folder.read(QStringLiteral("Remembered.txt")), QByteArray("bb.com\r\ndd.com\r\n"));

    // The context menu offers the same for the selection.
    p.click(3, 0);
    const QPoint at = p.row(3, 0).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, p.list(3)->viewport()->mapToGlobal(at));
    QApplication::sendEvent(p.list(3)->viewport(), &event);
    auto *menu = p.list(3)->findChild<QMenu *>(QStringLiteral("mnuEntry"));
    QVERIFY2(menu, "no context menu");
    QStringList captions;
    for (const QAction *action : menu->actions())
        captions.append(action->text().remove(QLatin1Char('&')));
    QCOMPARE(captions, (QStringList{QStringLiteral("Save"), QStringLiteral("Copy"), QStringLiteral("Buy..."),
                                    QStringLiteral("WHOIS record..."), QStringLiteral("Delete"),
                                    QStringLiteral("Confirm with registry"),
                                    QStringLiteral("Confirm whole list with registry")}));
    menu->findChild<QAction *>(QStringLiteral("mnuDelete"))->trigger();
    delete menu;
    QCOMPARE(p.entries(3).first(), QStringLiteral("bb.com"));

    // Deleting every entry of a list whose count outgrew it takes off only what was deleted.
    for (int i = 1; i <= 102; ++i)
        p.window->resultClasses()->addRegisteredName(QStringLiteral("taken%1.com").arg(i));
    QCOMPARE(p.entries(2).size(), 100);
    QCOMPARE(p.entries(2).constFirst(), QStringLiteral("taken3.com"));
    p.click(2, 0);
    QTest::keyClick(p.list(2), Qt::Key_Delete);
    QCOMPARE(p.caption(2), QStringLiteral("Registered (last 99 of 101)"));
    QTest::keyClick(p.list(2), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(p.caption(2), QStringLiteral("Registered (last 100 of 102)"));
}

QTEST_MAIN(TestResultsDesk)
#include "tst_resultsdesk.moc"
