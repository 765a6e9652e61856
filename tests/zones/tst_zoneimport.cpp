#include "ZoneFiles.h"
#include "zones/MasterFileReader.h"
#include "zones/ZoneImport.h"
#include "zones/ZoneIndex.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace zones;

namespace {

const QStringList comNames = {QStringLiteral("example"), QStringLiteral("shop"), QStringLiteral("xn--bcher-kva")};

// The general forms of the master-file format, in one zone of .net.
const QByteArray generalForms = "$ORIGIN net.\n"
                                "$TTL 3600\n"
                                "@ IN SOA ns.net. admin.net. (\r\n"
                                "        42 ; serial\n"
                                "        3600 900 604800 86400 )\n"
                                "; a comment line\n"
                                "shop  IN NS ns1.shop   ; relative owner\n"
                                "      IN NS ns2.shop   ; blank owner: shop again\n"
                                "MiXeD 300 NS ns1.example.org.\n"
                                "late IN 300 NS ns1.example.org.\n"
                                "deep.sub NS ns.example.org.\n"
                                "quoted.net. TXT \"a ; ( quote\" (\n"
                                "    \"more\" )\n"
                                "$ORIGIN inner.net.\n"
                                "below NS ns.example.org.\n"
                                "$ORIGIN net.\n"
                                "after NS ns.example.org.\n"
                                "escaped\\.dot NS ns.example.org.\n"
                                "outside.org. NS ns.example.org.\n"
                                "last NS ns.example.org.";

QStringList words(const char *text)
{
    return QString::fromLatin1(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

struct Recorder : DelegationSink {
    QStringList labels;
    void delegated(std::string_view label) override { labels.append(QString::fromLatin1(label)); }
};

} // namespace

class TestZoneImport : public QObject {
    Q_OBJECT
private slots:
    void importsEveryFormOrSaysWhyNot_data();
    void importsEveryFormOrSaysWhyNot();
    void readsTheSameWhateverPiecesTheTextComesIn();
};

void TestZoneImport::importsEveryFormOrSaysWhyNot_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("tld");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("error");

    const QByteArray com = testing::czdsZone(QStringLiteral("com"), comNames);
    const QByteArray noSoaOrigin = "@ IN SOA ns.org. admin.org. 7 1 1 1 1\nwiki IN NS ns.example.net.\n";
    QByteArray damaged = testing::gzip(com);
    damaged[damaged.size() / 2] = char(damaged[damaged.size() / 2] ^ 0x55);
    damaged[damaged.size() / 2 + 1] = char(damaged[damaged.size() / 2 + 1] ^ 0x55);

    QTest::newRow("as the zone service delivers it") << com << QString() << comNames << QString();
    QTest::newRow("gzip") << testing::gzip(com) << QStringLiteral("com") << comNames << QString();
    QTest::newRow("gzip of two members") << testing::gzip(com.left(100)) + testing::gzip(com.mid(100)) << QString()
                                         << comNames << QString();
    QTest::newRow("general forms") << generalForms << QString() << words("after last late mixed shop") << QString();
    QTest::newRow("relative SOA, the TLD given") << noSoaOrigin << QStringLiteral("org") << words("wiki") << QString();
    QTest::newRow("relative SOA, no TLD")
        << noSoaOrigin << QString() << QStringList() << QStringLiteral("say which TLD");
    QTest::newRow("a word list") << QByteArray("example\nshop\n") << QString() << QStringList()
                                 << QStringLiteral("this is not a zone file");
    QTest::newRow("empty") << QByteArray() << QString() << QStringList() << QStringLiteral("holds no SOA record");
    QTest::newRow("another TLD's zone") << com << QStringLiteral("net") << QStringList()
                                        << QStringLiteral("this is the zone of .com, not of .net");
    QTest::newRow("truncated gzip") << testing::gzip(com).chopped(12) << QString() << QStringList()
                                    << QStringLiteral("cut short");
    QTest::newRow("damaged gzip") << damaged << QString() << QStringList() << QStringLiteral("damaged");
    QTest::newRow("parenthesis never closed") << QByteArray("com. IN SOA a. b. ( 1 2 3 4 5\nx.com. NS a.\n")
                                              << QString() << QStringList() << QStringLiteral("not closed");
    QTest::newRow("$INCLUDE") << QByteArray("com. SOA a. b. 1 2 3 4 5\n$INCLUDE /etc/passwd\n") << QString()
                              << QStringList() << QStringLiteral("$INCLUDE is not supported");
    QTest::newRow("no delegations") << QByteArray("com. SOA a. b. 1 2 3 4 5\ncom. NS a.nic.com.\n") << QString()
                                    << QStringList() << QStringLiteral("delegates no names");
    QTest::newRow("a zone named to escape the folder")
        << QByteArray("../../x. SOA a. b. 1 2 3 4 5\nn.../../x. NS a.\n") << QString() << QStringList()
        << QStringLiteral("is not a domain name");
    QTest::newRow("a line of 2 MiB") << QByteArray("com. SOA a. b. 1 2 3 4 5\n") + QByteArray(2 << 20, 'x') << QString()
                                     << QStringList() << QStringLiteral("longer than 1 MiB");
}

void TestZoneImport::importsEveryFormOrSaysWhyNot()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, tld);
    QFETCH(QStringList, names);
    QFETCH(QString, error);
    QTemporaryDir dir;
    const QString zoneFile = dir.filePath(QStringLiteral("zone.txt"));
    QVERIFY(testing::writeFile(zoneFile, file));
    const QString folder = dir.filePath(QStringLiteral("zones"));

    ZoneImport import(zoneFile, folder, tld);
    QCOMPARE(import.run(), error.isEmpty());
    if (!error.isEmpty()) {
        QVERIFY2(import.error().contains(error), qPrintable(import.error()));
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList());
        return;
    }
    QString problem;
    const auto index = ZoneIndex::open(import.indexFile(), import.info().tld, &problem);
    QVERIFY2(index, qPrintable(problem));
    QCOMPARE(index->info().count, quint64(names.size()));
    for (const QString &name : names)
        QVERIFY2(index->containsLabel(name.toStdString()), qPrintable(name));
    for (const char *absent : {"nic", "deep", "sub", "below", "inner", "outside", "quoted", "escaped", "a"})
        QVERIFY2(!index->containsLabel(absent), absent);
}

void TestZoneImport::readsTheSameWhateverPiecesTheTextComesIn()
{
    Recorder whole;
    MasterFileReader wholeReader(whole);
    QVERIFY(wholeReader.feed(std::string_view(generalForms.constData(), size_t(generalForms.size()))));
    QVERIFY(wholeReader.finish());
    QCOMPARE(whole.labels, words("shop mixed late after last"));
    QCOMPARE(wholeReader.serial(), 42U);

    Recorder pieces;
    MasterFileReader pieceReader(pieces);
    for (const char c : generalForms)
        QVERIFY(pieceReader.feed(std::string_view(&c, 1)));
    QVERIFY(pieceReader.finish());
    QCOMPARE(pieces.labels, whole.labels);
}

QTEST_GUILESS_MAIN(TestZoneImport)
#include "tst_zoneimport.moc"
