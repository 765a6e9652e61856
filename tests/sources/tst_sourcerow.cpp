#include "StartedProgram.h"
#include "StoredSettings.h"
#include "WhoisFixtureServer.h"
#include "app/AppContext.h"
#include "app/ui/MainWindow.h"
#include "platform/Intervals.h"
#include "platform/ProgramSettings.h"
#include "sources/ui/GeneratorWindow.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

// The real main window over a folder that outlives it, with the WHOIS fixture behind com and net.
struct Program : testing::StartedProgram {
    explicit Program(const testing::TestFolder &folder) : StartedProgram(folder) {}

    QComboBox *sources() const { return find<QComboBox>(QStringLiteral("Combo1")); }
    QString startNumber() const { return find<QLineEdit>(QStringLiteral("txtWordNum"))->text(); }
    QString entryCount() const { return find<QLineEdit>(QStringLiteral("txtWordMax"))->text(); }
    void chooseCustomList(const QString &path)
    {
        fakes.dialogs.nextOpen = path;
        window->menuItem(QStringLiteral("mnuToolsItem_8"))->trigger();
    }
    void start() const { QTest::mouseClick(find<QPushButton>(QStringLiteral("cmdDoSearch")), Qt::LeftButton); }
    void stop() const { QTest::mouseClick(find<QPushButton>(QStringLiteral("Command3")), Qt::LeftButton); }
};

QByteArray numberedNames(const char *stem, int count)
{
    QByteArray names;
    for (int i = 1; i <= count; ++i)
        names += stem + QByteArray::number(i) + "\r\n";
    return names;
}

} // namespace

class TestSourceRow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void listOfAnyLineEndGetsTheChosenExtension_data();
    void listOfAnyLineEndGetsTheChosenExtension();
    void sourcesOfTheToolsMenuWaitForStop();
    void customListResumesAfterARestart();
    void startNumberIsCheckedWhenTypingEnds();
    void customListAsksForItsFileOnce_data();
    void customListAsksForItsFileOnce();
    void keysMoveWithoutOpeningAWindow();
};

void TestSourceRow::initTestCase()
{
    platform::intervals().secondMs = 20;
}

void TestSourceRow::listOfAnyLineEndGetsTheChosenExtension_data()
{
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<QString>("chooserEntry");
    QTest::addColumn<QString>("extension");
    QTest::newRow("LF list, default entry")
        << QByteArray("alpha\nbeta\ngamma\n") << QString() << QStringLiteral(".net");
    QTest::newRow("CR list, com chosen") << QByteArray("alpha\rbeta\rgamma\r") << QStringLiteral("com")
                                         << QStringLiteral(".com");
    QTest::newRow("mixed list, net chosen")
        << QByteArray("alpha\r\nbeta\n\ngamma") << QStringLiteral("net") << QStringLiteral(".net");
}

void TestSourceRow::listOfAnyLineEndGetsTheChosenExtension()
{
    QFETCH(QByteArray, list);
    QFETCH(QString, chooserEntry);
    QFETCH(QString, extension);
    testing::WhoisFixtureServer server;
    QVERIFY(server.listen());
    testing::PreparedFolder prepared(testing::loopbackTable(server.port()), {{QStringLiteral("names.txt"), list}});
    testing::StoredSettings(prepared.folder.settingsFolder())
        .plant(QStringLiteral("DefaultExt"), QStringLiteral(".net"));
    Program p(prepared.folder);
    auto *chooser = p.find<QComboBox>(QStringLiteral("cmbTLDs"));
    QCOMPARE(chooser->currentText(), QStringLiteral("(default: .net)"));
    if (!chooserEntry.isEmpty())
        chooser->setCurrentText(chooserEntry);
    p.chooseCustomList(prepared.folder.file(QStringLiteral("names.txt")));
    QCOMPARE(p.entryCount(), QStringLiteral("3"));
    p.start();
    QTRY_COMPARE_WITH_TIMEOUT(server.queries().size(), 3, 5000);
    QCOMPARE(server.queries(), (QStringList{QStringLiteral("alpha") + extension, QStringLiteral("beta") + extension,
                                            QStringLiteral("gamma") + extension}));
    p.stop();
}

