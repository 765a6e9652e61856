#include "TestFolder.h"
#include "cli/NameStream.h"
#include "sources/ListFile.h"

#include <QFile>
#include <QtTest>

using cli::NameStream;

namespace {

// Every entry the stream hands out, up to its end marker.
QStringList readAll(NameStream &stream, int from = 1)
{
    QStringList entries;
    for (int n = from;; ++n) {
        const QString entry = stream.readEntry(n);
        if (entry == sources::endMarker)
            return entries;
        entries.append(entry);
    }
}

} // namespace

class TestNameStream : public QObject {
    Q_OBJECT
private slots:
    void lineEnds_data();
    void lineEnds();
    void piecesOfALongFileJoinUp();
    void filesAreOneList();
    void resumedRunSkipsTheNamesBefore();
    void overlongLineIsCut();
    void inputsAreCheckedBeforeTheRun();
    void fileGoneDuringTheRunFails();
    void positionsAndEndAreReported();
};

void TestNameStream::lineEnds_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("crlf") << QByteArray("a\r\nb\r\n") << QStringList{QStringLiteral("a"), QStringLiteral("b")};
    QTest::newRow("lone cr and lf") << QByteArray("a\rb\nc\r\n")
                                    << QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
    QTest::newRow("last line without end")
        << QByteArray("a\r\nb") << QStringList{QStringLiteral("a"), QStringLiteral("b")};
    QTest::newRow("empty lines skipped") << QByteArray("\r\n\n\ra\n\n\r\nb\n\n")
                                         << QStringList{QStringLiteral("a"), QStringLiteral("b")};
    QTest::newRow("blank and comment lines skipped")
        << QByteArray(" \r\n a b \n\t\n# note\n #x\nc#\n;\n \t")
        << QStringList{QStringLiteral(" a b "), QStringLiteral("c#"), QStringLiteral(";")};
    QTest::newRow("empty file") << QByteArray() << QStringList();
    QTest::newRow("latin-1 bytes") << QByteArray("caf\xe9\n") << QStringList{QStringLiteral("caf\u00e9")};
    QTest::newRow("utf-8") << QByteArray("b\xc3\xbc"
                                         "cher\n")
                           << QStringList{QStringLiteral("b\u00fccher")};
}

void TestNameStream::lineEnds()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, entries);
    testing::TestFolder folder;
    folder.write(QStringLiteral("list.txt"), bytes);
    NameStream stream({folder.file(QStringLiteral("list.txt"))});
    QVERIFY(stream.checkInputs());
    QCOMPARE(readAll(stream), entries);
    QCOMPARE(stream.state(), NameStream::State::Ended);
    QCOMPARE(NameStream::countEntries({folder.file(QStringLiteral("list.txt"))}), entries.size());
}

void TestNameStream::piecesOfALongFileJoinUp()
{
    // Lines of every length around the read piece, CR LF pairs split across pieces included.
    testing::TestFolder folder;
    QByteArray bytes;
    QStringList expected;
    for (int i = 0; bytes.size() < 5 * cli::InputFile::pieceSize; ++i) {
        const QByteArray name = QByteArray::number(i) + QByteArray(i % 37, 'x');
        bytes += name + (i % 3 == 0 ? "\r\n" : i % 3 == 1 ? "\n" : "\r\n\r\n");
        expected.append(QString::fromLatin1(name));
    }
    folder.write(QStringLiteral("long.txt"), bytes);
    NameStream stream({folder.file(QStringLiteral("long.txt"))});
    QCOMPARE(readAll(stream), expected);
    QCOMPARE(NameStream::countEntries({folder.file(QStringLiteral("long.txt"))}), expected.size());
}

