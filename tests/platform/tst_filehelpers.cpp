#include "TestFolder.h"
#include "platform/FileHelpers.h"

#include <QDir>
#include <QtTest>

using namespace platform;

class TestFileHelpers : public QObject {
    Q_OBJECT
private slots:
    void fileExistsIgnoresCaseAndRejectsFolders();
    void dirExistsIgnoresCase();
    void copyReplacesTargetAndIgnoresFailures();
    void fileNamePartTakesTextAfterLastSeparator_data();
    void fileNamePartTakesTextAfterLastSeparator();
};

void TestFileHelpers::fileExistsIgnoresCaseAndRejectsFolders()
{
    testing::TestFolder folder;
    folder.write(QStringLiteral("wordlists/FullWordList.txt"), "a\r\n");
    QVERIFY(fileExists(folder.file(QStringLiteral("wordlists/FullWordList.txt"))));
    QVERIFY(fileExists(folder.file(QStringLiteral("Wordlists\\fullwordlist.txt"))));
    QVERIFY(!fileExists(folder.file(QStringLiteral("wordlists"))));
    QVERIFY(!fileExists(folder.file(QStringLiteral("nowhere/FullWordList.txt"))));
    QVERIFY(!fileExists(QString()));
}

void TestFileHelpers::dirExistsIgnoresCase()
{
    testing::TestFolder folder;
    QDir(folder.appFolder()).mkdir(QStringLiteral("overflow"));
    QVERIFY(dirExists(folder.file(QStringLiteral("OverFlow"))));
    QVERIFY(dirExists(folder.file(QStringLiteral("Overflow\\"))));
    QVERIFY(!dirExists(folder.file(QStringLiteral("backups"))));
    folder.write(QStringLiteral("plain.txt"), "x");
    QVERIFY(!dirExists(folder.file(QStringLiteral("plain.txt"))));
}

void TestFileHelpers::copyReplacesTargetAndIgnoresFailures()
{
    testing::TestFolder folder;
    folder.write(QStringLiteral("BrowserSearch.txt"), "example.com\r\n\r\n");
    folder.write(QStringLiteral("searches/Google old.txt"), "something longer that must go\r\n");
    QVERIFY(copyFile(folder.file(QStringLiteral("BrowserSearch.txt")),
                     folder.file(QStringLiteral("Searches\\Google old.txt"))));
    QCOMPARE(folder.read(QStringLiteral("searches/Google old.txt")), QByteArray("example.com\r\n\r\n"));
    QVERIFY(!copyFile(folder.file(QStringLiteral("missing.txt")), folder.file(QStringLiteral("x.txt"))));
    QVERIFY(!copyFile(folder.file(QStringLiteral("BrowserSearch.txt")), folder.file(QStringLiteral("no/dir/x.txt"))));
    QVERIFY(!QFile::exists(folder.file(QStringLiteral("x.txt"))));
}

void TestFileHelpers::fileNamePartTakesTextAfterLastSeparator_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("name");
    QTest::newRow("backslashes") << QStringLiteral("C:\\data\\TLDs.txt") << QStringLiteral("TLDs.txt");
    QTest::newRow("slashes") << QStringLiteral("/home/u/Remembered.txt") << QStringLiteral("Remembered.txt");
    QTest::newRow("bare") << QStringLiteral("Appends.txt") << QStringLiteral("Appends.txt");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("folder") << QStringLiteral("a\\b\\") << QString();
}

void TestFileHelpers::fileNamePartTakesTextAfterLastSeparator()
{
    QFETCH(QString, path);
    QFETCH(QString, name);
    QCOMPARE(fileNamePart(path), name);
}

QTEST_GUILESS_MAIN(TestFileHelpers)
#include "tst_filehelpers.moc"
