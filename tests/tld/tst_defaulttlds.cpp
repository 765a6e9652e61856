#include "tld/DefaultTlds.h"
#include "tld/RootZone.h"
#include "tld/Routing.h"
#include "tld/TldFile.h"
#include "tld/Verdict.h"

#include <QRegularExpression>
#include <QtTest>

using namespace tld;
using Kind = WhoisVerdict::Kind;

namespace {

const TldTable &builtIn()
{
    static const TldTable table = parseTable(defaultTldRows().join(QStringLiteral("\r\n")));
    return table;
}

const TldRecord &rowFor(const QString &domain)
{
    static const TldRecord none;
    const int index = findTldIndex(builtIn(), domain, false);
    if (index < 0) {
        QTest::qFail(qPrintable(QStringLiteral("no built-in row serves ") + domain), __FILE__, __LINE__);
        return none;
    }
    return builtIn().at(index);
}

} // namespace

class TestDefaultTlds : public QObject {
    Q_OBJECT
private slots:
    void rowsAreTodaysTldsOnce();
    void popularTldsAreEnabledAndTheRestWait();
    void everyRowNamesAServiceItsProtocolCanAsk();
    void noRowNamesAGoneOperator();
    void countryRowsAskTheirOwnRegistry();
    void registriesWithRdapAreAskedByRdap_data();
    void registriesWithRdapAreAskedByRdap();
    void noBuiltInListCallsARecordFree_data();
    void noBuiltInListCallsARecordFree();
    void rowsKnowTheirRegistrysNotFound_data();
    void rowsKnowTheirRegistrysNotFound();
    void refusalsThroughTheTable_data();
    void refusalsThroughTheTable();
};

void TestDefaultTlds::rowsAreTodaysTldsOnce()
{
    QStringList extensions;
    for (const QString &row : defaultTldRows())
        extensions.append(row.section(QLatin1Char('|'), 0, 0));
    // Address ranges, alternative roots and a country code withdrawn from the root zone are gone.
    for (const char *gone : {"0", "64", "128", "192", "800", "yu", "zoo", "list", "script", "blues", "this"})
        QVERIFY2(!extensions.contains(QLatin1String(gone), Qt::CaseInsensitive), gone);
    for (const QString &extension : std::as_const(extensions)) {
        QVERIFY2(extension == QLatin1String("proxy") || findRootZoneTld(extension), qPrintable(extension));
        QVERIFY2(extensions
                         .filter(QRegularExpression(QLatin1Char('^') + extension + QLatin1Char('$'),
                                                    QRegularExpression::CaseInsensitiveOption))
                         .size() == 1,
                 qPrintable(extension + QStringLiteral(" stands twice")));
    }
    QStringList sorted = extensions;
    sorted.sort();
    QCOMPARE(extensions, sorted);
}

void TestDefaultTlds::popularTldsAreEnabledAndTheRestWait()
{
    QStringList enabled;
    for (const TldRecord &row : builtIn()) {
        if (row.enabled)
            enabled.append(row.extension);
    }
    for (const char *popular : {"com", "net", "io", "ai", "co", "app", "dev", "xyz"})
        QVERIFY2(enabled.contains(QLatin1String(popular)), popular);
    // A first run asks a handful of registries, not the whole root zone.
    QVERIFY2(enabled.size() * 4 < builtIn().size(), qPrintable(enabled.join(QLatin1Char(' '))));
    for (const char *country : {"de", "uk", "fr", "jp"})
        QVERIFY2(!enabled.contains(QLatin1String(country)), country);
}

void TestDefaultTlds::everyRowNamesAServiceItsProtocolCanAsk()
{
    QVERIFY(builtIn().size() > 100);
    for (const TldRecord &row : builtIn()) {
        QVERIFY2(!row.extension.isEmpty() && row.extension == row.extension.toLower(), qPrintable(row.extension));
        QVERIFY2(!row.successPhrases.isEmpty(), qPrintable(row.extension));
        QVERIFY2(row.throttle > 0, qPrintable(row.extension));
        if (isRdapServer(row.server)) {
            QVERIFY2(isUsableRdapBase(row.server) && row.server.endsWith(QLatin1Char('/')), qPrintable(row.server));
            QCOMPARE(row.port, 443);
        } else {
            QVERIFY2(row.server.contains(QLatin1Char('.')) && !row.server.contains(QLatin1Char('/')),
                     qPrintable(row.server));
            QCOMPARE(row.port, 43);
        }
    }
}

