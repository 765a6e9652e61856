// Records 1,000,000 outcomes into a fresh History.sqlite as the window does, a slice per turn of the event
// loop: the process's CPU time in all (writer thread included), the longest single call of the window's
// thread into the history, and the bytes the file takes per check once closed.
// bench_history_record [COUNT] [shuffled]: names in list order (a word list, com and net), or shuffled.
#include "results/HistoryStore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <random>

#include <sys/resource.h>
#include <time.h>

namespace {

qint64 threadCpuNs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

using lookup::QueryOutcome;

// A run's outcomes: mostly registered, a quarter available, a few refused or timed out.
std::vector<QueryOutcome> outcomes(int count, bool shuffled)
{
    std::vector<QueryOutcome> all;
    all.reserve(std::size_t(count));
    QRandomGenerator random(29);
    for (int i = 0; all.size() < std::size_t(count); ++i) {
        const QString name = QStringLiteral("w%1").arg(i, 7, 10, QLatin1Char('0'));
        for (const char *tld : {".com", ".net"}) {
            const quint32 roll = random.bounded(100);
            QueryOutcome outcome{roll < 70   ? QueryOutcome::Kind::Registered
                                 : roll < 95 ? QueryOutcome::Kind::Available
                                             : QueryOutcome::Kind::TimedOut,
                                 name + QLatin1String(tld), QStringLiteral("whois.verisign-grs.com"), 43};
            if (outcome.kind == QueryOutcome::Kind::Available)
                outcome.successWord = QStringLiteral("No match for");
            all.push_back(outcome);
        }
    }
    all.resize(std::size_t(count));
    if (shuffled)
        std::shuffle(all.begin(), all.end(), std::mt19937(29));
    return all;
}

struct Figures {
    double cpuSeconds = 0; ///< the process in all, writer thread included
    double wallSeconds = 0;
    double bytesPerCheck = 0;
    qint64 longestCallNs = 0;    ///< of one call of the window's thread into the history
    qint64 longestCallCpuNs = 0; ///< the same on the CPU: what remains once the scheduler is taken out
    int callsOver2ms = 0;
};

// Records @p all, a slice per turn of the event loop, until the file is closed. Timing each call costs
// two system calls of its own, so the CPU time is taken from a pass that does not.
Figures record(const std::vector<QueryOutcome> &all, bool timeEachCall)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("History.sqlite"));
    Figures figures;
    const double cpuBefore = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    {
        results::HistoryStore store(path);
        if (!store.open())
            return figures;
        const int run = store.startRun(results::Runner::MainWindow, QStringLiteral("Full Word List"));
        std::size_t next = 0;
        constexpr std::size_t slice = 2000;
        QTimer feed;
        QObject::connect(&feed, &QTimer::timeout, [&] {
            for (const std::size_t end = std::min(all.size(), next + slice); next < end; ++next) {
                if (!timeEachCall) {
                    store.record(all.at(next), run);
                    continue;
                }
                QElapsedTimer call;
                const qint64 cpuAtStart = threadCpuNs();
                call.start();
                store.record(all.at(next), run);
                const qint64 took = call.nsecsElapsed();
                figures.longestCallNs = std::max(figures.longestCallNs, took);
                figures.longestCallCpuNs = std::max(figures.longestCallCpuNs, threadCpuNs() - cpuAtStart);
                figures.callsOver2ms += took > 2'000'000 ? 1 : 0;
            }
            if (next == all.size())
                QCoreApplication::quit();
        });
        feed.start(0);
        QCoreApplication::exec();
    } // closing writes what waits and the last checkpoint
    figures.wallSeconds = double(wall.nsecsElapsed()) / 1e9;
    figures.cpuSeconds = cpuSeconds() - cpuBefore;
    figures.bytesPerCheck = double(QFileInfo(path).size()) / double(all.size());
    return figures;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? std::max(1, QString::fromLatin1(argv[1]).toInt()) : 1'000'000;
    const bool shuffled = argc > 2 && QLatin1String(argv[2]) == QLatin1String("shuffled");
    const std::vector<QueryOutcome> all = outcomes(count, shuffled);
    const Figures plain = record(all, false);
    const Figures timed = record(all, true);
    QTextStream(stdout) << count << " outcomes (" << (shuffled ? "shuffled" : "list order") << "): CPU "
                        << plain.cpuSeconds << " s in all, wall " << plain.wallSeconds << " s, " << plain.bytesPerCheck
                        << " bytes per check; longest call of the window's thread " << double(timed.longestCallNs) / 1e6
                        << " ms (" << timed.callsOver2ms << " calls over 2 ms), on the CPU "
                        << double(timed.longestCallCpuNs) / 1e6 << " ms\n";
    return 0;
}
