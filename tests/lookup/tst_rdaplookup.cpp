#include "HttpFixtureServer.h"
#include "lookup/HttpExchange.h"
#include "lookup/RdapLookup.h"

#include <QSignalSpy>
#include <QtTest>

using namespace lookup;
using testing::HttpAnswer;
using testing::HttpFixtureServer;
using Kind = QueryOutcome::Kind;

namespace {

constexpr qint64 fiftyMiB = 50 * 1024 * 1024;

tld::TldRecord rdapRow(const QString &base)
{
    return {QStringLiteral("com"), base, 443, true, 0, QString()};
}

// Every answer of the outcome table, by name.
HttpAnswer answerFor(const QString &name, const testing::HttpRequest &request)
{
    const QString domain = QString::fromLatin1(request.target.split('/').constLast());
    HttpAnswer answer = HttpAnswer::rdap(200, testing::rdapDomainRecord(domain));
    if (name == QLatin1String("404")) {
        answer = HttpAnswer::rdap(404, "<html>no such page</html>");
    } else if (name == QLatin1String("404 of 50 MiB")) {
        answer = HttpAnswer::rdap(404, {});
        answer.bulkBytes = fiftyMiB;
    } else if (name == QLatin1String("302")) {
        if (request.target.startsWith("/old/"))
            return HttpAnswer::redirect("/rdap/domain/" + domain.toLatin1());
        answer = HttpAnswer::rdap(404, {});
    } else if (name == QLatin1String("302 to plain http elsewhere")) {
        return HttpAnswer::redirect("http://192.0.2.1/rdap/domain/" + domain.toLatin1());
    } else if (name == QLatin1String("429")) {
        answer = HttpAnswer::rdap(429, R"({"errorCode":429,"title":"Too many requests"})");
        answer.headers = {{"Retry-After", "30"}};
    } else if (name.endsWith(QLatin1String(" with Retry-After"))) {
        answer = HttpAnswer::rdap(name.left(3).toInt(), R"({"errorCode":403})");
        answer.headers = {{"Retry-After", "30"}};
    } else if (const int status = name.toInt(); status >= 400) {
        answer = HttpAnswer::rdap(status, "{\"errorCode\":" + name.toLatin1() + '}');
    } else if (name == QLatin1String("another name")) {
        answer = HttpAnswer::rdap(200, testing::rdapDomainRecord(QStringLiteral("other.com")));
    } else if (name == QLatin1String("junk")) {
        answer = HttpAnswer::rdap(200, "<html><body>Welcome to our registry</body></html>");
    } else if (name == QLatin1String("error object")) {
        answer = HttpAnswer::rdap(200, R"({"errorCode":404,"title":"Not Found"})");
    } else if (name == QLatin1String("empty")) {
        answer = HttpAnswer::rdap(200, {});
    } else if (name == QLatin1String("reset")) {
        return HttpAnswer::reset();
    } else if (name == QLatin1String("50 MiB")) {
        answer.body.clear();
        answer.bulkBytes = fiftyMiB;
    } else if (name == QLatin1String("50 MiB, length unannounced")) {
        answer.body.clear();
        answer.bulkBytes = fiftyMiB;
        answer.lengthAnnounced = false;
    } else if (name == QLatin1String("silence")) {
        return HttpAnswer::silence();
    }
    return answer;
}

QueryOutcome ask(RegistryLookup &lookup, const LookupRequest &request)
{
    QSignalSpy finished(&lookup, &RegistryLookup::finished);
    lookup.start(request);
    if (!finished.wait(10000))
        return {Kind::NoServer};
    return finished.constFirst().constFirst().value<QueryOutcome>();
}

} // namespace

class TestRdapLookup : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void outcomes_data();
    void outcomes();
    void redirectsEndAfterFive_data();
    void redirectsEndAfterFive();
    void plainHttpOnlyOnThisComputer_data();
    void plainHttpOnlyOnThisComputer();
    void oneConnectionServesNameAfterName();
    void retryAfterValues_data();
    void retryAfterValues();
    void addresses_data();
    void addresses();
};

void TestRdapLookup::initTestCase()
{
    qRegisterMetaType<QueryOutcome>();
}