void TestDefaultTlds::noRowNamesAGoneOperator()
{
    for (const QString &text : defaultTldRows()) {
        QVERIFY2(!text.contains(QLatin1String("altroot-")), qPrintable(text));
        QVERIFY2(!text.contains(QLatin1String("DEFUNCT")), qPrintable(text));
        QVERIFY2(!text.contains(QLatin1String("QUERY LIMIT")), qPrintable(text));
    }
}

void TestDefaultTlds::countryRowsAskTheirOwnRegistry()
{
    // The address registries hold no domain names: only rows marked as having no server may still name them,
    // and such rows carry no phrase that could call a name free.
    int marked = 0;
    for (const TldRecord &row : builtIn()) {
        const bool addressRegistry =
            row.server == QLatin1String("whois.ripe.net") || row.server == QLatin1String("whois.apnic.net");
        if (!addressRegistry)
            continue;
        ++marked;
        QVERIFY2(row.successPhrases.startsWith(QLatin1Char('#')) && row.successPhrases.endsWith(QLatin1Char('#')) &&
                     !row.successPhrases.contains(QLatin1Char(',')),
                 qPrintable(row.extension));
    }
    QVERIFY(marked > 0);
    for (const char *country : {"de", "be", "pl", "cn", "tw"}) {
        const QString server = rowFor(QStringLiteral("x.") + QLatin1String(country)).server;
        QVERIFY2(server.endsWith(QLatin1Char('.') + QLatin1String(country)), qPrintable(server));
    }
}

void TestDefaultTlds::registriesWithRdapAreAskedByRdap_data()
{
    QTest::addColumn<QString>("domain");
    QTest::addColumn<bool>("rdap");
    QTest::newRow("com") << QStringLiteral("x.com") << true;
    QTest::newRow("an alternative root once, now its registry's RDAP") << QStringLiteral("x.dev") << true;
    QTest::newRow("popular, RDAP") << QStringLiteral("x.xyz") << true;
    QTest::newRow("no RDAP service: WHOIS") << QStringLiteral("x.de") << false;
    QTest::newRow("popular, WHOIS only") << QStringLiteral("x.io") << false;
}

void TestDefaultTlds::registriesWithRdapAreAskedByRdap()
{
    QFETCH(QString, domain);
    QFETCH(bool, rdap);
    QCOMPARE(isRdapServer(rowFor(domain).server), rdap);
}

