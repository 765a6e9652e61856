#include "tld/NameCleaning.h"
#include "tld/Routing.h"
#include "tld/TldRegistry.h"

#include <QtTest>

using namespace tld;

namespace {

TldRecord row(const QString &extension, bool enabled = false)
{
    TldRecord record;
    record.extension = extension;
    record.server = QStringLiteral("whois.") + extension;
    record.enabled = enabled;
    return record;
}

// Rows given as "ext" (disabled) or "+ext" (enabled), in order.
TldTable table(const QStringList &rows)
{
    TldTable result;
    for (const QString &text : rows)
        result.append(text.startsWith(QLatin1Char('+')) ? row(text.mid(1), true) : row(text));
    return result;
}

} // namespace

class TestRouting : public QObject {
    Q_OBJECT
private slots:
    void findTldIndex_data();
    void findTldIndex();
    void controlCharactersNeverReachAQuery_data();
    void controlCharactersNeverReachAQuery();
    void queryIsTheDomainAndOneLineEnd();
    void enabledTldScan_data();
    void enabledTldScan();
    void endOfEnabledTldOnLongTexts();
    void registryRebuildsTheMatcherOnEveryLoad();
};

void TestRouting::findTldIndex_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("domain");
    QTest::addColumn<bool>("useProxy");
    QTest::addColumn<int>("expected");

    const QStringList common = {QStringLiteral("+com"), QStringLiteral("de"),    QStringLiteral("+net"),
                                QStringLiteral("uk"),   QStringLiteral("co.uk"), QStringLiteral("proxy")};
    QTest::newRow("own row, any case") << common << QStringLiteral("Example.COM") << false << 0;
    QTest::newRow("disabled row still serves") << common << QStringLiteral("example.de") << false << 1;
    QTest::newRow("own row past row 0, any case") << common << QStringLiteral("EXAMPLE.De") << false << 1;
    // Another registry's "no match" would call the name free: a name without its own row goes nowhere.
    QTest::newRow("two labels, no row") << common << QStringLiteral("example.xyz") << false << -1;
    QTest::newRow("no dot") << common << QStringLiteral("example") << false << -1;
    QTest::newRow("three labels, no row") << common << QStringLiteral("shop.example.xyz") << false << -1;
    QTest::newRow("uk before co.uk in the scan") << common << QStringLiteral("a.co.uk") << false << 3;
    QTest::newRow("uk row wins wherever it stands")
        << QStringList{QStringLiteral("co.uk"), QStringLiteral("uk")} << QStringLiteral("a.co.uk") << false << 1;
    QTest::newRow("only co.uk") << QStringList{QStringLiteral("com"), QStringLiteral("co.uk")}
                                << QStringLiteral("shop.a.CO.UK") << false << 1;
    QTest::newRow("first of doubled rows")
        << QStringList{QStringLiteral("here"), QStringLiteral("here")} << QStringLiteral("x.here") << false << 0;
    const QStringList twoComRows = {QStringLiteral("com"), QStringLiteral("de"), QStringLiteral("com")};
    QTest::newRow("match: first com row") << twoComRows << QStringLiteral("example.com") << false << 0;
    QTest::newRow("no row, no com row") << QStringList{QStringLiteral("de"), QStringLiteral("net")}
                                        << QStringLiteral("example.xyz") << false << -1;
    // International names are routed by their ASCII form, or by a row written in their own letters.
    QTest::newRow("international name") << common << QStringLiteral("bücher.de") << false << 1;
    QTest::newRow("international extension")
        << QStringList{QStringLiteral("xn--p1ai")} << QStringLiteral("пример.рф") << false << 0;
    QTest::newRow("extension in its own letters")
        << QStringList{QStringLiteral("рф")} << QStringLiteral("пример.рф") << false << 0;
    QTest::newRow("empty table") << QStringList{} << QStringLiteral("example.com") << false << -1;

    QTest::newRow("proxy row takes everything") << common << QStringLiteral("shop.example.de") << true << 5;
    QTest::newRow("proxy row, name without dot") << common << QStringLiteral("example") << true << 5;
    // Without a proxy row the domain's own labels decide.
    const QStringList noProxy = {QStringLiteral("com"), QStringLiteral("de"), QStringLiteral("co.uk")};
    QTest::newRow("no proxy row, own row") << noProxy << QStringLiteral("example.de") << true << 1;
    QTest::newRow("no proxy row, three labels") << noProxy << QStringLiteral("a.b.co.uk") << true << 2;
    QTest::newRow("no proxy row, last label") << noProxy << QStringLiteral("a.b.de") << true << 1;
    QTest::newRow("no proxy row, no match") << noProxy << QStringLiteral("a.b.xyz") << true << -1;
}

void TestRouting::findTldIndex()
{
    QFETCH(QStringList, rows);
    QFETCH(QString, domain);
    QFETCH(bool, useProxy);
    QFETCH(int, expected);
    QCOMPARE(tld::findTldIndex(table(rows), domain, useProxy), expected);
}

void TestRouting::controlCharactersNeverReachAQuery_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("escaped CR LF") << tld::urlUnescape(QStringLiteral("a.com%0D%0Awhois -h x"));
    QTest::newRow("escaped LF") << tld::urlUnescape(QStringLiteral("a%0a.com"));
    QTest::newRow("NUL") << QStringLiteral("a") + QChar(0) + QStringLiteral(".com");
    QTest::newRow("tab") << QStringLiteral("a\t.com");
    QTest::newRow("DEL") << QStringLiteral("a\x7f.com");
    QTest::newRow("next line U+0085") << QStringLiteral("a") + QChar(0x85) + QStringLiteral(".com");
    QTest::newRow("line separator") << QStringLiteral("a") + QChar(0x2028) + QStringLiteral(".com");
}

