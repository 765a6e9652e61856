#include "HttpFixtureServer.h"
#include "StartedProgram.h"
#include "WhoisFixtureServer.h"
#include "app/AppContext.h"
#include "app/ui/MainWindow.h"
#include "platform/Intervals.h"
#include "results/DomainListModel.h"
#include "sources/SearchEngines.h"
#include "sources/ui/HarvesterWindow.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using testing::HttpAnswer;

namespace {

// The real main window over a test folder whose com and net rows point at the WHOIS fixture.
struct Program : testing::PreparedFolder, testing::StartedProgram {
    explicit Program(quint16 whoisPort) : PreparedFolder(testing::loopbackTable(whoisPort)), StartedProgram(folder)
    {
        fakes.messages.shown.clear();
    }
    // Chooses the engine, types the search and presses Search.
    sources::HarvesterWindow *search(int sourceIndex, const QString &text)
    {
        find<QComboBox>(QStringLiteral("Combo1"))->setCurrentIndex(sourceIndex);
        QTest::keyClicks(find<QLineEdit>(QStringLiteral("txtSearch")), text);
        QTest::mouseClick(find<QPushButton>(QStringLiteral("cmdCreate")), Qt::LeftButton);
        return window->harvesterWindow();
    }
};

QByteArray resultPage()
{
    return "<html><a href=\"https://www.alpha.com/x\">a</a> <a href=\"/url?q=https://shop.beta.net/y\">b</a>\n"
           "<a href=\"http://www.gamma.com/\">c</a> <a href=\"https://www.alpha.com/again\">a</a></html>\n";
}

} // namespace

class TestHarvesterWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void harvestIsHandedToARun();
    void harvestWithoutNamesStartsNoRun();
    void closingTheWindowStopsTheHarvest();
};

void TestHarvesterWindow::initTestCase()
{
    platform::intervals().secondMs = 10;
    platform::intervals().harvestStartTicks = 3;
    platform::intervals().harvestPagePauseMs = 5;
    sources::searchHosts().scheme = QStringLiteral("http");
}

void TestHarvesterWindow::harvestIsHandedToARun()
{
    testing::HttpFixtureServer web;
    QVERIFY(web.listen());
    sources::searchHosts().google = web.hostAndPort();
    web.setScript([](const testing::HttpRequest &request) {
        return HttpAnswer::page(request.target.contains("&start=0&") ? resultPage() : QByteArray("no results"));
    });
    testing::WhoisFixtureServer whois;
    QVERIFY(whois.listen());
    whois.setResponder([](const QString &query) {
        return query == QLatin1String("beta.net") ? testing::registeredAnswer(query) : testing::availableAnswer(query);
    });
    Program program(whois.port());
    QPointer<sources::HarvesterWindow> harvester = program.search(3, QStringLiteral("greek letters"));
    QVERIFY2(harvester, "the harvester window did not open");
    QCOMPARE(harvester->objectName(), QStringLiteral("Form3"));
    QCOMPARE(harvester->windowTitle(), QStringLiteral("List Builder - Finding domain names..."));
    QVERIFY(harvester->isVisible());
    QVERIFY(harvester->findChild<QLineEdit *>(QStringLiteral("Text1")));
    QVERIFY(harvester->findChild<QLabel *>(QStringLiteral("Label1")));

    QTRY_COMPARE_WITH_TIMEOUT(program.fakes.messages.texts(),
                              QStringList{QStringLiteral("List of 3 unique domains was created successfully!")}, 10000);
    QCOMPARE(web.requests().size(), 2);
    QCOMPARE(program.folder.read(QStringLiteral("BrowserSearch.txt")),
             QByteArray("alpha.com\r\nbeta.net\r\ngamma.com\r\n\r\n"));
    QCOMPARE(program.folder.read(QStringLiteral("searches/Google greek letters.txt")),
             program.folder.read(QStringLiteral("BrowserSearch.txt")));
    QCOMPARE(program.find<QLineEdit>(QStringLiteral("txtWordMax"))->text(), QStringLiteral("3"));
    QCOMPARE(program.find<QLineEdit>(QStringLiteral("txtWordNum"))->text(), QStringLiteral("1"));
    QTRY_VERIFY(harvester.isNull());

    QTRY_COMPARE_WITH_TIMEOUT(whois.queries().size(), 3, 10000);
    QCOMPARE(whois.queries(),
             QStringList({QStringLiteral("alpha.com"), QStringLiteral("beta.net"), QStringLiteral("gamma.com")}));
    QTRY_COMPARE_WITH_TIMEOUT(program.window->listModel(2)->entries(), QStringList{QStringLiteral("beta.net")}, 5000);
    QCOMPARE(program.window->listModel(3)->entries(), QStringList());
    QTest::mouseClick(program.find<QPushButton>(QStringLiteral("Command3")), Qt::LeftButton);
}