void TestDefaultTlds::noBuiltInListCallsARecordFree_data()
{
    QTest::addColumn<QString>("domain");
    QTest::addColumn<QString>("answer");
    // Records of registered names in the shapes registries send them, notices included.
    QTest::newRow("gTLD") << QStringLiteral("quarrytide-free.com")
                          << QStringLiteral("   Domain Name: QUARRYTIDE-FREE.COM\r\n   Registrar: Example, Inc.\r\n"
                                            "   Domain Status: ok https://icann.org/epp#ok\r\n"
                                            "NOTICE: The data is made available for information only and this service "
                                            "is free of charge; availability of names is not guaranteed and the "
                                            "results may not be error-free.\r\n");
    QTest::newRow("de") << QStringLiteral("freenet-nomatch.de")
                        << QStringLiteral("Domain: freenet-nomatch.de\nNserver: ns1.example.net\nStatus: connect\n"
                                          "Changed: 2025-01-01T10:00:00+01:00\n");
    QTest::newRow("nl") << QStringLiteral("isfree.nl")
                        << QStringLiteral("Domain name: isfree.nl\nStatus: active\nRegistrar:\n   Example B.V.\n\n"
                                          "   Copyright notice\n   No part of this publication may be reproduced.\n");
    QTest::newRow("uk") << QStringLiteral("quarrytide.co.uk")
                        << QStringLiteral("    Domain name:\r\n        quarrytide.co.uk\r\n\r\n    Registration "
                                          "status:\r\n        Registered until expiry date.\r\n");
    QTest::newRow("be") << QStringLiteral("quarrytide.be")
                        << QStringLiteral("% It allows persons to check whether a specific domain name is still "
                                          "available or not.\nDomain:\tquarrytide.be\nStatus:\tNOT AVAILABLE\n");
    QTest::newRow("ca") << QStringLiteral("quarrytide.ca")
                        << QStringLiteral("Domain name:           quarrytide.ca\nDomain status:         registered\n");
    QTest::newRow("it") << QStringLiteral("quarrytide.it")
                        << QStringLiteral("Domain:             quarrytide.it\nStatus:             ok\n"
                                          "Signed:             no\n");
    QTest::newRow("ch") << QStringLiteral("quarrytide.ch")
                        << QStringLiteral("Domain name:\nquarrytide.ch\n\nHolder of domain name:\nExample AG\n");
    QTest::newRow("jp") << QStringLiteral("quarrytide.jp")
                        << QStringLiteral("[Domain Name]                QUARRYTIDE.JP\n[Status]                     "
                                          "Active\n");
    QTest::newRow("fr") << QStringLiteral("quarrytide.fr")
                        << QStringLiteral("%% This is the registry's Whois server.\ndomain:      quarrytide.fr\n"
                                          "status:      ACTIVE\n");
    QTest::newRow("ru") << QStringLiteral("quarrytide.ru")
                        << QStringLiteral("domain:        QUARRYTIDE.RU\nstate:         REGISTERED, DELEGATED\n");
    QTest::newRow("reserved fi") << QStringLiteral("quarrytide.fi") << QStringLiteral("Domain not available\n");
}

void TestDefaultTlds::noBuiltInListCallsARecordFree()
{
    QFETCH(QString, domain);
    QFETCH(QString, answer);
    // The default list serves any registry, so it must hold against every record, even when the asked
    // name is not known; a row's own list must hold against its registry's records.
    for (const QString &asked : {domain, QString()}) {
        const WhoisVerdict verdict = judgeAnswer(answer, defaultSuccessPhrases, asked);
        QVERIFY2(verdict.kind == Kind::Registered, qPrintable(verdict.successWord));
    }
    const WhoisVerdict own = judgeAnswer(answer, rowFor(domain).successPhrases, domain);
    QVERIFY2(own.kind == Kind::Registered, qPrintable(own.successWord));
}

