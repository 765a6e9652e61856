#include "StartedProgram.h"
#include "WhoisFixtureServer.h"
#include "app/AppContext.h"
#include "app/ui/MainWindow.h"
#include "browse/BrowseChecker.h"
#include "browse/ui/BrowseWindow.h"
#include "engine/ui/ServerProblemsWindow.h"
#include "platform/Intervals.h"
#include "results/DomainListModel.h"
#include "results/ResultClasses.h"
#include "results/ui/ResultListView.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSqlQuery>
#include <QTcpServer>
#include <QTcpSocket>
#include <QWebEngineView>
#include <QtTest>

using namespace app;

namespace {

// Serves fixed pages over HTTP/1.0 on 127.0.0.1.
class PageServer : public QObject {
public:
    QHash<QByteArray, QByteArray> pages;
    QSet<QByteArray> missing; ///< answered "404 Not Found", with a page all the same
    QList<QByteArray> requested;

    bool listen()
    {
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    const QByteArray request = socket->readAll();
                    const QByteArray path = request.split(' ').value(1);
                    requested.append(path);
                    const QByteArray body = pages.value(path, QByteArray("<html><body>missing</body></html>"));
                    const QByteArray status = missing.contains(path) ? "404 Not Found" : "200 OK";
                    socket->write("HTTP/1.0 " + status + "\r\nContent-Type: text/html\r\nContent-Length: " +
                                  QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
                    socket->disconnectFromHost();
                });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
        return m_server.listen(QHostAddress::LocalHost, 0);
    }
    QString url(const char *path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(QLatin1String(path));
    }
    quint16 port() const { return m_server.serverPort(); }

private:
    QTcpServer m_server;
};

} // namespace

class TestBrowseWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void pageAndFrameNamesAreQueuedCheckedAndListed();
    void onlyPagesLoadedAsAskedAreScanned();
    void closingTheWindowWhileAServerRestsLeavesNothingBehind();
};

void TestBrowseWindow::initTestCase()
{
    platform::intervals().secondMs = 50;
}