void TestRdapLookup::outcomes_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("retryAfter");
    QTest::addColumn<QString>("cause");
    const auto row = [](const char *name, Kind kind, int status, int retryAfter = -1, const char *cause = "") {
        QTest::newRow(name) << int(kind) << status << retryAfter << QString::fromLatin1(cause);
    };
    row("404", Kind::Available, 404);
    row("404 of 50 MiB", Kind::Available, 404);
    row("200", Kind::Registered, 200);
    row("302", Kind::Available, 404);
    row("302 to plain http elsewhere", Kind::Unknown, 302, -1, "redirect to plain http refused: from http://127.0.0.1");
    row("429", Kind::Refused, 429, 30);
    // Only rate signals are refusals; a gone name (410) is no free one.
    row("403 with Retry-After", Kind::Refused, 403, 30);
    row("503", Kind::Refused, 503);
    for (const int status : {400, 403, 405, 410, 422, 451, 500, 501})
        QTest::addRow("%d", status) << int(Kind::Unknown) << status << -1 << QStringLiteral("HTTP %1").arg(status);
    row("another name", Kind::Unknown, 200, -1, "the answer describes another name (OTHER.COM)");
    row("junk", Kind::Unknown, 200, -1, "the answer is not RDAP (not a JSON object)");
    row("error object", Kind::Unknown, 200, -1, "the answer is not an RDAP domain object");
    row("empty", Kind::Unknown, 200, -1, "empty answer");
    row("reset", Kind::Unknown, 0, -1, "connection reset");
    row("50 MiB", Kind::Unknown, 200, -1, "answer larger than 4 MiB");
    row("50 MiB, length unannounced", Kind::Unknown, 200, -1, "answer larger than 4 MiB");
    row("silence", Kind::TimedOut, 0, -1, "no answer in time");
}

void TestRdapLookup::outcomes()
{
    QFETCH(int, kind);
    QFETCH(int, status);
    QFETCH(int, retryAfter);
    QFETCH(QString, cause);
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    HttpFixtureServer server;
    QVERIFY(server.listen());
    server.setScript([&name](const testing::HttpRequest &request) { return answerFor(name, request); });
    RdapLookup query;
    const QString base =
        server.address(name == QLatin1String("302") ? QStringLiteral("/old/") : QStringLiteral("/rdap/"));
    const QueryOutcome outcome = ask(query, {QStringLiteral("example.com"), rdapRow(base), 1500});
    QCOMPARE(int(outcome.kind), kind);
    QCOMPARE(outcome.httpStatus, status);
    QCOMPARE(outcome.retryAfterSeconds, retryAfter);
    QVERIFY2(cause.isEmpty() ? outcome.cause.isEmpty() : outcome.cause.startsWith(cause), qPrintable(outcome.cause));
    QCOMPARE(outcome.unreachable, false);
    QCOMPARE(outcome.server, base);
    QVERIFY(outcome.answer.size() <= rdapAnswerLimit);
    QVERIFY(!server.requests().isEmpty());
    QCOMPARE(server.requests().constLast().target, QByteArray("/rdap/domain/example.com"));
}

void TestRdapLookup::redirectsEndAfterFive_data()
{
    QTest::addColumn<int>("hops");
    QTest::addColumn<int>("kind");
    QTest::newRow("five") << 5 << int(Kind::Available);
    QTest::newRow("six") << 6 << int(Kind::Unknown);
}

void TestRdapLookup::redirectsEndAfterFive()
{
    QFETCH(int, hops);
    QFETCH(int, kind);
    HttpFixtureServer server;
    QVERIFY(server.listen());
    // /hop/N/domain/x sends the client on to /hop/N-1/domain/x; hop 0 answers.
    server.setScript([](const testing::HttpRequest &request) {
        const int hop = request.target.split('/').value(2).toInt();
        if (hop == 0)
            return HttpAnswer::rdap(404, {});
        return HttpAnswer::redirect("/hop/" + QByteArray::number(hop - 1) + "/domain/example.com");
    });
    RdapLookup query;
    const QueryOutcome outcome = ask(
        query, {QStringLiteral("example.com"), rdapRow(server.address(QStringLiteral("/hop/%1/").arg(hops))), 5000});
    QCOMPARE(int(outcome.kind), kind);
    QCOMPARE(server.requests().size(), std::min(hops, 5) + 1);
    if (kind == int(Kind::Unknown))
        QCOMPARE(outcome.cause, QStringLiteral("more than 5 redirects"));
}

