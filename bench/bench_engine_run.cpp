// A run of 2,000 names against a loopback WHOIS server that answers at once: names per second at
// throttle 0, milliseconds per name at throttle 25, and the process's CPU time against wall time.
#include "WhoisFixtureServer.h"
#include "engine/QueryEngine.h"
#include "platform/AppFolder.h"
#include "results/ResultClasses.h"
#include "sources/EntrySource.h"
#include "sources/ListFile.h"
#include "tld/TldRegistry.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

#include <sys/resource.h>

namespace {

class CountingSource : public sources::EntrySource {
public:
    explicit CountingSource(int count) : m_count(count) {}
    QString readEntry(int n) override { return n <= m_count ? QStringLiteral("name%1").arg(n) : sources::endMarker; }
    void savePositions(int) override {}

private:
    int m_count;
};

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void run(quint16 port, int throttle, int names, QTextStream &out)
{
    QTemporaryDir dir;
    platform::AppFolder folder(dir.path());
    tld::TldRegistry tlds(dir.filePath(QStringLiteral("TLDs.txt")));
    tlds.setTable(
        {{QStringLiteral("com"), QStringLiteral("127.0.0.1"), port, true, throttle, QStringLiteral("No match")}});
    results::ResultClasses results(folder);
    CountingSource source(names);
    engine::QueryEngine engine(tlds, results, source, engine::QueryEngine::defaultSlots);
    int done = 0;
    QObject::connect(&engine, &engine::QueryEngine::outcome, [&done] { ++done; });
    QElapsedTimer wall;
    const double cpuBefore = cpuSeconds();
    wall.start();
    engine.start(1, names);
    while (done < names)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double seconds = double(wall.nsecsElapsed()) / 1e9;
    const double cpu = cpuSeconds() - cpuBefore;
    engine.stop();
    out << "throttle " << throttle << ": " << names << " names in " << seconds << " s = " << names / seconds
        << " names/s, " << 1000.0 * seconds / names << " ms/name, CPU " << 100.0 * cpu / seconds
        << "% of wall time (client and fixture server together)\n";
    out.flush();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    testing::WhoisFixtureServer server;
    server.listen();
    server.setAnswer("No match for NAME.COM\r\n");
    QTextStream out(stdout);
    run(server.port(), 0, 2000, out);
    run(server.port(), 25, 2000, out);
    return 0;
}
