#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr uid_t unprivilegedId = 65534; // nobody

QString installedPath(const QString &prefix, const QString &relative)
{
    return prefix + QLatin1Char('/') + relative;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Entries of a file in the list format (CR LF after every entry, one empty line at the end); -1 when the
// file is missing or not in that format.
qsizetype listEntryCount(const QString &path)
{
    const QByteArray data = readAll(path);
    if (!data.endsWith("\r\n\r\n"))
        return -1;
    if (data.count('\n') != data.count("\r\n"))
        return -1;
    return data.count("\r\n") - 1;
}

qsizetype dictionaryWordCount()
{
    QFile dictionary(QStringLiteral(QUARRYTIDE_DICTIONARY_FILE));
    if (!dictionary.open(QIODevice::ReadOnly))
        return -1;
    const QRegularExpression plain(QStringLiteral("^[a-z]+$"));
    QSet<QByteArray> words;
    while (!dictionary.atEnd()) {
        const QByteArray word = dictionary.readLine().trimmed();
        if (plain.match(QString::fromLatin1(word)).hasMatch())
            words.insert(word);
    }
    return words.size();
}

struct Run {
    int exitCode = -1;
    QByteArray output;
};

Run runTool(const QString &program, const QStringList &arguments, int timeoutMs = 120000)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DESTDIR"));
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMs))
        return {-1, QByteArrayLiteral("did not finish: ") + process.readAll()};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAll()};
}

struct Started {
    bool ran = false; ///< still running when the table appeared
    QByteArray output;
};

// Starts @p program as a new user whose home is @p home and ends it once TLDs.txt appears in @p appFolder.
Started startUntilTableIsWritten(const QString &program, const QStringList &arguments, const QString &home,
                                 const QString &appFolder)
{
    const QString runtime = home + QStringLiteral("/runtime");
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local/share"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"), QStringLiteral("1"));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setWorkingDirectory(home);
    process.start(program, arguments);
    if (!process.waitForStarted(10000))
        return {false, process.errorString().toUtf8()};
    // The table is written by the main window's load, after the lists were provided.
    const bool settled = QTest::qWaitFor(
        [&] {
            return QFileInfo::exists(appFolder + QStringLiteral("/TLDs.txt")) ||
                   process.state() == QProcess::NotRunning;
        },
        60000);
    const bool ran = settled && process.state() == QProcess::Running;
    process.terminate();
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished(10000);
    }
    return {ran, process.readAll()};
}

} // namespace

class TestInstalledProgram : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void installedLayout_data();
    void installedLayout();
    void desktopEntryAndMetainfoAreValid();
    void firstRunFromReadOnlyProgramFolderFillsPerUserFolder();
    void writableProgramFolderIsUsedOnlyWithThePortableMarker_data();
    void writableProgramFolderIsUsedOnlyWithThePortableMarker();

private:
    QTemporaryDir m_root;
    QString m_prefix;
};

void TestInstalledProgram::initTestCase()
{
    QVERIFY(m_root.isValid());
    // Readable by the unprivileged user the program runs as below.
    QVERIFY(QFile::setPermissions(m_root.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                     QFile::ReadOther | QFile::ExeOther | QFile::ReadGroup |
                                                     QFile::ExeGroup));
    m_prefix = m_root.filePath(QStringLiteral("prefix"));
    const Run install = runTool(
        QStringLiteral(QUARRYTIDE_CMAKE_COMMAND),
        {QStringLiteral("--install"), QStringLiteral(QUARRYTIDE_BUILD_DIR), QStringLiteral("--prefix"), m_prefix});
    QVERIFY2(install.exitCode == 0, install.output.constData());
}