void TestRdapLookup::plainHttpOnlyOnThisComputer_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<bool>("allowed");
    QTest::newRow("https to https") << "https://rdap.example/"
                                    << "https://rdap2.example/" << true;
    QTest::newRow("https to http") << "https://rdap.example/"
                                   << "http://rdap.example/" << false;
    QTest::newRow("https to http on this computer") << "https://rdap.example/"
                                                    << "http://127.0.0.1/" << false;
    QTest::newRow("loopback http to http") << "http://127.0.0.1:8/"
                                           << "http://localhost:9/" << true;
    QTest::newRow("loopback http to another host") << "http://127.0.0.1:8/"
                                                   << "http://192.0.2.1/" << false;
    QTest::newRow("loopback http to https") << "http://127.0.0.1:8/"
                                            << "https://rdap.example/" << true;
}

void TestRdapLookup::plainHttpOnlyOnThisComputer()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(bool, allowed);
    QCOMPARE(HttpExchange::redirectAllowed(QUrl(from), QUrl(to)), allowed);
    // A base of plain http elsewhere is never asked; the refusal comes as an outcome, after start returns.
    if (to.startsWith(QLatin1String("http://")) && !allowed && !from.startsWith(QLatin1String("https"))) {
        RdapLookup query;
        const QueryOutcome outcome = ask(query, {QStringLiteral("example.com"), rdapRow(to), 1000});
        QCOMPARE(outcome.kind, Kind::Unknown);
        QVERIFY(outcome.cause.contains(QLatin1String("https://")));
    }
}

void TestRdapLookup::oneConnectionServesNameAfterName()
{
    HttpFixtureServer server;
    QVERIFY(server.listen());
    server.setScript([](const testing::HttpRequest &) { return HttpAnswer::rdap(404, "{}"); });
    RdapLookup query;
    // A base without its closing slash is completed.
    const tld::TldRecord row = rdapRow(server.address(QStringLiteral("/rdap")));
    for (const char *name : {"one.com", "two.com", "three.com"})
        QCOMPARE(ask(query, {QLatin1String(name), row, 2000}).kind, Kind::Available);
    QCOMPARE(server.targets(),
             (QList<QByteArray>{"/rdap/domain/one.com", "/rdap/domain/two.com", "/rdap/domain/three.com"}));
    QCOMPARE(server.connections(), 1);
    QCOMPARE(server.requests().constFirst().headers.value("accept"),
             QByteArray("application/rdap+json, application/json;q=0.9"));
}

void TestRdapLookup::retryAfterValues_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("seconds");
    QTest::newRow("seconds") << QByteArray("120") << 120;
    QTest::newRow("blanks around") << QByteArray(" 7 ") << 7;
    QTest::newRow("longer than the longest rest") << QByteArray("86400") << longestRetryAfter;
    QTest::newRow("negative") << QByteArray("-3") << -1;
    QTest::newRow("date") << QByteArray("Wed, 01 Jan 2025 12:01:30 GMT") << 90;
    QTest::newRow("date gone by") << QByteArray("Wed, 01 Jan 2025 11:00:00 GMT") << 0;
    QTest::newRow("words") << QByteArray("soon") << -1;
    QTest::newRow("absent") << QByteArray() << -1;
}

void TestRdapLookup::retryAfterValues()
{
    QFETCH(QByteArray, value);
    QFETCH(int, seconds);
    const QDateTime now(QDate(2025, 1, 1), QTime(12, 0), Qt::UTC);
    QCOMPARE(retryAfterSeconds(value, now), seconds);
}

void TestRdapLookup::addresses_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("domain");
    QTest::addColumn<QString>("address");
    QTest::newRow("plain") << "https://rdap.verisign.com/com/v1/"
                           << "Example.com"
                           << "https://rdap.verisign.com/com/v1/domain/example.com";
    QTest::newRow("IDN in ASCII") << "https://rdap.example/" << QStringLiteral("bücher.de")
                                  << "https://rdap.example/domain/xn--bcher-kva.de";
    QTest::newRow("a path in the name") << "https://rdap.example/"
                                        << "a/../b.com"
                                        << "";
}

void TestRdapLookup::addresses()
{
    QFETCH(QString, base);
    QFETCH(QString, domain);
    QFETCH(QString, address);
    QCOMPARE(rdapDomainUrl(base, domain).toString(), address);
}

QTEST_GUILESS_MAIN(TestRdapLookup)
#include "tst_rdaplookup.moc"
