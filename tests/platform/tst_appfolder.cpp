#include "platform/AppFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using platform::AppFolder;

class TestAppFolder : public QObject {
    Q_OBJECT
private slots:
    void foldersResolveWithoutRegardToCase();
    void missingPartsKeepTheirSpelling();
    void programFolderIsUsedWhenWritableAndNotInstalled();
    void installedProgramUsesPerUserFolder();
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

void TestAppFolder::programFolderIsUsedWhenWritableAndNotInstalled()
{
    QTemporaryDir dir;
    QCOMPARE(AppFolder::chooseDefault(dir.path()), QDir::cleanPath(dir.path()));
}

void TestAppFolder::installedProgramUsesPerUserFolder()
{
    QTemporaryDir prefix;
    QDir(prefix.path()).mkpath(QStringLiteral("bin"));
    QDir(prefix.path()).mkpath(QStringLiteral("share/quarrytide"));
    QCOMPARE(AppFolder::chooseDefault(prefix.path() + QStringLiteral("/bin")), AppFolder::perUserFolder());
    QCOMPARE(AppFolder::chooseDefault(prefix.path() + QStringLiteral("/missing")), AppFolder::perUserFolder());
}

QTEST_GUILESS_MAIN(TestAppFolder)
#include "tst_appfolder.moc"