void TestBrowseWindow::pageAndFrameNamesAreQueuedCheckedAndListed()
{
    testing::WhoisFixtureServer whois;
    QVERIFY(whois.listen());
    whois.setResponder([](const QString &query) {
        return query.startsWith(QLatin1String("taken")) ? testing::registeredAnswer(query)
                                                        : testing::availableAnswer(query);
    });
    PageServer web;
    QVERIFY(web.listen());
    const QByteArray frameAddress = "http://127.0.0.1:" + QByteArray::number(web.port()) + "/frame.html";
    web.pages.insert("/", "<html><body><p>Names: <a href=\"http://www.alphaname.com/x\">alpha</a> and "
                          "takenname.net for sale.</p></body></html>");
    web.pages.insert("/frames.html",
                     "<html><frameset cols=\"100%\"><frame src=\"" + frameAddress + "\"></frameset></html>");
    web.pages.insert("/frame.html", "<html><body><p>framedname.com</p></body></html>");

    // The last harvest stays where it is: the window queues in a file of its own.
    const QByteArray harvest("harvested.com\r\n\r\n");
    testing::PreparedFolder prepared(testing::loopbackTable(whois.port()),
                                     {{QStringLiteral("BrowserSearch.txt"), harvest}});
    const testing::TestFolder &folder = prepared.folder;
    testing::StartedProgram program(folder);
    MainWindow &window = *program.window;
    window.setBrowseHome(web.url("/"));
    window.findChild<QComboBox *>(QStringLiteral("Combo1"))->setCurrentIndex(0);
    QVERIFY2(window.browseWindow(), "the browse window did not open");
    browse::BrowseWindow *browser = window.browseWindow();
    QCOMPARE(browser->objectName(), QStringLiteral("Form5"));

    QTRY_COMPARE_WITH_TIMEOUT(browser->unregisteredList()->count(), 1, 60000);
    QTRY_COMPARE_WITH_TIMEOUT(browser->registeredList()->count(), 1, 20000);
    QCOMPARE(browser->unregisteredList()->entries(), QStringList{QStringLiteral("alphaname.com")});
    QCOMPARE(browser->registeredList()->entries(), QStringList{QStringLiteral("takenname.net")});
    // A frameset page: its frame is loaded into the second browser and scanned too.
    browser->navigate(web.url("/frames.html"));
    QTRY_VERIFY_WITH_TIMEOUT(whois.queries().contains(QStringLiteral("framedname.com")), 20000);
    QTRY_COMPARE_WITH_TIMEOUT(browser->unregisteredList()->count(), 2, 20000);
    // The results also reach the main window's classes.
    QCOMPARE(window.resultClasses()->list(results::LowList)->entries(),
             (QStringList{QStringLiteral("alphaname.com"), QStringLiteral("framedname.com")}));
    QCOMPARE(window.resultClasses()->list(results::RegisteredList)->entries(),
             QStringList{QStringLiteral("takenname.net")});
    // And the history, as checks of the browse window.
    program.context->history.waitForWrites();
    QSqlQuery recorded(program.context->history.database());
    QVERIFY(recorded.exec(QStringLiteral("SELECT d.domain FROM checks c JOIN domains d ON d.id = c.domain JOIN runs r "
                                         "ON r.id = c.run WHERE r.runner = 2 ORDER BY d.domain")));
    QStringList browsed;
    while (recorded.next())
        browsed << recorded.value(0).toString();
    QCOMPARE(browsed, (QStringList{QStringLiteral("alphaname.com"), QStringLiteral("framedname.com"),
                                   QStringLiteral("takenname.net")}));
    QCOMPARE(browser->findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("Unregistered: (2)"));
    QCOMPARE(browser->findChild<QLabel *>(QStringLiteral("Label2"))->text(), QStringLiteral("Registered: (1)"));
    auto *progress = browser->findChild<QProgressBar *>(QStringLiteral("progressRun"));
    QVERIFY2(progress && progress->isVisible(), "the browse window shows no progress");
    QTRY_COMPARE(progress->value(), progress->maximum());
    QCOMPARE(progress->maximum(), 3); // the entries the first page queued
    QCOMPARE(folder.read(QStringLiteral("BrowserSearch.txt")), harvest);

    // Its lists offer the same context menu as the main window's.
    auto *registered = browser->findChild<results::ResultListView *>(QStringLiteral("List2"));
    const QPoint at = registered->visualRect(registered->model()->index(0, 0)).center();
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, at, registered->viewport()->mapToGlobal(at));
    QApplication::sendEvent(registered->viewport(), &menuEvent);
    auto *menu = registered->findChild<QMenu *>(QStringLiteral("mnuEntry"));
    QVERIFY2(menu, "List2 of the browse window offers no context menu");
    menu->findChild<QAction *>(QStringLiteral("mnuBuy"))->trigger();
    delete menu;
    QCOMPARE(
        program.fakes.shell.openedUrls,
        QStringList{QStringLiteral("https://www.namecheap.com/domains/registration/results/?domain=takenname.net")});

    // Clear empties the window's own lists; the main window's lists and captions keep their counts.
    for (int number : {1, 2})
        browser->findChild<QPushButton *>(QStringLiteral("cmdClear_") + QString::number(number))->click();
    QCOMPARE(browser->registeredList()->count(), 0);
    QCOMPARE(browser->unregisteredList()->count(), 0);
    QCOMPARE(browser->findChild<QLabel *>(QStringLiteral("Label2"))->text(), QStringLiteral("Registered"));
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("Low Profile (2)"));
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("Label2"))->text(), QStringLiteral("Registered (1)"));
    QCOMPARE(window.resultClasses()->counter(results::RegisteredList), 1);
    QCOMPARE(window.resultClasses()->counter(results::LowList), 2);
    browser->close();
    QVERIFY(!QFile::exists(folder.file(QStringLiteral("BrowseQueue.txt"))));
    QCOMPARE(folder.read(QStringLiteral("BrowserSearch.txt")), harvest);
}

