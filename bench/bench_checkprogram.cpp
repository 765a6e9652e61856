// quarrytide-check against a loopback WHOIS server that answers at once, at throttle 0: names per second
// and the program's peak memory for 1,000 and 10,000 names, next to a plain blocking-socket loop in one
// Python process (bench/whois_loop.py) and the Debian whois client run once per name against the same
// server. Then the same names against a loopback RDAP server (plain HTTP, the connection kept open) in the
// same run. The servers listen on 127.0.0.1 only.
//
//   bench_checkprogram [NAMES [WHOIS_NAMES]]
//
// QUARRYTIDE_BASELINE_CHECK names another quarrytide-check (say a release build of an earlier commit) to
// measure in the same run; WHOIS_NAMES 0 leaves out the whois client.
#include "HttpFixtureServer.h"
#include "WhoisFixtureServer.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <cstdio>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

// A process's peak memory counts the memory of the process that started it, up to its exec; this program
// holds the server and grows with every name it answers. So a small, freshly started copy of it starts
// each measured run and reports that run's own figures: "--measure RESULTFILE PROGRAM ARGS...".
int measureChild(char **argv)
{
    const pid_t pid = fork();
    if (pid == 0) {
        execv(argv[1], argv + 1);
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (pid < 0 || wait4(pid, &status, 0, &usage) != pid)
        return 127;
    const double cpu = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                       double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    if (FILE *result = fopen(argv[0], "w")) {
        fprintf(result, "%ld %f\n", usage.ru_maxrss, cpu);
        fclose(result);
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 127;
}

struct Spawned {
    bool ok = false;
    double seconds = 0;
    long maxRssKb = 0;
    double cpuSeconds = 0;
};

// Runs a program to its end with its output in @p outputFile; with @p measure, through the measuring copy.
Spawned spawnAndWait(QStringList arguments, const QString &outputFile, const QByteArray &configHome,
                     bool measure = false)
{
    const QString resultFile = outputFile + QStringLiteral(".measured");
    if (measure)
        arguments = QStringList{QFile::symLinkTarget(QStringLiteral("/proc/self/exe")), QStringLiteral("--measure"),
                                resultFile} +
                    arguments;
    std::vector<QByteArray> argumentBytes;
    for (const QString &argument : arguments)
        argumentBytes.push_back(QFile::encodeName(argument));
    std::vector<char *> argv;
    for (QByteArray &bytes : argumentBytes)
        argv.push_back(bytes.data());
    argv.push_back(nullptr);
    // The desktop settings of whoever runs this never change the default extension.
    std::vector<QByteArray> environmentBytes = {"XDG_CONFIG_HOME=" + configHome};
    for (char **entry = environ; *entry; ++entry) {
        if (!QByteArray(*entry).startsWith("XDG_CONFIG_HOME="))
            environmentBytes.emplace_back(*entry);
    }
    std::vector<char *> envp;
    for (QByteArray &bytes : environmentBytes)
        envp.push_back(bytes.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const QByteArray output = QFile::encodeName(outputFile);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, output.constData(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    Spawned result;
    QElapsedTimer wall;
    wall.start();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv.front(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return result;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid)
        return result;
    result.seconds = double(wall.nsecsElapsed()) / 1e9;
    result.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (measure) {
        QFile measured(resultFile);
        if (!measured.open(QIODevice::ReadOnly))
            result.ok = false;
        const QList<QByteArray> figures = measured.readAll().trimmed().split(' ');
        result.maxRssKb = figures.value(0).toLong();
        result.cpuSeconds = figures.value(1).toDouble();
    }
    return result;
}

int countLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    return int(file.readAll().count('\n'));
}

QString writeNames(const QDir &dir, int count)
{
    const QString path = dir.filePath(QStringLiteral("names%1.txt").arg(count));
    QByteArray text;
    for (int i = 1; i <= count; ++i)
        text += "candidate" + QByteArray::number(i) + "\r\n";
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(text);
    return path;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 3 && QByteArray(argv[1]) == "--measure")
        return measureChild(argv + 2);
    QCoreApplication app(argc, argv);
    const int names = argc > 1 ? QByteArray(argv[1]).toInt() : 10000;
    const int whoisNames = argc > 2 ? QByteArray(argv[2]).toInt() : names;
    QTextStream out(stdout);

    // The server answers from a thread of its own while this thread waits for the clients.
    QThread serverThread;
    serverThread.start();
    QObject inServerThread;
    inServerThread.moveToThread(&serverThread);
    testing::WhoisFixtureServer *server = nullptr;
    testing::HttpFixtureServer *rdapServer = nullptr;
    QMetaObject::invokeMethod(
        &inServerThread,
        [&server, &rdapServer] {
            server = new testing::WhoisFixtureServer;
            server->listen();
            server->setAnswer("No match for \"NAME.COM\".\r\n");
            rdapServer = new testing::HttpFixtureServer;
            rdapServer->listen();
            rdapServer->setScript([](const testing::HttpRequest &) {
                return testing::HttpAnswer::rdap(404, R"({"errorCode":404,"title":"Not Found"})");
            });
        },
        Qt::BlockingQueuedConnection);
    const QString port = QString::number(server->port());

    QTemporaryDir dir;
    const QByteArray configHome = QFile::encodeName(dir.filePath(QStringLiteral("config")));
    QFile table(dir.filePath(QStringLiteral("TLDs.txt")));
    if (!table.open(QIODevice::WriteOnly))
        return 1;
    table.write("com|127.0.0.1|" + port.toLatin1() + "|Enabled|0|No match\r\n");
    table.close();
    QDir(dir.path()).mkdir(QStringLiteral("rdap"));
    const QString rdapDir = dir.filePath(QStringLiteral("rdap"));
    QFile rdapTable(rdapDir + QStringLiteral("/TLDs.txt"));
    if (!rdapTable.open(QIODevice::WriteOnly))
        return 1;
    rdapTable.write("com|" + rdapServer->address(QStringLiteral("/rdap/")).toLatin1() + "|443|Enabled|0|\r\n");
    rdapTable.close();
    const QString program = QStringLiteral(QUARRYTIDE_CHECK_PROGRAM);

    const QString baseline = qEnvironmentVariable("QUARRYTIDE_BASELINE_CHECK");
    auto check = [&](int count, bool profileFiles, bool rdap = false, const QString &which = QString()) {
        const QString list = writeNames(QDir(dir.path()), count);
        const QString output =
            dir.filePath(QStringLiteral("out%1%2%3%4.txt").arg(count).arg(profileFiles).arg(rdap).arg(which.isEmpty()));
        QStringList arguments = {
            which.isEmpty() ? program : which, QStringLiteral("--data-dir"), rdap ? rdapDir : dir.path(),
            QStringLiteral("--throttle"),      QStringLiteral("0"),          QStringLiteral("--quiet"),
            QStringLiteral("--no-dns")}; // every name goes to the server under test
        if (profileFiles)
            arguments.append(QStringLiteral("--profile-files"));
        arguments.append(list);
        const Spawned run = spawnAndWait(arguments, output, configHome, true);
        const int lines = countLines(output);
        out << (which.isEmpty() ? "quarrytide-check" : "baseline quarrytide-check")
            << (rdap ? " over RDAP" : " over WHOIS") << (profileFiles ? " --profile-files" : "") << ": " << count
            << " names in " << run.seconds << " s = " << count / run.seconds << " names/s, max RSS " << run.maxRssKb
            << " kB, CPU " << run.cpuSeconds << " s (" << 1e6 * run.cpuSeconds / count << " us/name)"
            << (run.ok && lines == count ? "" : "  [INCOMPLETE RUN]") << "\n";
        out.flush();
        return run;
    };
    check(1000, false);
    const Spawned many = check(names, false);
    const Spawned before = baseline.isEmpty() ? Spawned{} : check(names, false, false, baseline);
    check(names, true);
    check(1000, false, true);
    const Spawned manyRdap = check(names, false, true);
    int rdapConnections = 0;
    QMetaObject::invokeMethod(
        &inServerThread, [&rdapConnections, rdapServer] { rdapConnections = rdapServer->connections(); },
        Qt::BlockingQueuedConnection);
    out << "RDAP: " << rdapConnections << " connections for " << 1000 + names << " names in two runs; "
        << (names / manyRdap.seconds) / (names / many.seconds) << " times the rate over WHOIS\n";
    out.flush();

    // The yardstick: a blocking socket per name in one Python process, against the same server.
    const QString loopOutput = dir.filePath(QStringLiteral("loop.txt"));
    const Spawned loop =
        spawnAndWait({QStringLiteral("/usr/bin/env"), QStringLiteral("python3"), QStringLiteral(QUARRYTIDE_WHOIS_LOOP),
                      QStringLiteral("127.0.0.1"), port, QString::number(names)},
                     loopOutput, configHome);
    QFile loopFile(loopOutput);
    const QList<QByteArray> loopFigures =
        loopFile.open(QIODevice::ReadOnly) ? loopFile.readAll().trimmed().split(' ') : QList<QByteArray>();
    const double loopSeconds = loopFigures.value(1).toDouble();
    const double loopCpu = loopFigures.value(2).toDouble();
    if (loop.ok && loopSeconds > 0) {
        out << "python blocking loop: " << names << " names in " << loopSeconds << " s = " << names / loopSeconds
            << " names/s, CPU " << 1e3 * loopCpu / names << " ms/name\n";
        out << "ratio: quarrytide-check is " << loopSeconds / many.seconds << " times the python loop's rate, "
            << 1e3 * many.cpuSeconds / names << " vs " << 1e3 * loopCpu / names << " CPU ms per name\n";
        if (before.ok)
            out << "ratio: the baseline quarrytide-check is " << loopSeconds / before.seconds
                << " times the python loop's rate, " << 1e3 * before.cpuSeconds / names << " CPU ms per name\n";
    } else {
        out << "python blocking loop: did not run\n";
    }
    out.flush();

    if (whoisNames > 0) {
        const QString whoisOutput = dir.filePath(QStringLiteral("whois.txt"));
        QElapsedTimer wall;
        wall.start();
        int failures = 0;
        for (int i = 1; i <= whoisNames; ++i) {
            const QString name = QStringLiteral("candidate%1.com").arg(i);
            const Spawned one = spawnAndWait({QStringLiteral("/usr/bin/whois"), QStringLiteral("-h"),
                                              QStringLiteral("127.0.0.1"), QStringLiteral("-p"), port, name},
                                             whoisOutput, configHome);
            failures += one.ok ? 0 : 1;
        }
        const double whoisSeconds = double(wall.nsecsElapsed()) / 1e9;
        const double whoisRate = whoisNames / whoisSeconds;
        out << "whois once per name: " << whoisNames << " names in " << whoisSeconds << " s = " << whoisRate
            << " names/s" << (failures ? "  [SOME CALLS FAILED]" : "") << "\n";
        out << "ratio: quarrytide-check is " << (names / many.seconds) / whoisRate << " times the whois loop's rate\n";
        out.flush();
    }

    QMetaObject::invokeMethod(
        &inServerThread,
        [server, rdapServer] {
            delete server;
            delete rdapServer;
        },
        Qt::BlockingQueuedConnection);
    serverThread.quit();
    serverThread.wait();
    return 0;
}
