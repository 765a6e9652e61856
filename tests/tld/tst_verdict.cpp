#include "platform/TextCodec.h"
#include "tld/DefaultTlds.h"
#include "tld/Verdict.h"

#include <QtTest>

using namespace tld;
using Kind = WhoisVerdict::Kind;

class TestVerdict : public QObject {
    Q_OBJECT
private slots:
    void judgeAnswer_data();
    void judgeAnswer();
    void emptyPhraseItemsNeverMatch_data();
    void emptyPhraseItemsNeverMatch();
    void answersWithStrayBytesStillMatch();
    void proseNeverMakesANameFree_data();
    void proseNeverMakesANameFree();
    void theQueriedNameTakesNoPart_data();
    void theQueriedNameTakesNoPart();
    void notFoundStatementsOfManyRegistries_data();
    void notFoundStatementsOfManyRegistries();
    void refusalsComeBeforeEverything_data();
    void refusalsComeBeforeEverything();
    void errorWordsCountAsWordsOfTheirOwn_data();
    void errorWordsCountAsWordsOfTheirOwn();
    void placeholderNames_data();
    void placeholderNames();
};

void TestVerdict::judgeAnswer_data()
{
    QTest::addColumn<QString>("phrases");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("word");

    const QString registered = QStringLiteral("Domain Name: EXAMPLE.COM\r\nRegistrar: Example Registrar, Inc.\r\n"
                                              "Registrant Organization: Example Inc.\r\nDomain Status: ok\r\n");
    QTest::newRow("phrase in capitals") << QStringLiteral("No match,not found")
                                        << QStringLiteral("NO MATCH FOR \"EXAMPLE.COM\".\r\n") << Kind::Available
                                        << QStringLiteral("No match");
    QTest::newRow("first item wins, trimmed")
        << QStringLiteral("  free , is free ") << QStringLiteral("example.nl is free\n") << Kind::Available
        << QStringLiteral("free");
    QTest::newRow("later item matches") << QStringLiteral("No match,Nothing found")
                                        << QStringLiteral("% nothing found\n") << Kind::Available
                                        << QStringLiteral("Nothing found");
    QTest::newRow("rate exceeded") << QStringLiteral("No match for")
                                   << QStringLiteral("Query rate exceeded, please slow down.\r\n") << Kind::ErrorBlocked
                                   << QString();
    QTest::newRow("error word in any case")
        << QStringLiteral("No match for") << QStringLiteral("%% QUOTA reached\r\n") << Kind::ErrorBlocked << QString();
    QTest::newRow("registrant and status")
        << QStringLiteral("No match for") << registered << Kind::Registered << QString();
    QTest::newRow("empty answer") << QStringLiteral("No match for") << QString() << Kind::Registered << QString();
    QTest::newRow("short phrase") << QStringLiteral("ok") << QStringLiteral("Result: OK\n") << Kind::Available
                                  << QStringLiteral("ok");
    QTest::newRow("letters beyond ASCII")
        << QStringLiteral("Dominio no encontrado,Não encontrado") << QStringLiteral("DOMÍNIO NÃO ENCONTRADO\n")
        << Kind::Available << QStringLiteral("Não encontrado");
    QTest::newRow("phrase cut off by the end")
        << QStringLiteral("No match for") << QStringLiteral("Reply: No match f") << Kind::Registered << QString();
    // A not-found statement outweighs an error word in the same answer.
    QTest::newRow("phrase before error word")
        << QStringLiteral("not found") << QStringLiteral("%ERROR: not found; quota left: 99\n") << Kind::Available
        << QStringLiteral("not found");
}

void TestVerdict::judgeAnswer()
{
    QFETCH(QString, phrases);
    QFETCH(QString, answer);
    QFETCH(Kind, kind);
    QFETCH(QString, word);
    const WhoisVerdict verdict = tld::judgeAnswer(answer, phrases);
    QCOMPARE(verdict.kind, kind);
    QCOMPARE(verdict.successWord, word);
}

void TestVerdict::emptyPhraseItemsNeverMatch_data()
{
    QTest::addColumn<QString>("phrases");
    QTest::newRow("empty list") << QString();
    QTest::newRow("blank list") << QStringLiteral("   ");
    QTest::newRow("two commas") << QStringLiteral("No match,,not found");
    QTest::newRow("trailing comma") << QStringLiteral("No match,");
    QTest::newRow("blank item") << QStringLiteral("No match, ,not found");
    QTest::newRow("only commas") << QStringLiteral(",,,");
}

