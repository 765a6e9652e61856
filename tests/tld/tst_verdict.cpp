#include "TestFolder.h"
#include "platform/TextCodec.h"
#include "tld/DefaultTlds.h"
#include "tld/Routing.h"
#include "tld/TldFile.h"
#include "tld/Verdict.h"

#include <QDir>
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
    void recordsInTheRegistriesFormats_data();
    void recordsInTheRegistriesFormats();
    void aRecordOutweighsEverythingElse_data();
    void aRecordOutweighsEverythingElse();
    void refusalsComeBeforeEverything_data();
    void refusalsComeBeforeEverything();
    void refusalsCountWhereTheyAreStated_data();
    void refusalsCountWhereTheyAreStated();
    void errorWordsCountAsWordsOfTheirOwn_data();
    void errorWordsCountAsWordsOfTheirOwn();
    void withoutEvidenceTheAnswerIsUnknown_data();
    void withoutEvidenceTheAnswerIsUnknown();
    void realAnswersMeetTheTargets();
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
    QTest::newRow("built-in statement when the row has none")
        << QStringLiteral("#NOTHING#") << QStringLiteral("% No entries found.\n") << Kind::Available
        << QStringLiteral("No entries found");
    QTest::newRow("rate exceeded") << QStringLiteral("No match for")
                                   << QStringLiteral("Query rate exceeded, please slow down.\r\n") << Kind::ErrorBlocked
                                   << QString();
    QTest::newRow("error word alone") << QStringLiteral("No match for") << QStringLiteral("%% QUOTA reached\r\n")
                                      << Kind::ErrorBlocked << QString();
    QTest::newRow("registrant and status")
        << QStringLiteral("No match for") << registered << Kind::Registered << QString();
    QTest::newRow("empty answer") << QStringLiteral("No match for") << QString() << Kind::Unknown << QString();
    QTest::newRow("short phrase") << QStringLiteral("ok") << QStringLiteral("Result: OK\n") << Kind::Available
                                  << QStringLiteral("ok");
    QTest::newRow("letters beyond ASCII")
        << QStringLiteral("Dominio no encontrado,Não encontrado") << QStringLiteral("DOMÍNIO NÃO ENCONTRADO\n")
        << Kind::Available << QStringLiteral("Não encontrado");
    QTest::newRow("phrase cut off by the end")
        << QStringLiteral("No match for") << QStringLiteral("Reply: No match f") << Kind::Unknown << QString();
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
    QTest::newRow("prohibited name") << defaultSuccessPhrases << QStringLiteral("quarrytide.cn")
                                     << QStringLiteral("The domain you requested is prohibited.\r\n");
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
    QTest::newRow("tab-separated fields after the name")
        << QStringLiteral("No match") << QStringLiteral("nomatch.com")
        << QStringLiteral("Domain\tNOMATCH.COM\nOwner\tExample Ltd\n") << Kind::Registered << QString();
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
    // "is free" is a statement only about the name itself.
    QTest::newRow("is free about something else")
        << QStringLiteral("#NOTHING#") << QStringLiteral("quarrytide.nl") << QStringLiteral("This service is free\r\n")
        << Kind::Unknown << QString();
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
    QTest::newRow("tab-separated status") << QStringLiteral("Domain\tquarrytide-example.xy\nStatus\tfree\n");
    QTest::newRow("error code first") << QStringLiteral("%error 230 No Objects Found\n");
    QTest::newRow("status with a code") << QStringLiteral("domain_name: quarrytide-example.nz\n"
                                                          "query_status: 220 Available\n");
    QTest::newRow("name first") << QStringLiteral("quarrytide-example.nl is free\n");
    QTest::newRow("Spanish") << QStringLiteral("quarrytide-example.cl: no existe\n");
    QTest::newRow("alone on its line") << QStringLiteral("Available\nDomain: quarrytide-example.co.za\n");
    QTest::newRow("sentence about the name")
        << QStringLiteral("The requested domain was not found in the Registry or Registrar's WHOIS Server.\n");
    QTest::newRow("object and statement") << QStringLiteral("The queried object does not exist: DOMAIN NOT FOUND\n");
}

void TestVerdict::notFoundStatementsOfManyRegistries()
{
    QFETCH(QString, answer);
    // Asked for the name the answer repeats, if it does.
    static const QRegularExpression name(QStringLiteral("quarrytide-example\\.[a-z.]+[a-z]"));
    const QString domain = name.match(answer).captured();
    QCOMPARE(tld::judgeAnswer(answer, defaultSuccessPhrases, domain).kind, Kind::Available);
    // A row whose phrases miss the registry's wording still finds the statement.
    QCOMPARE(tld::judgeAnswer(answer, QStringLiteral("#NOTHING#"), domain).kind, Kind::Available);
}