void TestNameStream::filesAreOneList()
{
    testing::TestFolder folder;
    folder.write(QStringLiteral("one.txt"), "a\r\nb");
    folder.write(QStringLiteral("empty.txt"), "\r\n");
    folder.write(QStringLiteral("two.txt"), "c\nd\n");
    const QStringList inputs = {folder.file(QStringLiteral("one.txt")), folder.file(QStringLiteral("empty.txt")),
                                folder.file(QStringLiteral("two.txt"))};
    NameStream stream(inputs);
    QCOMPARE(readAll(stream),
             (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")}));
    QCOMPARE(NameStream::countEntries(inputs), 4);
    QCOMPARE(NameStream::countEntries(inputs + QStringList{QStringLiteral("-")}), -1);
}

void TestNameStream::resumedRunSkipsTheNamesBefore()
{
    testing::TestFolder folder;
    folder.write(QStringLiteral("one.txt"), "a\nb\n");
    folder.write(QStringLiteral("two.txt"), "c\nd\n");
    NameStream stream({folder.file(QStringLiteral("one.txt")), folder.file(QStringLiteral("two.txt"))});
    QCOMPARE(readAll(stream, 3), (QStringList{QStringLiteral("c"), QStringLiteral("d")}));

    NameStream pastTheEnd({folder.file(QStringLiteral("one.txt"))});
    QCOMPARE(pastTheEnd.readEntry(9), sources::endMarker);
    QCOMPARE(pastTheEnd.state(), NameStream::State::Ended);

    // Asked again for the entry just given (the engine never goes back further).
    NameStream again({folder.file(QStringLiteral("one.txt"))});
    QCOMPARE(again.readEntry(2), QStringLiteral("b"));
    QCOMPARE(again.readEntry(2), QStringLiteral("b"));
    QCOMPARE(again.readEntry(1), sources::endMarker);
    QCOMPARE(again.state(), NameStream::State::Failed);
}

void TestNameStream::overlongLineIsCut()
{
    testing::TestFolder folder;
    const QByteArray huge(3 * 64 * 1024 + 17, 'a');
    folder.write(QStringLiteral("list.txt"), "first\n" + huge + "\r\nnext\n" + huge);
    NameStream stream({folder.file(QStringLiteral("list.txt"))});
    const QStringList entries = readAll(stream);
    QCOMPARE(entries.size(), 4);
    QCOMPARE(entries.at(0), QStringLiteral("first"));
    QCOMPARE(entries.at(1), QString(64 * 1024, QLatin1Char('a'))); // lines are cut at 64 KiB
    QCOMPARE(entries.at(2), QStringLiteral("next"));
    QCOMPARE(entries.at(3), entries.at(1));
}

void TestNameStream::inputsAreCheckedBeforeTheRun()
{
    testing::TestFolder folder;
    folder.write(QStringLiteral("good.txt"), "a\n");
    NameStream missing({folder.file(QStringLiteral("good.txt")), folder.file(QStringLiteral("missing.txt"))});
    QVERIFY(!missing.checkInputs());
    QVERIFY2(missing.error().startsWith(QStringLiteral("cannot read ") + folder.file(QStringLiteral("missing.txt"))),
             qPrintable(missing.error()));
    NameStream folderAsList({folder.appFolder()});
    QVERIFY(!folderAsList.checkInputs());
    QVERIFY2(folderAsList.error().endsWith(QStringLiteral("is a folder")), qPrintable(folderAsList.error()));
    QVERIFY(NameStream({QStringLiteral("-")}).checkInputs());
}

void TestNameStream::fileGoneDuringTheRunFails()
{
    testing::TestFolder folder;
    folder.write(QStringLiteral("one.txt"), "a\n");
    folder.write(QStringLiteral("two.txt"), "b\n");
    NameStream stream({folder.file(QStringLiteral("one.txt")), folder.file(QStringLiteral("two.txt"))});
    QVERIFY(stream.checkInputs());
    QCOMPARE(stream.readEntry(1), QStringLiteral("a"));
    QVERIFY(QFile::remove(folder.file(QStringLiteral("two.txt"))));
    QCOMPARE(stream.readEntry(2), sources::endMarker);
    QCOMPARE(stream.state(), NameStream::State::Failed);
    QVERIFY2(stream.error().contains(QStringLiteral("two.txt")), qPrintable(stream.error()));
}

void TestNameStream::positionsAndEndAreReported()
{
    testing::TestFolder folder;
    folder.write(QStringLiteral("list.txt"), "a\n");
    NameStream stream({folder.file(QStringLiteral("list.txt"))});
    QList<int> saved;
    int ends = 0;
    stream.setPositionSink([&saved](int next) { saved.append(next); });
    stream.setEndHandler([&ends] { ++ends; });
    stream.readEntry(1);
    stream.savePositions(2);
    QCOMPARE(ends, 0);
    QCOMPARE(stream.readEntry(2), sources::endMarker);
    QCOMPARE(saved, QList<int>{2});
    QCOMPARE(ends, 1);
}

QTEST_GUILESS_MAIN(TestNameStream)
#include "tst_namestream.moc"
