#include "TestFolder.h"
#include "app/Provisioning.h"
#include "app/StartFolder.h"

#include <QDirIterator>
#include <QtTest>

using namespace app;

namespace {

void write(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

// Every file below @p root with its content, by relative path.
QMap<QString, QByteArray> snapshot(const QString &root)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        files.insert(QDir(root).relativeFilePath(file.fileName()),
                     file.open(QIODevice::ReadOnly) ? file.readAll() : "?");
    }
    return files;
}

} // namespace

class TestStartFolder : public QObject {
    Q_OBJECT
private slots:
    void init();
    void earlierFilesAreCopiedOnceAndKept();
    void unwritableFolderIsNamedWithWhatIsNotSaved();
    void readOnlyPortableFolderSaysWhereTheFilesGo();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_program;
    QString m_perUser;
    QString m_shipped;
};

void TestStartFolder::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_program = m_dir->filePath(QStringLiteral("build/src/app"));
    m_perUser = m_dir->filePath(QStringLiteral("home/.local/share/quarrytide"));
    m_shipped = m_program + QStringLiteral("/data");
    write(m_program + QStringLiteral("/quarrytide"), "program");
    for (const QString &name : shippedListFiles())
        write(m_shipped + QLatin1Char('/') + name, "shipped\r\n\r\n");
}

void TestStartFolder::earlierFilesAreCopiedOnceAndKept()
{
    // What an earlier version left in a build folder, beside what the build itself put there.
    write(m_program + QStringLiteral("/Remembered.txt"), "kept.com\r\n\r\n");
    write(m_program + QStringLiteral("/Remembered.bak"), "kept.com\r\nremoved.com\r\n");
    write(m_program + QStringLiteral("/Unchecked.txt"), "slow.com\r\n");
    write(m_program + QStringLiteral("/TLDs.txt"), "de|whois.denic.de|43|Enabled|25|free\r\n");
    write(m_program + QStringLiteral("/Appends.txt"), "mine\r\n\r\n");
    write(m_program + QStringLiteral("/LowProfile2024-05-01 10.00.00.txt"), "abcdefgh.com\r\n");
    write(m_program + QStringLiteral("/overflow/HighProfile7.txt"), "abcde.com\r\n");
    write(m_program + QStringLiteral("/CMakeFiles/rules.make"), "build");
    const QMap<QString, QByteArray> before = snapshot(m_program);

    const StartFolder start = prepareStartFolder(m_program, m_perUser, {m_shipped});
    QCOMPARE(snapshot(m_program), before);
    const QMap<QString, QByteArray> copied = snapshot(m_perUser);
    for (const char *name : {"Remembered.txt", "Remembered.bak", "Unchecked.txt", "TLDs.txt", "Appends.txt",
                             "LowProfile2024-05-01 10.00.00.txt", "overflow/HighProfile7.txt"})
        QCOMPARE(copied.value(QLatin1String(name)), before.value(QLatin1String(name)));
    QVERIFY(!copied.contains(QStringLiteral("CMakeFiles/rules.make")) &&
            !copied.contains(QStringLiteral("quarrytide")));
    QVERIFY2(start.notice.contains(m_perUser) && start.notice.contains(m_program), qPrintable(start.notice));

    // Once only: a later start leaves the per-user folder as the user has made it since.
    write(m_perUser + QStringLiteral("/Remembered.txt"), "later.com\r\n\r\n");
    const StartFolder later = prepareStartFolder(m_program, m_perUser, {m_shipped});
    QCOMPARE(later.notice, QString());
    QCOMPARE(snapshot(m_perUser).value(QStringLiteral("Remembered.txt")), QByteArray("later.com\r\n\r\n"));
}

void TestStartFolder::unwritableFolderIsNamedWithWhatIsNotSaved()
{
    // A file where the per-user folder's parent should be: nobody, root included, can make the folder.
    write(m_dir->filePath(QStringLiteral("home/.local/share")), "a file");
    const StartFolder start = prepareStartFolder(m_program, m_perUser, {m_shipped});
    QVERIFY(!start.writable);
    QVERIFY2(start.notice.contains(m_perUser) && start.notice.contains(QStringLiteral("will not be saved")) &&
                 start.notice.contains(QStringLiteral("built-in TLD table")),
             qPrintable(start.notice));
}

void TestStartFolder::readOnlyPortableFolderSaysWhereTheFilesGo()
{
    write(m_program + QStringLiteral("/portable"), QByteArray());
    // The per-user folder must be one the unprivileged user can make.
    QVERIFY(QFile::setPermissions(m_dir->path(), QFileDevice::Permissions(0x7777)));
    StartFolder start;
    {
        testing::ReadOnlyFolder readOnly(m_program);
        QVERIFY(readOnly.isValid());
        start = prepareStartFolder(m_program, m_perUser, {m_shipped});
    }
    QCOMPARE(start.root, m_perUser);
    QVERIFY(start.writable);
    QVERIFY2(start.notice.contains(m_program) && start.notice.contains(m_perUser) &&
                 start.notice.contains(QStringLiteral("\"portable\"")),
             qPrintable(start.notice));
    QVERIFY(QFileInfo(m_perUser + QStringLiteral("/Appends.txt")).isFile());
    QCOMPARE(QDir(m_program).entryList(QDir::Files),
             (QStringList{QStringLiteral("portable"), QStringLiteral("quarrytide")}));
}

QTEST_GUILESS_MAIN(TestStartFolder)
#include "tst_startfolder.moc"