void TestVerdict::recordsInTheRegistriesFormats_data()
{
    QTest::addColumn<QString>("answer");
    // Registered names as registries show them; none of these holds a not-found statement or a status.
    QTest::newRow("gTLD record") << QStringLiteral("   Domain Name: EXAMPLE.COM\r\n   Registrar: Example Inc.\r\n"
                                                   "   Creation Date: 1995-08-14T04:00:00Z\r\n");
    QTest::newRow("object style") << QStringLiteral("domain:      example.at\nadmin-c:     HM-EXAMPLE\n"
                                                    "tech-c:      HM-EXAMPLE\nsource:      AT-DOM\n");
    QTest::newRow("name servers below their key")
        << QStringLiteral("Domain name:\nexample.ch\n\nName servers:\nns1.example.net\nns2.example.net\n");
    QTest::newRow("indented blocks") << QStringLiteral("    Domain name:\n        example.co.uk\n\n"
                                                       "    Registrant:\n        Example Ltd\n");
    QTest::newRow("bracketed keys") << QStringLiteral("[Domain Name]                   EXAMPLE.JP\n"
                                                      "[Name Server]                   ns1.example.jp\n");
    QTest::newRow("lettered bracketed keys")
        << QStringLiteral("a [Domain Name]                 example.my\nc [Record Created]              13-MAY-2009\n");
    QTest::newRow("dot leaders") << QStringLiteral(" Complete Domain Name........: example.ai\n"
                                                   " Primary Server Hostname....: ns1.example.net\n");
    QTest::newRow("hash separator") << QStringLiteral("Nom de domaine#. . . . . . .example.dz\n"
                                                      "Registrar#. . . . . . . . . example registrar\n");
    QTest::newRow("translated key in parentheses")
        << QStringLiteral("example.cl:\nServidores de nombre (Domain servers):\n    ns1.example.net (192.0.2.1)\n");
    QTest::newRow("Spanish dates") << QStringLiteral("Dominio: example.bo\nFecha de registro: 2006-08-22\n");
    QTest::newRow("accented key") << QStringLiteral("Nombre de Dominio: example.uy\n"
                                                    "Fecha de Creación: 2012-07-03 20:58:58\n");
    QTest::newRow("object name first") << QStringLiteral("domain:Domain-Name:example.ma\ndomain:Created:20090324\n");
    QTest::newRow("key and value between blanks")
        << QStringLiteral("Domain-name         example.sk\ndns_name            ns1.example.net\n");
    QTest::newRow("status of a taken name") << QStringLiteral("Domain: example.de\nStatus: connect\n");
    QTest::newRow("tab-separated fields")
        << QStringLiteral("Domain Name\texample.xy\nRegistrar\tExample Registrar Ltd\n"
                          "Name Server\tns1.example.net\n");
    QTest::newRow("colon and tab") << QStringLiteral("Domain:\texample.xy\r\nRegistrar:\t\tExample Registrar Ltd\r\n");
    QTest::newRow("reserved by the registry") << QStringLiteral("Reserved by Registry\n");
}

void TestVerdict::recordsInTheRegistriesFormats()
{
    QFETCH(QString, answer);
    QCOMPARE(tld::judgeAnswer(answer, defaultSuccessPhrases).kind, Kind::Registered);
}

void TestVerdict::aRecordOutweighsEverythingElse_data()
{
    QTest::addColumn<QString>("answer");
    const QString record = QStringLiteral("Domain Name: QUARRYTIDE.EXAMPLE\r\nRegistrar: Example Registrar\r\n"
                                          "Name Server: NS1.EXAMPLE.NET\r\n");
    QTest::newRow("and a not-found statement")
        << record + QStringLiteral("No match for nameserver NS2.EXAMPLE.NET\r\n");
    QTest::newRow("and an error word") << record + QStringLiteral("Name server check: ERROR (lame delegation)\r\n");
    QTest::newRow("and a rate notice") << QStringLiteral("% Query rate limit exceeded. Reduced information.\r\n") +
                                              record;
}

