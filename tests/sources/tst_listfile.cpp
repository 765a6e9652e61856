#include "TestFolder.h"
#include "sources/ListFile.h"
#include "sources/SourceCatalog.h"

#include <QFile>
#include <QFileInfo>
#include <QtTest>

using sources::ListFile;

class TestListFile : public QObject {
    Q_OBJECT
private slots:
    void entriesAreNumberedSkippingBlankAndCommentLines();
    void lastEntryWithoutLineBreakIsRead();
    void everyLineEndEndsAnEntry_data();
    void everyLineEndEndsAnEntry();
    void positionsBelowOneGiveAnEmptyEntry();
    void missingFileFailsAndCountsZero();
    void rewrittenFileIsReadInItsNewForm();
    void startNumberRule_data();
    void startNumberRule();
    void positionKeysPerSource();
};

void TestListFile::entriesAreNumberedSkippingBlankAndCommentLines()
{
    testing::TestFolder folder;
    const QByteArray text = "a\r\n\r\nb\r\n\r\n \r\n\t \r\n# note\r\n  #x\r\n;;;\r\nc#d\r\n\r\n";
    folder.write(QStringLiteral("list.txt"), text);
    ListFile list(folder.file(QStringLiteral("list.txt")));
    QCOMPARE(list.countListEntries(), 4);
    QCOMPARE(sources::countEntriesInText(text), 4);
    QString entry;
    QCOMPARE(list.readListEntry(1, entry), ListFile::Read::Entry);
    QCOMPARE(entry, QStringLiteral("a"));
    QCOMPARE(list.readListEntry(3, entry), ListFile::Read::Entry);
    QCOMPARE(entry, QStringLiteral(";;;")); // not a name, but an entry: it is reported, not passed over
    QCOMPARE(list.readListEntry(4, entry), ListFile::Read::Entry);
    QCOMPARE(entry, QStringLiteral("c#d"));
    QCOMPARE(list.readListEntry(5, entry), ListFile::Read::End);
}

void TestListFile::lastEntryWithoutLineBreakIsRead()
{
    testing::TestFolder folder;
    folder.write(QStringLiteral("list.txt"), "a\r\nb\rc");
    ListFile list(folder.file(QStringLiteral("list.txt")));
    QCOMPARE(list.countListEntries(), 3);
    QString entry;
    QCOMPARE(list.readListEntry(3, entry), ListFile::Read::Entry);
    QCOMPARE(entry, QStringLiteral("c"));
    QCOMPARE(list.readListEntry(4, entry), ListFile::Read::End);
}

void TestListFile::everyLineEndEndsAnEntry_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("CR LF") << QByteArray("one\r\ntwo\r\n\r\nthree\r\n");
    QTest::newRow("LF") << QByteArray("one\ntwo\n\nthree\n");
    QTest::newRow("CR") << QByteArray("one\rtwo\r\rthree");
    QTest::newRow("mixed") << QByteArray("one\ntwo\r\n\n\rthree\n");
    QTest::newRow("LF CR is two line ends") << QByteArray("one\n\rtwo\n\r\n\rthree\n\r");
}