void TestVerdict::emptyPhraseItemsNeverMatch()
{
    QFETCH(QString, phrases);
    const QString answer = QStringLiteral("Domain Name: EXAMPLE.COM\r\nDomain Status: ok\r\n");
    QCOMPARE(tld::judgeAnswer(answer, phrases).kind, Kind::Registered);
}

void TestVerdict::answersWithStrayBytesStillMatch()
{
    // A Latin-1 byte makes the answer invalid UTF-8; it is read as Latin-1 and the phrase still matches.
    const QString latin = platform::decodeText("Domaine inexistant \xe9t\xe9\r\nNo match for \"X.FR\"\r\n");
    QCOMPARE(tld::judgeAnswer(latin, QStringLiteral("No match for")).kind, Kind::Available);
    const QString utf8 = platform::decodeText("D\xc3\xa9nomination: none\r\nStatus: free\r\n");
    QVERIFY(utf8.contains(QChar(0xe9)));
    QCOMPARE(tld::judgeAnswer(utf8, QStringLiteral("Status: free")).kind, Kind::Available);
}

namespace {

// A record with the kind of notice registries append to every answer.
QString registeredRecord(const QString &fields)
{
    return fields +
           QStringLiteral("\r\n>>> Last update of WHOIS database: 2026-03-01T08:00:00Z <<<\r\n\r\n"
                          "The data in this record is provided for information purposes only and makes no guarantee of "
                          "its accuracy. It is made available to assist persons in determining the contents of a "
                          "domain name registration record. This service is free of charge. Domain names that are "
                          "not yet registered may be available for registration through an accredited registrar; "
                          "availability of any name is not guaranteed. The registry cannot guarantee that the results "
                          "are error-free and accepts no liability for errors or omissions.\r\n");
}

} // namespace

void TestVerdict::proseNeverMakesANameFree_data()
{
    QTest::addColumn<QString>("phrases");
    QTest::addColumn<QString>("domain");
    QTest::addColumn<QString>("answer");

    const QString icann = registeredRecord(
        QStringLiteral("   Domain Name: QUARRYTIDE-EXAMPLE.COM\r\n   Registrar: Example Registrar, LLC\r\n"
                       "   Registrant Email: Select Request Email Form at https://registrar.example/contact\r\n"
                       "   Domain Status: clientTransferProhibited https://icann.org/epp#clientTransferProhibited\r\n"
                       "   DNSSEC: unsigned"));
    QTest::newRow("default list, gTLD record")
        << defaultSuccessPhrases << QStringLiteral("quarrytide-example.com") << icann;
    QTest::newRow("default list, no name given") << defaultSuccessPhrases << QString() << icann;
    QTest::newRow("status not available")
        << defaultSuccessPhrases << QStringLiteral("quarrytide-example.be")
        << registeredRecord(QStringLiteral("Domain:\tquarrytide-example.be\r\nStatus:\tNOT AVAILABLE\r\n"
                                           "Registered:\tTue Feb 3 2004"));
    QTest::newRow("status registered") << defaultSuccessPhrases << QStringLiteral("quarrytide-example.ca")
                                       << registeredRecord(QStringLiteral(
                                              "Domain name:           quarrytide-example.ca\r\n"
                                              "Domain status:         registered\r\nRenewal status:        auto"));
    QTest::newRow("reserved name") << defaultSuccessPhrases << QStringLiteral("quarrytide.fi")
                                   << QStringLiteral("\r\nDomain not available\r\n\r\nMore information is "
                                                     "available at https://domain.example/\r\n");
}

void TestVerdict::proseNeverMakesANameFree()
{
    QFETCH(QString, phrases);
    QFETCH(QString, domain);
    QFETCH(QString, answer);
    QCOMPARE(tld::judgeAnswer(answer, phrases, domain).kind, Kind::Registered);
}

