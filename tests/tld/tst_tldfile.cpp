#include "TestFolder.h"
#include "tld/DefaultTlds.h"
#include "tld/TldFile.h"
#include "tld/TldRegistry.h"

#include <QtTest>

using namespace tld;

class TestTldFile : public QObject {
    Q_OBJECT
private slots:
    void builtInTableIsWrittenWholeWithItsPorts();
    void missingFileIsWrittenExistingOneIsKept();
    void restoreReplacesAnEditedFile();
    void loadConvertsFieldsAndSkipsBlankLines();
    void loadSkipsMalformedRows_data();
    void loadSkipsMalformedRows();
    void fileOfBlankLinesKeepsTheLoadedTable();
    void unreadableAndBinaryFilesDoNotBreakLoading();
    void saveReplacesEveryRowOfAnExtensionOrAppends();
    void saveOnMissingFileWritesTheRowAlone();
    void chooserAndGeneratorListsFollowTheirRules();
    void viewRowsKeepFieldsAsStored();
};

void TestTldFile::builtInTableIsWrittenWholeWithItsPorts()
{
    testing::TestFolder folder;
    TldFile file(folder.file(QStringLiteral("TLDs.txt")));
    QVERIFY(file.writeDefaultTlds(false));
    TldTable table;
    QVERIFY(file.loadTldTable(table));
    QCOMPARE(table.size(), 134);
    for (const TldRecord &row : table) {
        QCOMPARE(row.port, isRdapServer(row.server) ? 443 : 43);
        QCOMPARE(row.throttle, 25);
        QVERIFY2(!row.server.isEmpty(), qPrintable(row.extension));
    }
    QCOMPARE(table.at(findTldIndex(table, QStringLiteral("x.proxy"), false)).server, QStringLiteral("127.0.0.1"));
    const QByteArray bytes = folder.read(QStringLiteral("TLDs.txt"));
    QCOMPARE(bytes.count("\r\n"), 134);
    QVERIFY(bytes.endsWith("\r\n"));
}

void TestTldFile::missingFileIsWrittenExistingOneIsKept()
{
    testing::TestFolder folder;
    folder.write(QStringLiteral("TLDs.txt"), "com|my.server|4343|Enabled|5|free\r\n");
    TldFile file(folder.file(QStringLiteral("TLDs.txt")));
    QVERIFY(file.writeDefaultTlds(false));
    QCOMPARE(folder.read(QStringLiteral("TLDs.txt")), QByteArray("com|my.server|4343|Enabled|5|free\r\n"));
}

void TestTldFile::restoreReplacesAnEditedFile()
{
    testing::TestFolder folder;
    folder.write(QStringLiteral("TLDs.txt"), "com|my.server|4343|Enabled|5|free\r\n");
    TldFile file(folder.file(QStringLiteral("TLDs.txt")));
    QVERIFY(file.writeDefaultTlds(true));
    TldTable table;
    QVERIFY(file.loadTldTable(table));
    QCOMPARE(table.size(), 134);
}

void TestTldFile::loadConvertsFieldsAndSkipsBlankLines()
{
    const TldTable table = parseTable(QStringLiteral("\r\nCom|WHOIS.Example.NET|43|Enabled|25|No Match\r\n \r\n"
                                                     "uk|whois.nic.uk|4343|enabled|0|No match for\n"
                                                     "de|whois.denic.de|43|Disabled|100|free\r\n\r\n"));
    QCOMPARE(table.size(), 3);
    QCOMPARE(table.at(0).extension, QStringLiteral("com"));
    QCOMPARE(table.at(0).server, QStringLiteral("whois.example.net"));
    QCOMPARE(table.at(0).successPhrases, QStringLiteral("No Match"));
    QVERIFY(table.at(0).enabled);
    QCOMPARE(table.at(1).port, 4343);
    QVERIFY(!table.at(1).enabled); // only the exact text "Enabled" enables a row
    QCOMPARE(table.at(2).throttle, 100);
}

void TestTldFile::loadSkipsMalformedRows_data()
{
    QTest::addColumn<QString>("badRow");
    QTest::addColumn<QString>("problem");
    QTest::newRow("five fields") << QStringLiteral("org|whois.pir.org|43|Enabled|25")
                                 << QStringLiteral("it has 5 of the six fields separated by \"|\"");
    QTest::newRow("port not a number") << QStringLiteral("org|whois.pir.org|forty|Enabled|25|x")
                                       << QStringLiteral("the port \"forty\" is not a number from 0 to 65535");
    QTest::newRow("port out of range") << QStringLiteral("org|whois.pir.org|70000|Enabled|25|x")
                                       << QStringLiteral("the port \"70000\" is not a number from 0 to 65535");
    QTest::newRow("throttle not a number") << QStringLiteral("org|whois.pir.org|43|Enabled|slow|x")
                                           << QStringLiteral("the throttle \"slow\" is not a number");
    QTest::newRow("100 kB row") << QStringLiteral("org|") + QString(100000, QLatin1Char('a'))
                                << QStringLiteral("it has 2 of the six fields separated by \"|\"");
    QTest::newRow("100 kB port")
        << QStringLiteral("org|s|") + QString(100000, QLatin1Char('4')) + QStringLiteral("|Enabled|25|x")
        << QStringLiteral("the port \"%1...\" is not a number from 0 to 65535").arg(QString(40, QLatin1Char('4')));
}