void TestBrowseWindow::onlyPagesLoadedAsAskedAreScanned()
{
    testing::WhoisFixtureServer whois;
    QVERIFY(whois.listen());
    whois.setResponder([](const QString &query) { return testing::availableAnswer(query); });
    PageServer web;
    QVERIFY(web.listen());
    web.missing.insert("/gone.html");
    web.pages.insert("/gone.html", "<html><body><p>notfoundname.com</p></body></html>");
    QFile fixture(QFINDTESTDATA("pages/every-form.html"));
    QVERIFY(fixture.open(QIODevice::ReadOnly));
    web.pages.insert("/every-form.html", fixture.readAll());
    // Nothing listens here: the browser shows its own page for a connection that failed.
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
    const QString offline = QStringLiteral("http://127.0.0.1:%1/www.offlinename.com").arg(closed.serverPort());
    closed.close();

    const QByteArray port = QByteArray::number(whois.port());
    testing::PreparedFolder prepared(testing::loopbackTable(whois.port()) + "uk|127.0.0.1|" + port +
                                     "|Enabled|0|No match\r\n");
    testing::StartedProgram program(prepared.folder);
    MainWindow &window = *program.window;
    window.setBrowseHome(offline);
    window.findChild<QComboBox *>(QStringLiteral("Combo1"))->setCurrentIndex(0);
    browse::BrowseWindow *browser = window.browseWindow();
    QVERIFY2(browser, "the browse window did not open");
    auto *view = browser->findChild<QWebEngineView *>(QStringLiteral("WebBrowser1"));
    QSignalSpy loads(view, &QWebEngineView::loadFinished);
    QVERIFY(loads.wait(60000));
    browser->navigate(web.url("/gone.html"));
    QTRY_COMPARE_WITH_TIMEOUT(loads.size(), 2, 20000);
    browser->navigate(web.url("/every-form.html"));

    // Scans run in the order the pages loaded: once the last page's names are asked, the pages before
    // would have given theirs.
    const QStringList expected = {
        QStringLiteral("alpha.com"),     QStringLiteral("bravo.com"),    QStringLiteral("charlie.com"),
        QStringLiteral("delta.com"),     QStringLiteral("echo.com"),     QStringLiteral("foxtrot.com"),
        QStringLiteral("golf.com"),      QStringLiteral("hotel.com"),    QStringLiteral("india.com"),
        QStringLiteral("juliet.com"),    QStringLiteral("kilo.com"),     QStringLiteral("lima.com"),
        QStringLiteral("mike.com"),      QStringLiteral("november.com"), QStringLiteral("one.net"),
        QStringLiteral("oscar.com"),     QStringLiteral("papa.com"),     QStringLiteral("quebec.com"),
        QStringLiteral("romeo.com"),     QStringLiteral("sierra.com"),   QStringLiteral("tango.com"),
        QStringLiteral("uniform.co.uk"), QStringLiteral("victor.co.uk"), QStringLiteral("whiskey.com"),
        QStringLiteral("xray.com"),      QStringLiteral("yankee.com"),   QStringLiteral("zulu.com")};
    QTRY_COMPARE_WITH_TIMEOUT(whois.queries().size(), int(expected.size()), 60000);
    QStringList asked = whois.queries();
    asked.sort();
    QCOMPARE(asked, expected);
    QCOMPARE(browser->checker().foundTotal(), int(expected.size()));
}

void TestBrowseWindow::closingTheWindowWhileAServerRestsLeavesNothingBehind()
{
    testing::WhoisFixtureServer whois;
    QVERIFY(whois.listen());
    whois.setAnswer(testing::quotaAnswer());
    PageServer web;
    QVERIFY(web.listen());
    web.pages.insert("/", "<html><body><p>busyname.com and othername.com</p></body></html>");
    testing::PreparedFolder prepared(testing::loopbackTable(whois.port()));
    testing::StartedProgram program(prepared.folder);
    MainWindow &window = *program.window;
    window.setBrowseHome(web.url("/"));
    platform::intervals().restUnitMs = 500;
    window.findChild<QComboBox *>(QStringLiteral("Combo1"))->setCurrentIndex(0);
    QPointer<browse::BrowseWindow> browser = window.browseWindow();
    QVERIFY2(browser, "the browse window did not open");
    // The server refused busyname.com: it rests, and the window is closed in the rest.
    QTRY_COMPARE_WITH_TIMEOUT(window.serverProblems()->state(QStringLiteral("127.0.0.1:%1").arg(whois.port())).phase,
                              engine::ServerState::Phase::Resting, 60000);
    browser->close();
    QTRY_VERIFY_WITH_TIMEOUT(browser.isNull(), 5000);
    const qsizetype asked = whois.queries().size();
    QTest::qWait(4 * platform::intervals().restUnitMs);
    QCOMPARE(whois.queries().size(), asked);
}

int main(int argc, char **argv)
{
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", QByteArrayLiteral("1"));
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS",
            QByteArrayLiteral("--disable-gpu --no-sandbox --disable-background-networking --disable-component-update "
                              "--disable-sync --no-first-run"));
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestBrowseWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_browsewindow.moc"