void TestVerdict::theQueriedNameTakesNoPart_data()
{
    QTest::addColumn<QString>("phrases");
    QTest::addColumn<QString>("domain");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("word");

    QTest::newRow("free inside the name") << QStringLiteral("free") << QStringLiteral("freenet.de")
                                          << QStringLiteral("Domain: freenet.de\nNserver: ns1.freenet.de\n"
                                                            "Status: connect\n")
                                          << Kind::Registered << QString();
    QTest::newRow("name in capitals") << QStringLiteral("No match") << QStringLiteral("nomatch.com")
                                      << QStringLiteral("   Domain Name: NOMATCH.COM\r\n   Registrar: X\r\n")
                                      << Kind::Registered << QString();
    QTest::newRow("statement around the name survives")
        << QStringLiteral("No match for \"") << QStringLiteral("nomatch.com")
        << QStringLiteral("No match for \"NOMATCH.COM\".\r\n") << Kind::Available << QStringLiteral("No match for \"");
    QTest::newRow("name inside the statement")
        << defaultSuccessPhrases << QStringLiteral("quarrytide-example.pr")
        << QStringLiteral("The domain quarrytide-example.pr is not registered.\n") << Kind::Available
        << QStringLiteral("Domain is not registered");
    QTest::newRow("name between blanks") << QStringLiteral("is free") << QStringLiteral("isfree.nl")
                                         << QStringLiteral("isfree.nl   is free\r\n") << Kind::Available
                                         << QStringLiteral("is free");
}

void TestVerdict::theQueriedNameTakesNoPart()
{
    QFETCH(QString, phrases);
    QFETCH(QString, domain);
    QFETCH(QString, answer);
    QFETCH(Kind, kind);
    QFETCH(QString, word);
    const WhoisVerdict verdict = tld::judgeAnswer(answer, phrases, domain);
    QCOMPARE(verdict.kind, kind);
    QCOMPARE(verdict.successWord, word);
}

void TestVerdict::notFoundStatementsOfManyRegistries_data()
{
    QTest::addColumn<QString>("answer");
    // How registries say "not registered", as written by their servers; the name is quarrytide-example.
    QTest::newRow("No Data Found") << QStringLiteral("No Data Found\r\n>>> Last update of WHOIS database <<<\r\n");
    QTest::newRow("does not exist") << QStringLiteral("Domain name quarrytide-example.bg does not exist in database!");
    QTest::newRow("Status: free") << QStringLiteral("Domain: quarrytide-example.de\nStatus: free\n");
    QTest::newRow("aligned status") << QStringLiteral("Domain:             quarrytide-example.it\n"
                                                      "Status:     \t   AVAILABLE\n");
    QTest::newRow("not registered") << QStringLiteral("The domain name quarrytide-example.tm is not registered.");
    QTest::newRow("No Object Found") << QStringLiteral("Domain Name: quarrytide-example.cx\r\n"
                                                       "Domain Status: No Object Found\r\n");
    QTest::newRow("NOT FOUND") << QStringLiteral("%% NOT FOUND\n");
    QTest::newRow("Domain not found") << QStringLiteral("Domain not found.\r\n");
    QTest::newRow("No entries found") << QStringLiteral("% No entries found for the selected source(s).\n");
    QTest::newRow("has not been registered") << QStringLiteral("This domain name has not been registered.");
    QTest::newRow("No match") << QStringLiteral("No match for \"QUARRYTIDE-EXAMPLE.COM\".\r\n");
    QTest::newRow("Not Registered status") << QStringLiteral("Domain Information\nQuery: quarrytide-example.ke\n"
                                                             "Status: Not Registered\n");
}

void TestVerdict::notFoundStatementsOfManyRegistries()
{
    QFETCH(QString, answer);
    // Asked for the name the answer repeats, if it does.
    static const QRegularExpression name(QStringLiteral("quarrytide-example\\.[a-z]+"));
    const QString domain = name.match(answer).captured();
    QCOMPARE(tld::judgeAnswer(answer, defaultSuccessPhrases, domain).kind, Kind::Available);
}