void TestTldFile::loadSkipsMalformedRows()
{
    QFETCH(QString, badRow);
    QFETCH(QString, problem);
    QCOMPARE(rowProblem(badRow), problem);
    const TldTable table = parseTable(QStringLiteral("com|a|43|Enabled|25|x\r\n") + badRow +
                                      QStringLiteral("\r\nnet|b|43|Enabled|25|y\r\n"));
    QCOMPARE(table.size(), 2);
    QCOMPARE(table.at(1).extension, QStringLiteral("net"));
}

void TestTldFile::fileOfBlankLinesKeepsTheLoadedTable()
{
    testing::TestFolder folder;
    folder.write(QStringLiteral("TLDs.txt"), "com|a|43|Enabled|25|x\r\n");
    TldRegistry registry(folder.file(QStringLiteral("TLDs.txt")));
    QVERIFY(registry.loadTldTable());
    folder.write(QStringLiteral("TLDs.txt"), "\r\n \r\n\r\n");
    QVERIFY(!registry.loadTldTable());
    QCOMPARE(registry.table().size(), 1);
}

void TestTldFile::unreadableAndBinaryFilesDoNotBreakLoading()
{
    testing::TestFolder folder;
    TldRegistry registry(folder.file(QStringLiteral("TLDs.txt")));
    QVERIFY(!registry.loadTldTable());
    QVERIFY(registry.table().isEmpty());
    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary.append(char(i * 37));
    folder.write(QStringLiteral("TLDs.txt"), binary + "\r\nnet|b|43|Enabled|25|y\r\n");
    QVERIFY(registry.loadTldTable());
    QCOMPARE(registry.table().constLast().extension, QStringLiteral("net"));
}

void TestTldFile::saveReplacesEveryRowOfAnExtensionOrAppends()
{
    testing::TestFolder folder;
    folder.write(QStringLiteral("TLDs.txt"), "here|a|43|Disabled|25|x\r\n\r\ncom|c|43|Enabled|25|y\r\n"
                                             "here|b|43|Disabled|25|z\r\n");
    TldFile file(folder.file(QStringLiteral("TLDs.txt")));
    QVERIFY(file.saveTldRow(QStringLiteral("HERE"), QStringLiteral("new"), QStringLiteral("44"), QStringLiteral("10"),
                            QStringLiteral("gone"), true));
    QCOMPARE(folder.read(QStringLiteral("TLDs.txt")),
             QByteArray("here|new|44|Enabled|10|gone\r\ncom|c|43|Enabled|25|y\r\nhere|new|44|Enabled|10|gone\r\n"));
    QVERIFY(file.saveTldRow(QStringLiteral("CO.UK"), QStringLiteral("whois.nic.uk"), QStringLiteral("43"),
                            QStringLiteral("25"), defaultSuccessPhrases, false));
    QVERIFY(folder.read(QStringLiteral("TLDs.txt"))
                .endsWith("co.uk|whois.nic.uk|43|Disabled|25|" + defaultSuccessPhrases.toLatin1() + "\r\n"));
    QVERIFY(!QFile::exists(folder.file(QStringLiteral("TLDsCopy.txt"))));
}

void TestTldFile::saveOnMissingFileWritesTheRowAlone()
{
    testing::TestFolder folder;
    TldFile file(folder.file(QStringLiteral("TLDs.txt")));
    QVERIFY(file.saveTldRow(QStringLiteral("io"), QStringLiteral("whois.nic.io"), QStringLiteral("43"),
                            QStringLiteral("25"), QStringLiteral("NOT FOUND"), true));
    QCOMPARE(folder.read(QStringLiteral("TLDs.txt")), QByteArray("io|whois.nic.io|43|Enabled|25|NOT FOUND\r\n"));
}

void TestTldFile::chooserAndGeneratorListsFollowTheirRules()
{
    testing::TestFolder folder;
    folder.write(QStringLiteral("TLDs.txt"), "Com|a|43|Enabled|25|x\r\nproxy|127.0.0.1|43|Enabled|25|x\r\n"
                                             " net |b|43|Enabled|25|x\r\norg|c|43|enabled|25|x\r\n"
                                             "  |d|43|Enabled\r\nde|e|43\r\nno bars here\r\n");
    TldFile file(folder.file(QStringLiteral("TLDs.txt")));
    QCOMPARE(file.chooserItems(), (QStringList{QStringLiteral("Com"), QStringLiteral("net")}));
    QCOMPARE(file.generatorItems(),
             (QStringList{QStringLiteral(".Com"), QStringLiteral(". net "), QStringLiteral(".  ")}));
    TldFile missing(folder.file(QStringLiteral("none.txt")));
    QVERIFY(missing.chooserItems().isEmpty());
}

void TestTldFile::viewRowsKeepFieldsAsStored()
{
    testing::TestFolder folder;
    folder.write(QStringLiteral("TLDs.txt"), "Com|WHOIS.A|43|enabled|25|No Match\r\nbad|row\r\n");
    const QList<QStringList> rows = TldFile(folder.file(QStringLiteral("TLDs.txt"))).listTldsInView();
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.at(0), (QStringList{QStringLiteral("Com"), QStringLiteral("WHOIS.A"), QStringLiteral("43"),
                                      QStringLiteral("enabled"), QStringLiteral("25"), QStringLiteral("No Match")}));
}

QTEST_GUILESS_MAIN(TestTldFile)
#include "tst_tldfile.moc"