void TestHarvesterWindow::harvestWithoutNamesStartsNoRun()
{
    testing::HttpFixtureServer web;
    QVERIFY(web.listen());
    sources::searchHosts().google = web.hostAndPort();
    web.setScript([](const testing::HttpRequest &) { return HttpAnswer::page("<html>No results</html>"); });
    testing::WhoisFixtureServer whois;
    QVERIFY(whois.listen());
    Program program(whois.port());
    program.folder.write(QStringLiteral("BrowserSearch.txt"), "earlier.com\r\n\r\n");
    QPointer<sources::HarvesterWindow> harvester = program.search(3, QStringLiteral("nothing"));
    QTRY_COMPARE_WITH_TIMEOUT(program.fakes.messages.texts(), QStringList{QStringLiteral("No domain names found.")},
                              10000);
    QTRY_VERIFY(harvester.isNull());
    QVERIFY(!program.find<QPushButton>(QStringLiteral("Command3"))->isEnabled());
    QVERIFY(program.find<QComboBox>(QStringLiteral("Combo1"))->isEnabled());
    QCOMPARE(program.folder.read(QStringLiteral("BrowserSearch.txt")), QByteArray("earlier.com\r\n\r\n"));
    QCOMPARE(whois.connections(), 0);
}

void TestHarvesterWindow::closingTheWindowStopsTheHarvest()
{
    testing::HttpFixtureServer web;
    QVERIFY(web.listen());
    sources::searchHosts().yahoo = web.hostAndPort();
    web.setScript([](const testing::HttpRequest &) { return HttpAnswer::stall(resultPage()); });
    testing::WhoisFixtureServer whois;
    QVERIFY(whois.listen());
    Program program(whois.port());
    program.folder.write(QStringLiteral("BrowserSearch.txt"), "earlier.com\r\n\r\n");
    QPointer<sources::HarvesterWindow> first = program.search(2, QStringLiteral("first"));
    QVERIFY(first);
    QTRY_COMPARE_WITH_TIMEOUT(web.requests().size(), 1, 10000);

    // A second search replaces the harvest under way.
    QTest::mouseClick(program.find<QPushButton>(QStringLiteral("cmdCreate")), Qt::LeftButton);
    QPointer<sources::HarvesterWindow> second = program.window->harvesterWindow();
    QVERIFY(second && second != first);
    QTRY_VERIFY(first.isNull());
    QTRY_COMPARE_WITH_TIMEOUT(web.requests().size(), 2, 10000);
    second->close();
    QTRY_VERIFY(second.isNull());

    QTest::qWait(100); // late download or timer events would show by now
    QCOMPARE(web.requests().size(), 2);
    QVERIFY(program.fakes.messages.texts().isEmpty());
    QCOMPARE(program.folder.read(QStringLiteral("BrowserSearch.txt")), QByteArray("earlier.com\r\n\r\n"));
    QVERIFY(QDir(program.folder.file(QStringLiteral("searches"))).entryList(QDir::Files).isEmpty());
    QCOMPARE(whois.connections(), 0);
    QVERIFY(!program.find<QPushButton>(QStringLiteral("Command3"))->isEnabled());
    QVERIFY(program.find<QComboBox>(QStringLiteral("Combo1"))->isEnabled());
}

QTEST_MAIN(TestHarvesterWindow)
#include "tst_harvesterwindow.moc"