void TestDefaultTlds::rowsKnowTheirRegistrysNotFound_data()
{
    QTest::addColumn<QString>("domain");
    QTest::addColumn<QString>("answer");
    QTest::newRow("com") << QStringLiteral("quarrytide.com") << QStringLiteral("No match for \"QUARRYTIDE.COM\".\r\n");
    QTest::newRow("org") << QStringLiteral("quarrytide.org") << QStringLiteral("NOT FOUND\r\n");
    QTest::newRow("de") << QStringLiteral("quarrytide.de") << QStringLiteral("Domain: quarrytide.de\nStatus: free\n");
    QTest::newRow("nl") << QStringLiteral("quarrytide.nl") << QStringLiteral("quarrytide.nl is free\n");
    QTest::newRow("ch") << QStringLiteral("quarrytide.ch")
                        << QStringLiteral("We do not have an entry in our database matching your query.\n");
    QTest::newRow("cl") << QStringLiteral("quarrytide.cl") << QStringLiteral("quarrytide.cl: no existe\n");
    QTest::newRow("it") << QStringLiteral("quarrytide.it")
                        << QStringLiteral("Domain:             quarrytide.it\nStatus:             AVAILABLE\n");
    QTest::newRow("be") << QStringLiteral("quarrytide.be")
                        << QStringLiteral("Domain:\tquarrytide.be\nStatus:\tAVAILABLE\n");
    QTest::newRow("uk") << QStringLiteral("quarrytide.co.uk")
                        << QStringLiteral("    No match for \"quarrytide.co.uk\".\r\n\r\n    This domain name has not "
                                          "been registered.\r\n");
    QTest::newRow("jp") << QStringLiteral("quarrytide.jp") << QStringLiteral("No match!!\n");
    QTest::newRow("tw") << QStringLiteral("quarrytide.tw") << QStringLiteral("No Found\n");
    QTest::newRow("mx") << QStringLiteral("quarrytide.mx")
                        << QStringLiteral("No_Se_Encontro_El_Objeto/Object_Not_Found\n");
    QTest::newRow("pl") << QStringLiteral("quarrytide.pl")
                        << QStringLiteral("No information available about domain name quarrytide.pl in the Registry "
                                          "database.\n");
    QTest::newRow("il") << QStringLiteral("quarrytide.co.il")
                        << QStringLiteral("% No data was found to match the request criteria.\n");
    QTest::newRow("bg") << QStringLiteral("quarrytide.bg")
                        << QStringLiteral("Domain name quarrytide.bg does not exist in database!\n");
    QTest::newRow("at") << QStringLiteral("quarrytide.at") << QStringLiteral("% nothing found\n");
    QTest::newRow("lu") << QStringLiteral("quarrytide.lu") << QStringLiteral("% No such domain\n");
    QTest::newRow("fr") << QStringLiteral("quarrytide.fr")
                        << QStringLiteral("%% No entries found in the AFNIC Database.\n");
    QTest::newRow("ru") << QStringLiteral("quarrytide.ru")
                        << QStringLiteral("No entries found for the selected source(s).\n");
    QTest::newRow("cz") << QStringLiteral("quarrytide.cz")
                        << QStringLiteral("%ERROR:101: no entries found\n%\n% No entries found.\n");
    QTest::newRow("se") << QStringLiteral("quarrytide.se") << QStringLiteral("domain \"quarrytide.se\" not found.\n");
    QTest::newRow("ca") << QStringLiteral("quarrytide.ca") << QStringLiteral("Not found: quarrytide.ca\n");
    QTest::newRow("hk") << QStringLiteral("quarrytide.hk") << QStringLiteral("The domain has not been registered.\n");
    QTest::newRow("cn") << QStringLiteral("quarrytide.cn") << QStringLiteral("no matching record.\n");
}

void TestDefaultTlds::rowsKnowTheirRegistrysNotFound()
{
    QFETCH(QString, domain);
    QFETCH(QString, answer);
    const TldRecord &row = rowFor(domain);
    QCOMPARE(judgeAnswer(answer, row.successPhrases, domain).kind, Kind::Available);
}

void TestDefaultTlds::refusalsThroughTheTable_data()
{
    QTest::addColumn<QString>("domain");
    QTest::addColumn<QString>("answer");
    QTest::newRow("fr rate limit with a not-found line")
        << QStringLiteral("quarrytide.fr")
        << QStringLiteral("%% RL Net [##########] - RL IP [..........]\n%%\n%% Too many requests...\n%%\n\n"
                          "%% No entries found in the AFNIC Database.\n");
    QTest::newRow("country without a server") << QStringLiteral("quarrytide.al")
                                              << QStringLiteral("%ERROR:101: no entries found\n%\n"
                                                                "% No entries found in source RIPE.\n");
    QTest::newRow("de access limit") << QStringLiteral("quarrytide.de")
                                     << QStringLiteral("% Error: 55000000002 Connection refused; access control "
                                                       "limit reached.\n");
    QTest::newRow("nl busy") << QStringLiteral("quarrytide.nl")
                             << QStringLiteral("whois.example.nl: Server too busy, try again later\n");
}

void TestDefaultTlds::refusalsThroughTheTable()
{
    QFETCH(QString, domain);
    QFETCH(QString, answer);
    QCOMPARE(judgeAnswer(answer, rowFor(domain).successPhrases, domain).kind, Kind::ErrorBlocked);
}

QTEST_GUILESS_MAIN(TestDefaultTlds)
#include "tst_defaulttlds.moc"
