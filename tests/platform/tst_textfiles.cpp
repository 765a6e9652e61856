#include "platform/AtomicFile.h"
#include "platform/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestTextFiles : public QObject {
    Q_OBJECT
private slots:
    void atomicWriteReplacesWholeFileAndLeavesNoTemporary();
    void failedAtomicWriteKeepsTheOldFile();
    void answersDecodeAsUtf8OrLatin1();
    void listLinesEndAtCrLfOrLoneCr();
    void anyLinesAcceptLf();
};

void TestTextFiles::atomicWriteReplacesWholeFileAndLeavesNoTemporary()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("TLDs.txt"));
    QVERIFY(platform::writeFileAtomically(path, QByteArray(100000, 'x')));
    // A reader that opened the old file keeps reading all of it: the new file is a different one.
    QFile reader(path);
    QVERIFY(reader.open(QIODevice::ReadOnly));
    QVERIFY(platform::writeFileAtomically(path, "com|a|43|Enabled|25|No match\r\n"));
    QCOMPARE(reader.readAll(), QByteArray(100000, 'x'));
    QCOMPARE(platform::readWholeFile(path), QByteArray("com|a|43|Enabled|25|No match\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("TLDs.txt")});
}

void TestTextFiles::failedAtomicWriteKeepsTheOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("TLDs.txt"));
    QVERIFY(platform::writeFileAtomically(path, "old\r\n"));
    // A directory in the way of the temporary file's rename makes the commit fail.
    QVERIFY(!platform::writeFileAtomically(dir.filePath(QStringLiteral("missing/TLDs.txt")), "new"));
    QDir(dir.path()).mkdir(QStringLiteral("blocked"));
    QVERIFY(!platform::writeFileAtomically(dir.filePath(QStringLiteral("blocked")), "new"));
    QCOMPARE(platform::readWholeFile(path), QByteArray("old\r\n"));
}

void TestTextFiles::answersDecodeAsUtf8OrLatin1()
{
    QCOMPARE(platform::decodeText("Domain: m\xc3\xbcller.de"), QStringLiteral("Domain: m\u00fcller.de"));
    // One stray byte: the whole answer falls back to Latin-1 and keeps every other character.
    const QString latin = platform::decodeText("No match for \xff example.com");
    QVERIFY(latin.contains(QStringLiteral("No match for")));
    QCOMPARE(latin.size(), 26);
}

void TestTextFiles::listLinesEndAtCrLfOrLoneCr()
{
    QCOMPARE(platform::splitListLines(QStringLiteral("a\r\nb\rc\nd\r\n\r\n")),
             (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c\nd"), QString()}));
    QCOMPARE(platform::splitListLines(QStringLiteral("last")), QStringList{QStringLiteral("last")});
    QVERIFY(platform::splitListLines(QString()).isEmpty());
}

void TestTextFiles::anyLinesAcceptLf()
{
    QCOMPARE(platform::splitAnyLines(QStringLiteral("a\nb\r\nc\rd")),
             (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")}));
}

QTEST_GUILESS_MAIN(TestTextFiles)
#include "tst_textfiles.moc"