void TestVerdict::aRecordOutweighsEverythingElse()
{
    QFETCH(QString, answer);
    QCOMPARE(tld::judgeAnswer(answer, defaultSuccessPhrases, QStringLiteral("quarrytide.example")).kind,
             Kind::Registered);
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
    // Limits in words of their own, not in the fixed list of refusals.
    QTest::newRow("limit in other words, then a not-found line")
        << defaultSuccessPhrases << QStringLiteral("Lookup limit of 20 per minute has been exceeded.\nNOT FOUND\n");
    QTest::newRow("quota used up") << defaultSuccessPhrases
                                   << QStringLiteral("The WHOIS query quota for 192.0.2.1 has been exceeded\n");
}

void TestVerdict::refusalsComeBeforeEverything()
{
    QFETCH(QString, phrases);
    QFETCH(QString, answer);
    QCOMPARE(tld::judgeAnswer(answer, phrases, QStringLiteral("quarrytide.example")).kind, Kind::ErrorBlocked);
}

namespace {

// Terms of use in the shape registries append them: a paragraph of wrapped lines with words of prohibition.
const QString termsOfUse =
    QStringLiteral("% By submitting a query you agree to use the data for lawful purposes only. Its\r\n"
                   "% use for advertising, or any use without the prior written consent of the\r\n"
                   "% registry, is not permitted; bulk access is not permitted and will be blocked.\r\n");

} // namespace

void TestVerdict::refusalsCountWhereTheyAreStated_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<Kind>("kind");
    const QString noMatch = QStringLiteral("No match for \"QUARRYTIDE.EXAMPLE\".\r\n");
    QTest::newRow("not-found line, terms below") << noMatch + QStringLiteral("%\r\n") + termsOfUse << Kind::Available;
    QTest::newRow("terms above a not-found line")
        << termsOfUse + QStringLiteral("%\r\n% ") + noMatch << Kind::Available;
    QTest::newRow("terms alone") << termsOfUse << Kind::Unknown;
    QTest::newRow("rate limit above a not-found line")
        << QStringLiteral("% Query rate limit exceeded.\n%\n% ") + noMatch << Kind::ErrorBlocked;
    QTest::newRow("rate limit under a banner, above a not-found line")
        << QStringLiteral("%% Registry WHOIS server\n%% Rights restricted\n%%\n%% Too many requests...\n\n%% No "
                          "entries found.\n")
        << Kind::ErrorBlocked;
    QTest::newRow("refusal line after the terms")
        << termsOfUse + QStringLiteral("%\r\n-3: IP address blocked\r\n") << Kind::ErrorBlocked;
    const QString limitRemark = QStringLiteral("\r\n% Query rate limit exceeded. Reduced information.\r\n\r\n% ");
    QTest::newRow("terms, a limit remark, then the name not found")
        << termsOfUse + limitRemark + noMatch << Kind::Available;
    QTest::newRow("terms, a limit remark, then a not-found line without the name")
        << termsOfUse + limitRemark + QStringLiteral("No entries found.\r\n") << Kind::ErrorBlocked;
    QTest::newRow("not-found line, then a limit remark")
        << noMatch + QStringLiteral("\r\n% Rate limit: 30 queries per minute, try again later.\r\n") << Kind::Available;
    QTest::newRow("refusal opening a paragraph")
        << QStringLiteral("Query limit exceeded for 192.0.2.1: the registry allows 30 queries per minute. ") +
               termsOfUse
        << Kind::ErrorBlocked;
}

void TestVerdict::refusalsCountWhereTheyAreStated()
{
    QFETCH(QString, answer);
    QFETCH(Kind, kind);
    QCOMPARE(tld::judgeAnswer(answer, defaultSuccessPhrases, QStringLiteral("quarrytide.example")).kind, kind);
}

void TestVerdict::errorWordsCountAsWordsOfTheirOwn_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<Kind>("kind");
    QTest::newRow("error-free disclaimer")
        << QStringLiteral("Registrar: X\nWe cannot guarantee that the results are error-free.\n") << Kind::Registered;
    QTest::newRow("error free") << QStringLiteral("Registrar: X\nprovided as is, not error free\n") << Kind::Registered;
    QTest::newRow("errors and omissions")
        << QStringLiteral("Registrar: X\nno liability for errors or omissions\n") << Kind::Registered;
    QTest::newRow("unblocked") << QStringLiteral("Registrar: X\nStatus: unblocked\n") << Kind::Registered;
    QTest::newRow("error-free text alone") << QStringLiteral("Results are error-free.\n") << Kind::Unknown;
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