void TestSourceRow::sourcesOfTheToolsMenuWaitForStop()
{
    testing::WhoisFixtureServer server;
    QVERIFY(server.listen());
    server.setMode(testing::WhoisFixtureServer::Mode::Silent);
    testing::PreparedFolder prepared(testing::loopbackTable(server.port()),
                                     {{QStringLiteral("mine.txt"), numberedNames("name", 5)},
                                      {QStringLiteral("wordlists/AllTwoLetter.txt"), numberedNames("aa", 9)}});
    Program p(prepared.folder);
    p.context->settings.savePositions({QStringLiteral("TwoWordNum")}, QStringLiteral("7"));
    p.chooseCustomList(prepared.folder.file(QStringLiteral("mine.txt")));
    p.start();
    QTRY_COMPARE_WITH_TIMEOUT(server.queries().size(), 1, 5000);
    for (int i = 0; i < 9; ++i)
        QVERIFY2(!p.window->menuItem(QStringLiteral("mnuToolsItem_") + QString::number(i))->isEnabled(),
                 qPrintable(QStringLiteral("Tools item %1 is enabled during a run").arg(i)));
    QVERIFY(!p.window->menuItem(QStringLiteral("mnuCheckUnchecked"))->isEnabled());
    // A finished harvest or generator cannot start a second run over the one under way.
    p.window->startRun();
    QCOMPARE(p.fakes.messages.texts(),
             QStringList{QStringLiteral("A search is running. Press Stop, then Start to check the new list.")});
    p.stop();
    QVERIFY(p.window->menuItem(QStringLiteral("mnuToolsItem_5"))->isEnabled());
    // The first name never had its answer: the list resumes at it.
    QCOMPARE(p.startNumber(), QStringLiteral("1"));
    p.window->menuItem(QStringLiteral("mnuToolsItem_5"))->trigger();
    QCOMPARE(p.startNumber(), QStringLiteral("7"));
    QCOMPARE(p.context->settings.position(QStringLiteral("TwoWordNum"), QString()), QStringLiteral("7"));
}

void TestSourceRow::customListResumesAfterARestart()
{
    testing::WhoisFixtureServer server;
    QVERIFY(server.listen());
    testing::PreparedFolder prepared(testing::loopbackTable(server.port()),
                                     {{QStringLiteral("first.txt"), numberedNames("first", 8)},
                                      {QStringLiteral("second.txt"), numberedNames("second", 8)}});
    const QString first = prepared.folder.file(QStringLiteral("first.txt"));
    const QString second = prepared.folder.file(QStringLiteral("second.txt"));
    {
        Program p(prepared.folder);
        p.chooseCustomList(first);
        // Stopped while the third name is asked: the run resumes at it.
        const auto stopAtThird = connect(&server, &testing::WhoisFixtureServer::queryReceived, p.window.get(), [&] {
            if (server.queries().size() == 3)
                p.stop();
        });
        p.start();
        QTRY_VERIFY_WITH_TIMEOUT(p.sources()->isEnabled(), 5000);
        disconnect(stopAtThird);
        QCOMPARE(p.startNumber(), QStringLiteral("3"));
        p.chooseCustomList(second);
        QCOMPARE(p.startNumber(), QStringLiteral("1"));
        // The generator writes a new list each time: it starts at 1, not where another list stopped.
        p.sources()->setCurrentIndex(1);
        QCOMPARE(p.startNumber(), QStringLiteral("1"));
        p.window->generatorWindow()->close();
    }
    Program again(prepared.folder);
    again.chooseCustomList(second);
    QCOMPARE(again.startNumber(), QStringLiteral("1"));
    again.chooseCustomList(first);
    QCOMPARE(again.startNumber(), QStringLiteral("3"));
    again.start();
    QTRY_VERIFY_WITH_TIMEOUT(server.queries().size() >= 4, 5000);
    QCOMPARE(server.queries().at(3), QStringLiteral("first3.com"));
    again.stop();
}

