#include "FakeServices.h"
#include "TestFolder.h"
#include "app/AppContext.h"
#include "app/MainWindowLoad.h"
#include "app/Provisioning.h"

#include <QDir>
#include <QRegularExpression>
#include <QtTest>

using namespace app;

namespace {

class SilentHost : public LoadHost {
public:
    void loadTLDs() override {}
    void setWindowIconFromResource() override {}
    void setTitle(const QString &) override {}
    void setWebsiteCaption(const QString &) override {}
    void setFrameCaption(const QString &) override {}
    void runHelpLauncher() override {}
    void resetIdleSeconds() override {}
    void loadRememberedList() override {}
    void maximize() override {}
};

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A shipped data folder whose every list names itself, so a copy can be traced to its source.
void writeShipped(const QString &root, const QByteArray &tag = QByteArray())
{
    for (const QString &name : shippedListFiles()) {
        const QString path = root + QLatin1Char('/') + name;
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(tag + name.toUtf8() + "\r\n\r\n");
    }
}

// The entries of a list file, with a check that it has the list format: CR LF line ends and one empty
// line at the end, so that the last entry is read too.
QList<QByteArray> listEntries(const QString &path)
{
    const QByteArray data = readAll(path);
    if (!data.endsWith("\r\n\r\n") || data.startsWith("\r\n"))
        return {};
    QList<QByteArray> entries = data.left(data.size() - 4).split('\r');
    for (qsizetype i = 1; i < entries.size(); ++i) {
        if (!entries[i].startsWith('\n'))
            return {};
        entries[i].remove(0, 1);
    }
    return entries;
}

} // namespace

class TestProvisioning : public QObject {
    Q_OBJECT
private slots:
    void newFolderReceivesEveryListBeforeTheLoad();
    void existingFileIsNeverReplaced_data();
    void existingFileIsNeverReplaced();
    void folderUnderAnotherSpellingIsReused();
    void firstDataFolderHoldingAListWins();
    void shippedWordListsHaveTheirExactCounts_data();
    void shippedWordListsHaveTheirExactCounts();
    void shippedAffixesAreShortAndUnique();
};

void TestProvisioning::newFolderReceivesEveryListBeforeTheLoad()
{
    QTemporaryDir dir;
    const QString shipped = dir.filePath(QStringLiteral("share"));
    writeShipped(shipped);
    // The per-user folder does not exist yet on a first start.
    const QString appFolder = dir.filePath(QStringLiteral("user/quarrytide"));
    testing::FakeServices fakes;
    AppContext context(appFolder, dir.filePath(QStringLiteral("settings")), fakes.services());

    const ProvisionResult result = provisionAppFolder(context.folder, {shipped});
    QCOMPARE(result.copied, shippedListFiles());
    QVERIFY(result.failed.isEmpty());
    SilentHost host;
    runMainWindowLoad(context, host);
    for (const QString &name : shippedListFiles())
        QCOMPARE(readAll(appFolder + QLatin1Char('/') + name), name.toUtf8() + "\r\n\r\n");
    QVERIFY(QFileInfo(appFolder + QStringLiteral("/TLDs.txt")).isFile());

    const ProvisionResult again = provisionAppFolder(context.folder, {shipped});
    QVERIFY(again.copied.isEmpty());
    QVERIFY(again.failed.isEmpty());
}

void TestProvisioning::existingFileIsNeverReplaced_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("existingName");
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("edited affixes") << QStringLiteral("Appends.txt") << QStringLiteral("Appends.txt")
                                    << QByteArray("mine\r\n");
    QTest::newRow("affixes emptied") << QStringLiteral("Appends.txt") << QStringLiteral("Appends.txt") << QByteArray();
    // Also what deleting every affix leaves behind, so it cannot be told from a fresh start-up file.
    QTest::newRow("affixes of one empty line")
        << QStringLiteral("Appends.txt") << QStringLiteral("Appends.txt") << QByteArray("\r\n");
    QTest::newRow("affixes in other case")
        << QStringLiteral("Appends.txt") << QStringLiteral("APPENDS.TXT") << QByteArray("x\r\n");
    QTest::newRow("word list replaced") << QStringLiteral("wordlists/AllFourLetter.txt")
                                        << QStringLiteral("wordlists/AllFourLetter.txt") << QByteArray("abcd\r\n\r\n");
    QTest::newRow("word list emptied") << QStringLiteral("wordlists/FullWordList.txt")
                                       << QStringLiteral("wordlists/FullWordList.txt") << QByteArray();
}

void TestProvisioning::existingFileIsNeverReplaced()
{
    QFETCH(QString, name);
    QFETCH(QString, existingName);
    QFETCH(QByteArray, content);
    QTemporaryDir shipped;
    writeShipped(shipped.path());
    testing::TestFolder folder;
    folder.write(existingName, content);

    const ProvisionResult result = provisionAppFolder(platform::AppFolder(folder.appFolder()), {shipped.path()});
    QVERIFY(!result.copied.contains(name));
    QCOMPARE(result.copied.size(), shippedListFiles().size() - 1);
    QCOMPARE(folder.read(existingName), content);
    // Name filters ignore case: a second file under another spelling would show up here.
    const QFileInfo target(folder.file(existingName));
    QCOMPARE(QDir(target.path()).entryList({target.fileName()}, QDir::Files).size(), 1);
}

