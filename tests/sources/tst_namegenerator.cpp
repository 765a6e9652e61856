#include "TestFolder.h"
#include "sources/AffixFile.h"
#include "sources/NameGenerator.h"

#include <QtTest>

using sources::GeneratorOptions;
using sources::GeneratorRequest;
using sources::NameGenerator;

namespace {

struct Run {
    QStringList statuses;
    int written = -1;
    int finished = -1;
};

QStringList list(std::initializer_list<const char *> items)
{
    QStringList result;
    for (const char *item : items)
        result.append(QString::fromUtf8(item));
    return result;
}

// Records what a generation reports; the caller waits for the hand-over.
void watch(NameGenerator &generator, Run &run)
{
    QObject::connect(&generator, &NameGenerator::statusChanged, &generator,
                     [&run](const QString &text) { run.statuses.append(text); });
    QObject::connect(&generator, &NameGenerator::written, &generator, [&run](int count) { run.written = count; });
    QObject::connect(&generator, &NameGenerator::finished, &generator, [&run](int count) { run.finished = count; });
}

GeneratorRequest request(const testing::TestFolder &folder, const QString &base, const QStringList &tlds,
                         GeneratorOptions options = {})
{
    return {base, tlds, options, folder.file(QStringLiteral("Appends.txt")),
            folder.file(QStringLiteral("CreatedDomains.txt"))};
}

QByteArray listText(const QStringList &names)
{
    QByteArray text;
    for (const QString &name : names)
        text += name.toUtf8() + "\r\n\r\n";
    return text;
}

} // namespace

class TestNameGenerator : public QObject {
    Q_OBJECT
private slots:
    void baseWithTwoAffixesGivesTheDocumentedOrder();
    void forms_data();
    void forms();
    void namesThatArePublicSuffixesAreLeftOut();
    void sixHundredAffixesReportProgressEveryThousandNames();
    void missingAffixFileStillGivesTheBareNames();
    void cancelWritesNothing();
    void unwritableListStartsNoRun();
    void affixFileSkipsBlankLinesAndKeepsDuplicates();
    void addedAffixNeverRunsIntoAnUnendedLastLine();
    void deletingADoubledAffixRemovesEveryCopy();
};

void TestNameGenerator::baseWithTwoAffixesGivesTheDocumentedOrder()
{
    testing::TestFolder folder;
    folder.write(QStringLiteral("Appends.txt"), "my\r\n\r\npro\r\n");
    folder.write(QStringLiteral("CreatedDomains.txt"), "old\r\n");
    NameGenerator generator;
    Run run;
    watch(generator, run);
    QVERIFY(generator.start(request(folder, QStringLiteral("example"), list({".com", ".NET"}))));
    QTRY_VERIFY_WITH_TIMEOUT(run.finished >= 0, 10000);
    const QByteArray expected =
        "example.com\r\n\r\nexample.net\r\n\r\n"
        "myexample.com\r\n\r\nmyexample.net\r\n\r\nmy-example.com\r\n\r\nmy-example.net\r\n\r\n"
        "examplemy.com\r\n\r\nexamplemy.net\r\n\r\nexample-my.com\r\n\r\nexample-my.net\r\n\r\n"
        "proexample.com\r\n\r\nproexample.net\r\n\r\npro-example.com\r\n\r\npro-example.net\r\n\r\n"
        "examplepro.com\r\n\r\nexamplepro.net\r\n\r\nexample-pro.com\r\n\r\nexample-pro.net\r\n\r\n";
    QCOMPARE(folder.read(QStringLiteral("CreatedDomains.txt")), expected);
    QCOMPARE(run.written, 18);
    QCOMPARE(run.finished, 18);
    QCOMPARE(generator.names()->rowCount(), 18);
    QCOMPARE(generator.names()->data(generator.names()->index(2)).toString(), QStringLiteral("myexample.com"));
    QCOMPARE(run.statuses, QStringList({QStringLiteral("Created 18 domains...  Sorting..."),
                                        QStringLiteral("Created 18 domains...  Search Started")}));
}