void TestVerdict::withoutEvidenceTheAnswerIsUnknown_data()
{
    QTest::addColumn<QString>("answer");
    QByteArray junk(2048, '\0');
    for (int i = 0; i < junk.size(); ++i)
        junk[i] = char((i * 131 + 7) % 256);
    QTest::newRow("empty") << QString();
    QTest::newRow("blank lines") << QStringLiteral(" \r\n\r\n\t\r\n");
    QTest::newRow("binary junk") << platform::decodeText(junk);
    QTest::newRow("binary around a statement")
        << platform::decodeText(junk.left(600) + "\nNo match for \"QUARRYTIDE.COM\"\n" + junk.left(600));
    QTest::newRow("refusal in unknown words") << QStringLiteral("Service closed for maintenance until 14:00 UTC.\n");
    QTest::newRow("greeting only") << QStringLiteral("Welcome to the registry's WHOIS service.\r\n");
    QTest::newRow("terms of use only") << QStringLiteral(
        "% The WHOIS service allows persons to check whether a specific domain name is still available\n"
        "% or not. More information is available at https://registry.example/\n");
    QTest::newRow("field not found") << QStringLiteral("Abuse contact: not found\n");
    QTest::newRow("something else not found") << QStringLiteral("Your address was not found in the access list.\n");
    QTest::newRow("web server status line") << QStringLiteral("HTTP/1.1 404 Not Found\r\nServer: x\r\n\r\n");
    QTest::newRow("web page") << QStringLiteral("<html><body><h1>Not Found</h1>\nNot found\n</body></html>\n");
    QTest::newRow("domain name echo only") << QStringLiteral("Domain Name: QUARRYTIDE.EXAMPLE\r\n");
}

void TestVerdict::withoutEvidenceTheAnswerIsUnknown()
{
    QFETCH(QString, answer);
    // The row's own phrases are found anywhere, as their author wrote them; these are the built-in ones.
    QCOMPARE(tld::judgeAnswer(answer, QStringLiteral("#NOTHING#"), QStringLiteral("quarrytide.example")).kind,
             Kind::Unknown);
}

void TestVerdict::realAnswersMeetTheTargets()
{
    const QString folder = testing::whoisAnswersFolder();
    if (folder.isEmpty())
        QSKIP("the shared real WHOIS answers are not on this machine");
    const TldTable table = parseTable(defaultTldRows().join(QStringLiteral("\r\n")));
    QFile manifest(folder + QStringLiteral("/MANIFEST.tsv"));
    QVERIFY(manifest.open(QIODevice::ReadOnly));
    QMap<QString, QMap<Kind, int>> counts;
    const QStringList lines = platform::splitAnyLines(platform::decodeText(manifest.readAll()));
    for (const QString &line : lines.mid(1)) {
        const QStringList fields = line.split(QLatin1Char('\t'));
        QFile file(folder + QLatin1Char('/') + fields.value(0));
        if (fields.size() < 3 || !file.open(QIODevice::ReadOnly))
            continue;
        const QString answer = platform::decodeText(file.readAll());
        // The name asked for is the one the answer repeats most often.
        const QRegularExpression name(QStringLiteral("\\b[a-z0-9-]+\\.") + QRegularExpression::escape(fields.at(1)) +
                                          QStringLiteral("\\b"),
                                      QRegularExpression::CaseInsensitiveOption);
        QMap<QString, int> seen;
        for (auto it = name.globalMatch(answer); it.hasNext();)
            ++seen[it.next().captured().toLower()];
        const QString domain = seen.isEmpty() ? QString() : std::max_element(seen.begin(), seen.end()).key();
        const int row = findTldIndex(table, QStringLiteral("x.") + fields.at(1), false);
        const QString phrases = row >= 0 ? table.at(row).successPhrases : defaultSuccessPhrases;
        ++counts[fields.at(2)][tld::judgeAnswer(answer, phrases, domain).kind];
    }
    const auto share = [&counts](const QString &label, std::initializer_list<Kind> kinds) {
        int hits = 0;
        int total = 0;
        for (auto it = counts[label].cbegin(); it != counts[label].cend(); ++it) {
            total += it.value();
            hits += std::find(kinds.begin(), kinds.end(), it.key()) != kinds.end() ? it.value() : 0;
        }
        return total ? 100.0 * hits / total : 0.0;
    };
    QCOMPARE(counts[QStringLiteral("registered")][Kind::Available], 0);
    QVERIFY(share(QStringLiteral("available"), {Kind::Available}) >= 97.0);
    QVERIFY(share(QStringLiteral("limited"), {Kind::Available, Kind::ErrorBlocked, Kind::Unknown}) >= 95.0);
    QVERIFY(share(QStringLiteral("registered"), {Kind::Registered}) >= 99.0);
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