void TestSourceRow::startNumberIsCheckedWhenTypingEnds()
{
    testing::WhoisFixtureServer server;
    QVERIFY(server.listen());
    testing::PreparedFolder prepared(testing::loopbackTable(server.port()),
                                     {{QStringLiteral("mine.txt"), numberedNames("name", 600)}});
    Program p(prepared.folder);
    p.chooseCustomList(prepared.folder.file(QStringLiteral("mine.txt")));
    auto *start = p.find<QLineEdit>(QStringLiteral("txtWordNum"));
    start->setText(QStringLiteral("136"));
    start->clear();
    QTest::keyClicks(start, QStringLiteral("500"));
    QCOMPARE(p.startNumber(), QStringLiteral("500"));
    QTest::keyClick(start, Qt::Key_Return);
    QCOMPARE(p.startNumber(), QStringLiteral("500"));
    QVERIFY(p.fakes.messages.shown.isEmpty());
    p.start();
    QTRY_COMPARE_WITH_TIMEOUT(server.queries().value(0), QStringLiteral("name500.com"), 5000);
    p.stop();

    // Out of range or not a number: said plainly, and the field starts over at 1.
    for (const QString &typed : {QStringLiteral("601"), QStringLiteral("0"), QStringLiteral("5x")}) {
        p.fakes.messages.shown.clear();
        start->clear();
        QTest::keyClicks(start, typed);
        QTest::keyClick(start, Qt::Key_Return);
        QCOMPARE(p.fakes.messages.texts(),
                 QStringList{QStringLiteral("The start number must be a whole number from 1 to 600, the number of "
                                            "entries on the list.")});
        QCOMPARE(p.startNumber(), QStringLiteral("1"));
    }
}

void TestSourceRow::customListAsksForItsFileOnce_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("chosen in the open list") << QStringLiteral("list");
    QTest::newRow("moved to with a key, Return") << QStringLiteral("Return");
    QTest::newRow("moved to with a key, Start") << QStringLiteral("Start");
    QTest::newRow("Tools menu") << QStringLiteral("menu");
}

void TestSourceRow::customListAsksForItsFileOnce()
{
    QFETCH(QString, way);
    testing::PreparedFolder prepared(testing::loopbackTable(1), {{QStringLiteral("mine.txt"), numberedNames("n", 3)}});
    Program p(prepared.folder);
    p.sources()->setCurrentIndex(7);
    p.fakes.dialogs.nextOpen = prepared.folder.file(QStringLiteral("mine.txt"));
    // A real file dialog lets pending events run while it is open.
    p.fakes.dialogs.runsEventLoop = true;
    auto *listFile = p.find<QLabel>(QStringLiteral("lblListFile"));
    if (way == QLatin1String("list")) {
        p.sources()->showPopup();
        p.sources()->view()->setCurrentIndex(p.sources()->model()->index(8, 0));
        QTest::keyClick(p.sources()->view(), Qt::Key_Return);
    } else if (way == QLatin1String("menu")) {
        p.window->menuItem(QStringLiteral("mnuToolsItem_8"))->trigger();
    } else {
        QTest::keyClick(p.sources(), Qt::Key_Down);
        QCOMPARE(p.sources()->currentIndex(), 8);
        QVERIFY(p.fakes.dialogs.folders.isEmpty());
        QCOMPARE(listFile->text(), QStringLiteral("Press Return or Start to choose the file"));
        if (way == QLatin1String("Return"))
            QTest::keyClick(p.sources(), Qt::Key_Return);
        else
            p.start();
    }
    QCOMPARE(p.fakes.dialogs.folders.size(), 1);
    QCOMPARE(p.entryCount(), QStringLiteral("3"));
    QCOMPARE(listFile->text(), QStringLiteral("mine.txt"));
    QCOMPARE(listFile->toolTip(), QDir::toNativeSeparators(prepared.folder.file(QStringLiteral("mine.txt"))));
    // Start confirms the list and checks it at once.
    QCOMPARE(p.find<QPushButton>(QStringLiteral("Command3"))->isEnabled(), way == QLatin1String("Start"));
    p.stop();
}

void TestSourceRow::keysMoveWithoutOpeningAWindow()
{
    testing::PreparedFolder prepared(testing::loopbackTable(1));
    Program p(prepared.folder);
    p.sources()->setCurrentIndex(2);
    QTest::keyClick(p.sources(), Qt::Key_Up);
    QCOMPARE(p.sources()->currentIndex(), 1);
    QVERIFY(!p.window->generatorWindow());
    QTest::keyClick(p.sources(), Qt::Key_Return);
    QVERIFY2(p.window->generatorWindow(), "Return did not open the generator");
}

QTEST_MAIN(TestSourceRow)
#include "tst_sourcerow.moc"