void TestListFile::everyLineEndEndsAnEntry()
{
    QFETCH(QByteArray, content);
    testing::TestFolder folder;
    folder.write(QStringLiteral("list.txt"), content);
    ListFile list(folder.file(QStringLiteral("list.txt")));
    QCOMPARE(list.countListEntries(), 3);
    QStringList entries;
    QString entry;
    for (int n = 1; list.readListEntry(n, entry) == ListFile::Read::Entry; ++n)
        entries.append(entry);
    QCOMPARE(entries, (QStringList{QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")}));
}

void TestListFile::positionsBelowOneGiveAnEmptyEntry()
{
    testing::TestFolder folder;
    folder.write(QStringLiteral("list.txt"), "a\r\n");
    ListFile list(folder.file(QStringLiteral("list.txt")));
    QString entry = QStringLiteral("x");
    QCOMPARE(list.readListEntry(0, entry), ListFile::Read::Entry);
    QVERIFY(entry.isEmpty());
    QCOMPARE(list.readListEntry(-3, entry), ListFile::Read::Entry);
    QVERIFY(entry.isEmpty());
}

void TestListFile::missingFileFailsAndCountsZero()
{
    ListFile list(QStringLiteral("/nonexistent/list.txt"));
    QCOMPARE(list.countListEntries(), 0);
    QString entry;
    QCOMPARE(list.readListEntry(1, entry), ListFile::Read::Failed);
    ListFile unnamed;
    QCOMPARE(unnamed.readListEntry(1, entry), ListFile::Read::Failed);
}

void TestListFile::rewrittenFileIsReadInItsNewForm()
{
    testing::TestFolder folder;
    folder.write(QStringLiteral("list.txt"), "first\r\nsecond\r\n");
    ListFile list(folder.file(QStringLiteral("list.txt")));
    QString entry;
    list.readListEntry(2, entry);
    QCOMPARE(entry, QStringLiteral("second"));
    folder.write(QStringLiteral("list.txt"), "other\r\nnames\r\nhere\r\n");
    QCOMPARE(list.readListEntry(2, entry), ListFile::Read::Entry);
    QCOMPARE(entry, QStringLiteral("names"));
    QCOMPARE(list.countListEntries(), 3);
    // Rewritten to the same length: only the time tells, set apart here whatever the clock's grain.
    const QDateTime written = QFileInfo(folder.file(QStringLiteral("list.txt"))).lastModified();
    folder.write(QStringLiteral("list.txt"), "ab\r\ncdefgh\r\nijklmn\r\n");
    QFile rewritten(folder.file(QStringLiteral("list.txt")));
    QVERIFY(rewritten.open(QIODevice::ReadWrite));
    QVERIFY(rewritten.setFileTime(written.addSecs(2), QFileDevice::FileModificationTime));
    rewritten.close();
    QCOMPARE(list.readListEntry(2, entry), ListFile::Read::Entry);
    QCOMPARE(entry, QStringLiteral("cdefgh"));
}

void TestListFile::startNumberRule_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("result");
    QTest::newRow("below count") << QStringLiteral("5001") << QStringLiteral("9000") << QStringLiteral("5001");
    QTest::newRow("equal to count is the last entry")
        << QStringLiteral("3") << QStringLiteral("3") << QStringLiteral("3");
    QTest::newRow("above count") << QStringLiteral("5001") << QStringLiteral("100") << QStringLiteral("1");
    QTest::newRow("letters") << QStringLiteral("abc") << QStringLiteral("100") << QStringLiteral("1");
    QTest::newRow("empty") << QString() << QStringLiteral("100") << QStringLiteral("1");
    QTest::newRow("zero stays") << QStringLiteral("0") << QStringLiteral("100") << QStringLiteral("0");
    QTest::newRow("negative stays") << QStringLiteral("-4") << QStringLiteral("100") << QStringLiteral("-4");
}

void TestListFile::startNumberRule()
{
    QFETCH(QString, start);
    QFETCH(QString, count);
    QFETCH(QString, result);
    QCOMPARE(sources::checkedStartNumber(start, count), result);
}

void TestListFile::positionKeysPerSource()
{
    QCOMPARE(sources::sourceCaptions().size(), 9);
    QCOMPARE(sources::sourceNamed(QStringLiteral("All Four Letter"))->positionKey, QStringLiteral("FourWordNum"));
    QCOMPARE(sources::sourceNamed(QStringLiteral("Yahoo Search"))->positionKey, QStringLiteral("YahooWordNum"));
    QVERIFY(sources::sourceNamed(QStringLiteral("Generate names"))->positionKey.isEmpty());
    QVERIFY(!sources::sourceNamed(QStringLiteral("Nothing")));
}

QTEST_GUILESS_MAIN(TestListFile)
#include "tst_listfile.moc"