void TestVerdict::refusalsComeBeforeEverything_data()
{
    QTest::addColumn<QString>("phrases");
    QTest::addColumn<QString>("answer");
    QTest::newRow("too many requests, then a not-found line")
        << QStringLiteral("No entries found")
        << QStringLiteral("%% RL Net [##########]\n%%\n%% Too many requests...\n%%\n\n"
                          "%% No entries found in the registry's database.\n");
    QTest::newRow("go away") << defaultSuccessPhrases << QStringLiteral("Please go away for 30 Seconds\r\n");
    QTest::newRow("try again later") << defaultSuccessPhrases
                                     << QStringLiteral("whois.example: only 1 request per second, try again later");
    QTest::newRow("TLD not supported") << defaultSuccessPhrases << QStringLiteral("TLD is not supported.\r\n");
    QTest::newRow("connection count") << defaultSuccessPhrases << QStringLiteral("# Too many connections.\n");
    QTest::newRow("denied client") << defaultSuccessPhrases << QStringLiteral("query_status: 440 Request Denied\n");
    QTest::newRow("service down") << defaultSuccessPhrases << QStringLiteral("Service temporarily unavailable.");
    QTest::newRow("grace period") << QStringLiteral("Status: AVAILABLE")
                                  << QStringLiteral("% WHOIS quarrytide\n-1: Still in grace period, wait 9 seconds\n");
    // Old tables still send country domains to an address registry, which holds no domain names.
    QTest::newRow("address registry") << QStringLiteral("No entries found")
                                      << QStringLiteral("%ERROR:101: no entries found\n%\n"
                                                        "% No entries found in source RIPE.\n");
}

void TestVerdict::refusalsComeBeforeEverything()
{
    QFETCH(QString, phrases);
    QFETCH(QString, answer);
    QCOMPARE(tld::judgeAnswer(answer, phrases, QStringLiteral("quarrytide.example")).kind, Kind::ErrorBlocked);
}

void TestVerdict::errorWordsCountAsWordsOfTheirOwn_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<Kind>("kind");
    QTest::newRow("error-free disclaimer")
        << QStringLiteral("Domain Name: x.cx\nWe cannot guarantee that the results are error-free.\n")
        << Kind::Registered;
    QTest::newRow("error free") << QStringLiteral("Domain: x\nprovided as is, not error free\n") << Kind::Registered;
    QTest::newRow("errors and omissions")
        << QStringLiteral("Domain: x\nno liability for errors or omissions\n") << Kind::Registered;
    QTest::newRow("unblocked") << QStringLiteral("Domain: x\nStatus: unblocked\n") << Kind::Registered;
    QTest::newRow("error code") << QStringLiteral("%ERROR:202: access denied\n") << Kind::ErrorBlocked;
    QTest::newRow("quota sentence") << QStringLiteral("The WHOIS query quota for 192.0.2.1 is used up.\n")
                                    << Kind::ErrorBlocked;
    QTest::newRow("exceeded") << QStringLiteral("Rate limit exceeded\n") << Kind::ErrorBlocked;
    QTest::newRow("blocked") << QStringLiteral("Your address is BLOCKED.\n") << Kind::ErrorBlocked;
    // A clear not-found statement outweighs an error word.
    QTest::newRow("not found with an error code") << QStringLiteral("%ERROR:101: no entries found\n% No entries "
                                                                    "found.\n")
                                                  << Kind::Available;
}

void TestVerdict::errorWordsCountAsWordsOfTheirOwn()
{
    QFETCH(QString, answer);
    QFETCH(Kind, kind);
    QCOMPARE(tld::judgeAnswer(answer, QStringLiteral("No entries found"), QStringLiteral("x.example")).kind, kind);
}

void TestVerdict::placeholderNames_data()
{
    QTest::addColumn<QString>("domain");
    QTest::addColumn<bool>("placeholder");
    QTest::newRow(".com") << QStringLiteral(".com") << true;
    QTest::newRow(".net") << QStringLiteral(".net") << true;
    QTest::newRow(".COM") << QStringLiteral(".COM") << true;
    QTest::newRow("quote before .com") << QStringLiteral("href=\".com") << true;
    QTest::newRow("quote before .NET") << QStringLiteral("x\".NET/y") << true;
    QTest::newRow("real name") << QStringLiteral("example.com") << false;
    QTest::newRow(".org alone") << QStringLiteral(".org") << false;
    QTest::newRow("quote elsewhere") << QStringLiteral("\"example.com") << false;
}

void TestVerdict::placeholderNames()
{
    QFETCH(QString, domain);
    QFETCH(bool, placeholder);
    QCOMPARE(isPlaceholderName(domain), placeholder);
}

QTEST_GUILESS_MAIN(TestVerdict)
#include "tst_verdict.moc"