void TestInstalledProgram::cleanupTestCase()
{
    // The temporary folder cannot be removed while its bin folder is read-only for a normal user.
    QFile::setPermissions(installedPath(m_prefix, QStringLiteral("bin")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void TestInstalledProgram::installedLayout_data()
{
    QTest::addColumn<QString>("relative");
    for (const char *path :
         {"bin/quarrytide", "share/quarrytide/wordlists/FullWordList.txt",
          "share/quarrytide/wordlists/AllTwoLetter.txt", "share/quarrytide/wordlists/AllThreeLetter.txt",
          "share/quarrytide/wordlists/AllFourLetter.txt", "share/quarrytide/Appends.txt",
          "share/quarrytide/RootZoneServers.txt", "share/quarrytide/help/index.html",
          "share/applications/" QUARRYTIDE_APP_ID ".desktop",
          "share/icons/hicolor/scalable/apps/" QUARRYTIDE_APP_ID ".svg",
          "share/metainfo/" QUARRYTIDE_APP_ID ".metainfo.xml"})
        QTest::newRow(path) << QString::fromLatin1(path);
}

void TestInstalledProgram::installedLayout()
{
    QFETCH(QString, relative);
    const QFileInfo info(installedPath(m_prefix, relative));
    QVERIFY2(info.isFile() && info.size() > 0, qPrintable(relative));
}

void TestInstalledProgram::desktopEntryAndMetainfoAreValid()
{
    const QString desktopValidator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    const QString appstream = QStandardPaths::findExecutable(QStringLiteral("appstreamcli"));
    QVERIFY2(!desktopValidator.isEmpty() && !appstream.isEmpty(),
             "desktop-file-utils and appstream are missing: run scripts/install-deps.sh");

    const Run desktop =
        runTool(desktopValidator,
                {installedPath(m_prefix, QStringLiteral("share/applications/" QUARRYTIDE_APP_ID ".desktop"))});
    QVERIFY2(desktop.exitCode == 0 && desktop.output.trimmed().isEmpty(), desktop.output.constData());
    const Run metainfo = runTool(
        appstream, {QStringLiteral("validate"), QStringLiteral("--no-net"),
                    installedPath(m_prefix, QStringLiteral("share/metainfo/" QUARRYTIDE_APP_ID ".metainfo.xml"))});
    QVERIFY2(metainfo.exitCode == 0, metainfo.output.constData());
}

void TestInstalledProgram::firstRunFromReadOnlyProgramFolderFillsPerUserFolder()
{
    const QString bin = installedPath(m_prefix, QStringLiteral("bin"));
    QVERIFY(QFile::setPermissions(bin, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                                           QFile::ReadOther | QFile::ExeOther));
    const QString home = m_root.filePath(QStringLiteral("home"));
    const QString runtime = home + QStringLiteral("/runtime");
    QVERIFY(QDir().mkpath(runtime));
    QVERIFY(QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

    // As root a read-only folder is still writable, so the program runs as an unprivileged user when it
    // can; either way the installed layout alone must send it to the per-user folder.
    QString program = installedPath(m_prefix, QStringLiteral("bin/quarrytide"));
    QStringList arguments;
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    const bool unprivileged = geteuid() == 0 && !setpriv.isEmpty();
    if (unprivileged) {
        QVERIFY(::chown(home.toLocal8Bit().constData(), unprivilegedId, unprivilegedId) == 0);
        QVERIFY(::chown(runtime.toLocal8Bit().constData(), unprivilegedId, unprivilegedId) == 0);
        arguments = QStringList{QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                                QStringLiteral("--clear-groups"), QStringLiteral("--"), program};
        program = setpriv;
    }

    const QStringList programFolder = QDir(bin).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    QVERIFY(programFolder.contains(QStringLiteral("quarrytide")));

    const QString userFolder = home + QStringLiteral("/.local/share/quarrytide");
    const Started started = startUntilTableIsWritten(program, arguments, home, userFolder);
    const QByteArray &output = started.output;
    QVERIFY2(started.ran, output.constData());
    // The offscreen platform cannot open documents and names the one it was asked for: the first start
    // opens the user guide, and an installed program finds it in the installed data.
    if (output.contains("openDocument()")) {
        const QByteArray guide =
            QUrl::fromLocalFile(installedPath(m_prefix, QStringLiteral("share/quarrytide/help/index.html")))
                .toEncoded();
        QVERIFY2(output.contains(guide), output.constData());
    }

    QCOMPARE(listEntryCount(userFolder + QStringLiteral("/wordlists/AllTwoLetter.txt")), 676);
    QCOMPARE(listEntryCount(userFolder + QStringLiteral("/wordlists/AllThreeLetter.txt")), 17576);
    QCOMPARE(listEntryCount(userFolder + QStringLiteral("/wordlists/AllFourLetter.txt")), 456976);
    QCOMPARE(listEntryCount(userFolder + QStringLiteral("/wordlists/FullWordList.txt")), dictionaryWordCount());
    const QByteArray affixes = readAll(userFolder + QStringLiteral("/Appends.txt"));
    QCOMPARE(affixes, readAll(installedPath(m_prefix, QStringLiteral("share/quarrytide/Appends.txt"))));
    QVERIFY(affixes.startsWith("get\r\nmy\r\n"));
    QVERIFY(listEntryCount(userFolder + QStringLiteral("/Appends.txt")) >= 90);

    QCOMPARE(QDir(bin).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), programFolder);
    if (unprivileged)
        QCOMPARE(QFileInfo(userFolder + QStringLiteral("/Appends.txt")).ownerId(), unprivilegedId);
}

void TestInstalledProgram::writableProgramFolderIsUsedOnlyWithThePortableMarker_data()
{
    QTest::addColumn<bool>("marker");
    QTest::newRow("no marker") << false;
    QTest::newRow("portable") << true;
}

void TestInstalledProgram::writableProgramFolderIsUsedOnlyWithThePortableMarker()
{
    // A program in a folder anyone may write to, as in a build folder or on a USB stick.
    QFETCH(bool, marker);
    const QString folder = m_root.filePath(marker ? QStringLiteral("stick") : QStringLiteral("build"));
    const QString program = folder + QStringLiteral("/quarrytide");
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(QFile::copy(installedPath(m_prefix, QStringLiteral("bin/quarrytide")), program));
    if (marker)
        QVERIFY(QFile(folder + QStringLiteral("/portable")).open(QIODevice::WriteOnly));
    // Shipped data where a build folder holds it, beside the program.
    const QString shippedAffixes = installedPath(m_prefix, QStringLiteral("share/quarrytide/Appends.txt"));
    QVERIFY(QDir().mkpath(folder + QStringLiteral("/data")));
    QVERIFY(QFile::copy(shippedAffixes, folder + QStringLiteral("/data/Appends.txt")));
    const QStringList before = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    const QString home = folder + QStringLiteral("-home");
    const QString userFolder = home + QStringLiteral("/.local/share/quarrytide");

    const Started started = startUntilTableIsWritten(program, {}, home, marker ? folder : userFolder);
    QVERIFY2(started.ran, started.output.constData());
    if (marker) {
        QVERIFY(QFileInfo(folder + QStringLiteral("/Remembered.txt")).isFile());
        QVERIFY(!QFileInfo::exists(userFolder));
    } else {
        QVERIFY(QFileInfo(userFolder + QStringLiteral("/Remembered.txt")).isFile());
        QCOMPARE(readAll(userFolder + QStringLiteral("/Appends.txt")), readAll(shippedAffixes));
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    }
}

QTEST_GUILESS_MAIN(TestInstalledProgram)
#include "tst_installedprogram.moc"
