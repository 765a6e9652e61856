#include "platform/AppFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using platform::AppFolder;
using platform::FolderChoice;

class TestAppFolder : public QObject {
    Q_OBJECT
private slots:
    void foldersResolveWithoutRegardToCase();
    void missingPartsKeepTheirSpelling();
    void programFolderOnlyWithThePortableMarker();
};

void TestAppFolder::foldersResolveWithoutRegardToCase()
{
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("wordlists"));
    QDir(dir.path()).mkdir(QStringLiteral("overflow"));
    QFile file(dir.path() + QStringLiteral("/wordlists/FullWordList.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    AppFolder folder(dir.path());
    QCOMPARE(folder.path(QStringLiteral("\\Wordlists\\FullWordList.txt")),
             dir.path() + QStringLiteral("/wordlists/FullWordList.txt"));
    QCOMPARE(folder.path(QStringLiteral("\\Wordlists\\fullwordlist.TXT")),
             dir.path() + QStringLiteral("/wordlists/FullWordList.txt"));
    QCOMPARE(folder.path(QStringLiteral("\\OverFlow\\")), dir.path() + QStringLiteral("/overflow"));
    QCOMPARE(folder.path(QStringLiteral("\\Overflow\\LowProfile.txt")),
             dir.path() + QStringLiteral("/overflow/LowProfile.txt"));
}

void TestAppFolder::missingPartsKeepTheirSpelling()
{
    QTemporaryDir dir;
    AppFolder folder(dir.path());
    QCOMPARE(folder.path(QStringLiteral("\\Searches\\Google two words.txt")),
             dir.path() + QStringLiteral("/Searches/Google two words.txt"));
}

void TestAppFolder::programFolderOnlyWithThePortableMarker()
{
    QTemporaryDir dir;
    const QString program = dir.filePath(QStringLiteral("bin"));
    const QString perUser = dir.filePath(QStringLiteral("home/quarrytide"));
    QVERIFY(QDir().mkpath(program));

    const FolderChoice plain = AppFolder::choose(program, perUser);
    QCOMPARE(plain.root, perUser);
    QVERIFY(!plain.portable && !plain.portableFolderReadOnly);

    QVERIFY(QFile(program + QStringLiteral("/portable")).open(QIODevice::WriteOnly));
    const FolderChoice portable = AppFolder::choose(program, perUser);
    QCOMPARE(portable.root, program);
    QVERIFY(portable.portable && !portable.portableFolderReadOnly);
    // Neither choice leaves anything beside the program, nor makes the per-user folder.
    QCOMPARE(QDir(program).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("portable")});
    QVERIFY(!QFileInfo::exists(perUser));
}

QTEST_GUILESS_MAIN(TestAppFolder)
#include "tst_appfolder.moc"
