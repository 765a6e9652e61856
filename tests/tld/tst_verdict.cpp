#include "platform/TextCodec.h"
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