void TestNameGenerator::forms_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<QByteArray>("affixes");
    QTest::addColumn<int>("options"); // bit 0 prefixes, bit 1 suffixes, bit 2 hyphens
    QTest::addColumn<QStringList>("names");

    QTest::newRow("one-character base has no bare name") << "a" << QByteArray("b\r\n") << 1 << list({"ba.com"});
    QTest::newRow("blanks go, as from every entry")
        << "Two words" << QByteArray("My\r\n") << 1 << list({"twowords.com", "mytwowords.com"});
    QTest::newRow("blanks in an affix go too") << "ab" << QByteArray("m y\r\n") << 2 << list({"ab.com", "abmy.com"});
    QTest::newRow("hyphens alone make only bare names")
        << "example" << QByteArray("my\r\n") << 4 << list({"example.com"});
    // "my-.com" is no name: a label never ends in a hyphen.
    QTest::newRow("empty base") << "" << QByteArray("my\r\n") << 5 << list({"my.com"});
    QTest::newRow("labels longer than 63 characters are left out")
        << QString(60, QLatin1Char('a')) << QByteArray("bcd\r\nbcdefg\r\n") << 2
        << list({qPrintable(QString(60, QLatin1Char('a')) + QStringLiteral(".com")),
                 qPrintable(QString(60, QLatin1Char('a')) + QStringLiteral("bcd.com"))});
    QTest::newRow("suffixes with hyphens")
        << "go" << QByteArray("x\r\n \r\ny\r\n") << 6 << list({"go.com", "gox.com", "go-x.com", "goy.com", "go-y.com"});
}

void TestNameGenerator::forms()
{
    QFETCH(QString, base);
    QFETCH(QByteArray, affixes);
    QFETCH(int, options);
    QFETCH(QStringList, names);
    testing::TestFolder folder;
    folder.write(QStringLiteral("Appends.txt"), affixes);
    NameGenerator generator;
    const GeneratorOptions chosen{(options & 1) != 0, (options & 2) != 0, (options & 4) != 0};
    Run run;
    watch(generator, run);
    QVERIFY(generator.start(request(folder, base, list({".com"}), chosen)));
    QTRY_VERIFY_WITH_TIMEOUT(run.finished >= 0, 10000);
    QCOMPARE(generator.names()->names(), names);
    QCOMPARE(folder.read(QStringLiteral("CreatedDomains.txt")), listText(names));
    QCOMPARE(run.finished, int(names.size()));
}

void TestNameGenerator::namesThatArePublicSuffixesAreLeftOut()
{
    // "c" and "o" make "co", and "co.uk" is a public suffix: nobody can register it.
    testing::TestFolder folder;
    folder.write(QStringLiteral("Appends.txt"), "o\r\n");
    NameGenerator generator;
    Run run;
    watch(generator, run);
    QVERIFY(generator.start(request(folder, QStringLiteral("c"), list({".uk", ".com"}), {false, true, false})));
    QTRY_VERIFY_WITH_TIMEOUT(run.finished >= 0, 10000);
    QCOMPARE(generator.names()->names(), list({"co.com"}));
}

void TestNameGenerator::sixHundredAffixesReportProgressEveryThousandNames()
{
    testing::TestFolder folder;
    QByteArray affixes;
    for (int i = 1; i <= 600; ++i)
        affixes += "w" + QByteArray::number(i) + "\r\n";
    folder.write(QStringLiteral("Appends.txt"), affixes);
    NameGenerator generator;
    Run run;
    watch(generator, run);
    QVERIFY(generator.start(request(folder, QStringLiteral("base"), list({".com", ".net"}))));
    QTRY_VERIFY_WITH_TIMEOUT(run.finished >= 0, 10000);
    // Two bare names, then eight per affix: the reports fall after the 125th, 250th, 375th and 500th affix.
    QCOMPARE(run.statuses, QStringList({QStringLiteral("Creating Domains - Created 1002 so far..."),
                                        QStringLiteral("Creating Domains - Created 2002 so far..."),
                                        QStringLiteral("Creating Domains - Created 3002 so far..."),
                                        QStringLiteral("Creating Domains - Created 4002 so far..."),
                                        QStringLiteral("Created 4802 domains...  Sorting..."),
                                        QStringLiteral("Created 4802 domains...  Search Started")}));
    QCOMPARE(run.finished, 4802);
    QCOMPARE(generator.names()->name(4801), QStringLiteral("base-w600.net"));
    QCOMPARE(folder.read(QStringLiteral("CreatedDomains.txt")).count("\r\n\r\n"), 4802);
}