void TestRouting::controlCharactersNeverReachAQuery()
{
    QFETCH(QString, name);
    const TldTable rows = table({QStringLiteral("+com"), QStringLiteral("proxy")});
    QVERIFY(!isSafeQueryName(name));
    QCOMPARE(tld::findTldIndex(rows, name, false), -1);
    QCOMPARE(tld::findTldIndex(rows, name, true), -1);
    QVERIFY(isSafeQueryName(QStringLiteral("bücher-ä.com")));
}

void TestRouting::queryIsTheDomainAndOneLineEnd()
{
    QCOMPARE(queryText(QStringLiteral("example.com")), QByteArray("example.com\r\n"));
    // Registries know international names in their ASCII form only.
    QCOMPARE(queryText(QStringLiteral("bücher.de")), QByteArray("xn--bcher-kva.de\r\n"));
    QCOMPARE(queryText(QStringLiteral("BÜCHER.de")), QByteArray("xn--bcher-kva.de\r\n"));
}

void TestRouting::enabledTldScan_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("text");
    QTest::addColumn<qsizetype>("end");
    QTest::addColumn<bool>("endsWith"); // the text ends in an enabled extension

    const QStringList comOnly = {QStringLiteral("+com"), QStringLiteral("de")};
    QTest::newRow("slash after the domain")
        << comOnly << QStringLiteral("shop.example.com/page") << qsizetype(17) << false;
    QTest::newRow("any case") << comOnly << QStringLiteral("SHOP.EXAMPLE.COM") << qsizetype(17) << true;
    QTest::newRow("plain substring") << comOnly << QStringLiteral("example.community") << qsizetype(12) << false;
    QTest::newRow("disabled row ignored") << comOnly << QStringLiteral("example.de") << qsizetype(0) << false;
    QTest::newRow("no dot") << comOnly << QStringLiteral("com com") << qsizetype(0) << false;
    QTest::newRow("empty text") << comOnly << QString() << qsizetype(0) << false;
    QTest::newRow("enabled proxy row ignored") << QStringList{QStringLiteral("+proxy"), QStringLiteral("de")}
                                               << QStringLiteral("x.proxy") << qsizetype(0) << false;
    // Rows are tried in table order: the first row decides, not the earliest occurrence.
    QTest::newRow("table order decides") << QStringList{QStringLiteral("+net"), QStringLiteral("+com")}
                                         << QStringLiteral("a.com b.net c.net") << qsizetype(12) << true;
    QTest::newRow("first occurrence of that row")
        << QStringList{QStringLiteral("+com")} << QStringLiteral("a.com b.com") << qsizetype(6) << true;
    QTest::newRow("two labels") << QStringList{QStringLiteral("+co.uk")} << QStringLiteral("see x.co.uk/")
                                << qsizetype(12) << false;
    QTest::newRow("longer extension shares a prefix") << QStringList{QStringLiteral("+info"), QStringLiteral("+in")}
                                                      << QStringLiteral("a.info") << qsizetype(7) << true;
    QTest::newRow("shorter row first") << QStringList{QStringLiteral("+in"), QStringLiteral("+info")}
                                       << QStringLiteral("a.info") << qsizetype(5) << true;
}

void TestRouting::enabledTldScan()
{
    QFETCH(QStringList, rows);
    QFETCH(QString, text);
    QFETCH(qsizetype, end);
    const EnabledTldMatcher matcher(table(rows));
    QCOMPARE(matcher.containsEnabledTld(text), end > 0);
    QCOMPARE(matcher.endOfEnabledTld(text), end);
    QFETCH(bool, endsWith);
    QCOMPARE(matcher.endsWithEnabledTld(text), endsWith);
}

void TestRouting::endOfEnabledTldOnLongTexts()
{
    const EnabledTldMatcher matcher(table({QStringLiteral("+com")}));
    const QString padding(40000, QLatin1Char('a'));
    QCOMPARE(matcher.endOfEnabledTld(padding + QStringLiteral(" example.com/")), qsizetype(40013));
    QString huge(200000, QLatin1Char('.'));
    huge += QStringLiteral("com");
    QCOMPARE(matcher.endOfEnabledTld(huge), qsizetype(200004));
    QVERIFY(matcher.containsEnabledTld(huge));
}

void TestRouting::registryRebuildsTheMatcherOnEveryLoad()
{
    TldRegistry registry(QStringLiteral("unused"));
    QVERIFY(registry.matcher().isEmpty());
    registry.setTable(table({QStringLiteral("com"), QStringLiteral("+de")}));
    QVERIFY(registry.matcher().containsEnabledTld(QStringLiteral("x.de")));
    QVERIFY(!registry.matcher().containsEnabledTld(QStringLiteral("x.com")));
    registry.setTable(table({QStringLiteral("+com")}));
    QVERIFY(!registry.matcher().containsEnabledTld(QStringLiteral("x.de")));
    QCOMPARE(registry.matcher().endOfEnabledTld(QStringLiteral("x.com")), qsizetype(6));
}

QTEST_GUILESS_MAIN(TestRouting)
#include "tst_routing.moc"