void TestProvisioning::folderUnderAnotherSpellingIsReused()
{
    QTemporaryDir shipped;
    writeShipped(shipped.path());
    testing::TestFolder folder;
    QDir(folder.appFolder()).mkdir(QStringLiteral("WordLists"));

    provisionAppFolder(platform::AppFolder(folder.appFolder()), {shipped.path()});
    QCOMPARE(QDir(folder.appFolder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("WordLists")});
    QCOMPARE(QDir(folder.file(QStringLiteral("WordLists"))).entryList(QDir::Files).size(), 4);
}

void TestProvisioning::firstDataFolderHoldingAListWins()
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("missing"));
    const QString partial = dir.filePath(QStringLiteral("partial"));
    const QString complete = dir.filePath(QStringLiteral("complete"));
    writeShipped(partial, "partial ");
    QFile::remove(partial + QStringLiteral("/Appends.txt"));
    writeShipped(complete, "complete ");
    testing::TestFolder folder;

    provisionAppFolder(platform::AppFolder(folder.appFolder()), {missing, partial, complete});
    QVERIFY(folder.read(QStringLiteral("wordlists/AllTwoLetter.txt")).startsWith("partial "));
    QVERIFY(folder.read(QStringLiteral("Appends.txt")).startsWith("complete "));

    testing::TestFolder other;
    const ProvisionResult nothing = provisionAppFolder(platform::AppFolder(other.appFolder()), {missing});
    QCOMPARE(nothing.failed, shippedListFiles());
    QVERIFY(QDir(other.appFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

void TestProvisioning::shippedWordListsHaveTheirExactCounts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("count");
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<QByteArray>("last");
    QTest::newRow("two") << QStringLiteral("AllTwoLetter.txt") << 26 * 26 << QByteArray("aa") << QByteArray("zz");
    QTest::newRow("three") << QStringLiteral("AllThreeLetter.txt") << 26 * 26 * 26 << QByteArray("aaa")
                           << QByteArray("zzz");
    QTest::newRow("four") << QStringLiteral("AllFourLetter.txt") << 26 * 26 * 26 * 26 << QByteArray("aaaa")
                          << QByteArray("zzzz");

    // The dictionary's words of the letters a to z only, each once.
    QFile dictionary(QStringLiteral(QUARRYTIDE_DICTIONARY_FILE));
    QVERIFY(dictionary.open(QIODevice::ReadOnly));
    const QRegularExpression plain(QStringLiteral("^[a-z]+$"));
    QSet<QByteArray> words;
    QByteArray smallest;
    QByteArray largest;
    while (!dictionary.atEnd()) {
        const QByteArray word = dictionary.readLine().trimmed();
        if (!plain.match(QString::fromLatin1(word)).hasMatch())
            continue;
        words.insert(word);
        smallest = smallest.isEmpty() ? word : std::min(smallest, word);
        largest = std::max(largest, word);
    }
    QVERIFY(words.size() > 1000);
    QTest::newRow("dictionary") << QStringLiteral("FullWordList.txt") << int(words.size()) << smallest << largest;
}

void TestProvisioning::shippedWordListsHaveTheirExactCounts()
{
    QFETCH(QString, name);
    QFETCH(int, count);
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, last);
    const QList<QByteArray> entries = listEntries(QStringLiteral(QUARRYTIDE_SHIPPED_DATA_DIR "/wordlists/") + name);
    QVERIFY2(!entries.isEmpty(), "missing, or not in the list format");
    QCOMPARE(entries.size(), count);
    QCOMPARE(entries.first(), first);
    QCOMPARE(entries.last(), last);
    // Strictly ascending: sorted and free of duplicates in one pass.
    for (qsizetype i = 1; i < entries.size(); ++i)
        QVERIFY2(entries[i - 1] < entries[i], entries[i].constData());
}

void TestProvisioning::shippedAffixesAreShortAndUnique()
{
    const QList<QByteArray> affixes = listEntries(QStringLiteral(QUARRYTIDE_SHIPPED_DATA_DIR "/Appends.txt"));
    QVERIFY(affixes.size() >= 90 && affixes.size() <= 120);
    QCOMPARE(QSet<QByteArray>(affixes.begin(), affixes.end()).size(), affixes.size());
    const QRegularExpression shape(QStringLiteral("^[a-z]{1,8}$"));
    for (const QByteArray &affix : affixes)
        QVERIFY2(shape.match(QString::fromLatin1(affix)).hasMatch(), affix.constData());
}

QTEST_GUILESS_MAIN(TestProvisioning)
#include "tst_provisioning.moc"