void TestNameGenerator::missingAffixFileStillGivesTheBareNames()
{
    testing::TestFolder folder;
    NameGenerator generator;
    Run run;
    watch(generator, run);
    QVERIFY(generator.start(request(folder, QStringLiteral("solo"), list({".com", ".org"}))));
    QTRY_VERIFY_WITH_TIMEOUT(run.finished >= 0, 10000);
    QCOMPARE(run.finished, 2);
    QCOMPARE(folder.read(QStringLiteral("CreatedDomains.txt")), QByteArray("solo.com\r\n\r\nsolo.org\r\n\r\n"));
}

void TestNameGenerator::cancelWritesNothing()
{
    testing::TestFolder folder;
    folder.write(QStringLiteral("Appends.txt"), "my\r\n");
    folder.write(QStringLiteral("CreatedDomains.txt"), "old\r\n");
    NameGenerator generator;
    QSignalSpy finished(&generator, &NameGenerator::finished);
    QVERIFY(generator.start(request(folder, QStringLiteral("example"), list({".com"}))));
    QVERIFY(!generator.start(request(folder, QStringLiteral("other"), list({".com"})))); // one at a time
    generator.cancel();
    QVERIFY(!generator.isRunning());
    QTest::qWait(50); // the slice that would have run
    QCOMPARE(finished.count(), 0);
    QCOMPARE(folder.read(QStringLiteral("CreatedDomains.txt")), QByteArray("old\r\n"));
}

void TestNameGenerator::unwritableListStartsNoRun()
{
    testing::TestFolder folder;
    QDir(folder.appFolder()).mkdir(QStringLiteral("CreatedDomains.txt")); // a folder where the file should be
    NameGenerator generator;
    QSignalSpy failed(&generator, &NameGenerator::writeFailed);
    QSignalSpy finished(&generator, &NameGenerator::finished);
    QVERIFY(generator.start(request(folder, QStringLiteral("example"), list({".com"}))));
    QVERIFY(failed.wait(5000));
    QCOMPARE(failed.constFirst().constFirst().toString(), folder.file(QStringLiteral("CreatedDomains.txt")));
    QVERIFY(!generator.isRunning());
    QCOMPARE(finished.count(), 0);
}

void TestNameGenerator::affixFileSkipsBlankLinesAndKeepsDuplicates()
{
    testing::TestFolder folder;
    folder.write(QStringLiteral("Appends.txt"), "my\r\n\r\n \r\npro\rpro\n\n  \nlast");
    const sources::AffixFile file(folder.file(QStringLiteral("Appends.txt")));
    QCOMPARE(file.readAffixes(), list({"my", "pro", "pro", "  ", "last"}));
}

void TestNameGenerator::addedAffixNeverRunsIntoAnUnendedLastLine()
{
    testing::TestFolder folder;
    folder.write(QStringLiteral("Appends.txt"), "my\r\nlast");
    const sources::AffixFile file(folder.file(QStringLiteral("Appends.txt")));
    QVERIFY(file.addAffix(QStringLiteral("new")));
    QVERIFY(file.addAffix(QString()));
    QCOMPARE(folder.read(QStringLiteral("Appends.txt")), QByteArray("my\r\nlast\r\nnew\r\n\r\n"));
    QCOMPARE(file.readAffixes(), list({"my", "last", "new"}));
}

void TestNameGenerator::deletingADoubledAffixRemovesEveryCopy()
{
    testing::TestFolder folder;
    folder.write(QStringLiteral("Appends.txt"), "my\npro\nPro\r\nget\npro\n");
    const sources::AffixFile file(folder.file(QStringLiteral("Appends.txt")));
    QVERIFY(file.deleteAffix(QStringLiteral("pro")));
    QCOMPARE(folder.read(QStringLiteral("Appends.txt")), QByteArray("my\r\nPro\r\nget\r\n\r\n"));
    QCOMPARE(file.readAffixes(), list({"my", "Pro", "get"}));
}

QTEST_GUILESS_MAIN(TestNameGenerator)
#include "tst_namegenerator.moc"
