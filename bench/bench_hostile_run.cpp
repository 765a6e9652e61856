// quarrytide-check against one loopback WHOIS server that misbehaves for some names: how long until every
// name has its outcome, what the outcomes are, and the program's peak memory (a server that sends without
// end must not make it grow).
//
//   1. eleven names, each with its own way of answering (free, silent, slow, huge, junk, reset, half close,
//      empty, taken, endless, free), at --timeout 4;
//   2. fifty names of which three never get an answer, at --timeout 4;
//   3. thirteen names of which ten in a row never get an answer, at --timeout 4.
//
//   bench_hostile_run [LIMIT_SECONDS]
//
// QUARRYTIDE_BASELINE_CHECK names another quarrytide-check to measure in the same run; a run that has not
// ended after LIMIT_SECONDS (default 400) is stopped and reported so.
#include "WhoisFixtureServer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <algorithm>

namespace {

using Mode = testing::WhoisFixtureServer::Mode;

struct Scenario {
    const char *title;
    QStringList names;
    QHash<QString, Mode> modes; ///< by name; the rest are answered at once
    QString expectation;
};

QStringList numbered(int count)
{
    QStringList names;
    for (int i = 1; i <= count; ++i)
        names.append(QStringLiteral("name%1").arg(i));
    return names;
}

QList<Scenario> scenarios()
{
    Scenario eleven{"eleven names, eleven ways to answer", {}, {}, QStringLiteral("every outcome within 60 s")};
    const QList<QPair<const char *, Mode>> ways = {
        {"free1", Mode::AnswerAtOnce},  {"silent", Mode::Silent},     {"slow", Mode::Drip},
        {"huge", Mode::Flood},          {"junk", Mode::Junk},         {"reset", Mode::Reset},
        {"halfclose", Mode::HalfClose}, {"empty", Mode::CloseAtOnce}, {"taken", Mode::AnswerAtOnce},
        {"endless", Mode::Endless},     {"free2", Mode::AnswerAtOnce}};
    for (const auto &[name, mode] : ways) {
        eleven.names.append(QLatin1String(name));
        eleven.modes.insert(QLatin1String(name), mode);
    }
    Scenario three{"fifty names, three never answered",
                   numbered(50),
                   {},
                   QStringLiteral("at most the three time-outs (12 s) and the pace")};
    for (const char *name : {"name10", "name25", "name40"})
        three.modes.insert(QLatin1String(name), Mode::Silent);
    Scenario ten{"thirteen names, ten in a row never answered",
                 numbered(13),
                 {},
                 QStringLiteral("unresponsive after three time-outs (12 s), the rest at once")};
    for (int i = 2; i <= 11; ++i)
        ten.modes.insert(QStringLiteral("name%1").arg(i), Mode::Silent);
    return {eleven, three, ten};
}

// A field of /proc/<pid>/status in KiB, or -1.
qint64 statusKb(qint64 pid, const char *field)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').constFirst().toLongLong();
    }
    return -1;
}

struct Result {
    double seconds = 0;
    qint64 peakKb = 0;
    bool ended = false;
    QMap<QString, int> verdicts;
};

Result run(const QString &program, const QString &folder, const QString &list, int limitSeconds)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder + QStringLiteral("/config"));
    process.setProcessEnvironment(environment);
    Result result;
    QElapsedTimer clock;
    clock.start();
    process.start(program, {QStringLiteral("--data-dir"), folder, QStringLiteral("--timeout"), QStringLiteral("4"),
                            QStringLiteral("--no-dns"), QStringLiteral("--quiet"), list});
    // The peak is read while the program runs: its /proc entry goes with it.
    process.waitForStarted();
    const qint64 pid = process.processId();
    while (process.state() != QProcess::NotRunning && clock.elapsed() < limitSeconds * 1000LL) {
        result.peakKb = std::max(result.peakKb, statusKb(pid, "VmHWM:"));
        process.waitForFinished(20);
    }
    result.ended = process.state() == QProcess::NotRunning;
    result.seconds = double(clock.nsecsElapsed()) / 1e9;
    if (!result.ended) {
        process.kill();
        process.waitForFinished();
    }
    for (const QByteArray &line : process.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() >= 2)
            ++result.verdicts[QString::fromUtf8(fields.at(1))];
    }
    return result;
}

QString verdictText(const Result &result)
{
    QStringList parts;
    for (auto it = result.verdicts.cbegin(); it != result.verdicts.cend(); ++it)
        parts.append(QStringLiteral("%1 %2").arg(it.value()).arg(it.key()));
    return parts.join(QStringLiteral(", "));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int limitSeconds = argc > 1 ? QByteArray(argv[1]).toInt() : 400;
    QTextStream out(stdout);
    QHash<QString, Mode> modes;

    // The server answers from a thread of its own while this thread waits for the program.
    QThread serverThread;
    serverThread.start();
    testing::WhoisFixtureServer *server = nullptr;
    QObject inServerThread;
    inServerThread.moveToThread(&serverThread);
    QMetaObject::invokeMethod(
        &inServerThread,
        [&server, &modes] {
            server = new testing::WhoisFixtureServer;
            server->listen();
            server->setDripIntervalMs(200);
            server->setResponder([](const QString &query) {
                return query.startsWith(QLatin1String("taken")) ? testing::registeredAnswer(query)
                                                                : testing::availableAnswer(query);
            });
            QObject::connect(server, &testing::WhoisFixtureServer::queryReceived, server,
                             [fixture = server, &modes](const QString &query) {
                                 const QString name = query.section(QLatin1Char('.'), 0, 0);
                                 fixture->setMode(modes.value(name, Mode::AnswerAtOnce));
                             });
        },
        Qt::BlockingQueuedConnection);

    QTemporaryDir dir;
    QFile table(dir.filePath(QStringLiteral("TLDs.txt")));
    if (!table.open(QIODevice::WriteOnly))
        return 1;
    table.write("com|127.0.0.1|" + QByteArray::number(server->port()) + "|Enabled|25|No match\r\n");
    table.close();
    QStringList programs{QStringLiteral(QUARRYTIDE_CHECK_PROGRAM)};
    if (!qEnvironmentVariableIsEmpty("QUARRYTIDE_BASELINE_CHECK"))
        programs.append(qEnvironmentVariable("QUARRYTIDE_BASELINE_CHECK"));

    for (const Scenario &scenario : scenarios()) {
        const QString list = dir.filePath(QStringLiteral("list.txt"));
        QFile file(list);
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        file.write(scenario.names.join(QStringLiteral("\r\n")).toUtf8());
        file.close();
        // Read by the server's thread only while no program runs.
        modes = scenario.modes;
        out << scenario.title << " (target: " << scenario.expectation << ")\n";
        for (const QString &program : programs) {
            const Result result = run(program, dir.path(), list, limitSeconds);
            out << "  " << (program == programs.first() ? "this build" : "baseline  ") << ": " << result.seconds
                << " s, peak " << result.peakKb / 1024 << " MiB" << (result.ended ? "" : " - NOT DONE, stopped") << "; "
                << verdictText(result) << "\n";
            out.flush();
        }
    }
    QMetaObject::invokeMethod(
        &inServerThread, [server] { delete server; }, Qt::BlockingQueuedConnection);
    serverThread.quit();
    serverThread.wait();
    return 0;
}
