// Zone screening at scale: a generated zone of 10,000,000 names (about 0.5 GB of text, written to the
// temporary folder once and reused) imported straight through and in event-loop slices; peak memory,
// index size, opening the index and look-ups. Prints its own figures.
//
//     bench_zones [NAMES] [FOLDER]
#include "GeneratedNames.h"
#include "zones/ZoneImport.h"
#include "zones/ZoneIndex.h"
#include "zones/ZoneScreen.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <QTimer>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using bench::NameMaker;

QTextStream out(stdout);

// A zone as the zone service writes it: SOA, one NS line a name, a second for every eighth.
bool writeZone(const QString &path, qint64 names)
{
    std::FILE *file = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!file)
        return false;
    std::fputs("com.\t900\tin\tsoa\ta.gtld-servers.net. nstld.verisign-grs.com. 1700000000 1800 900 604800 86400\n",
               file);
    NameMaker maker(1);
    for (qint64 i = 0; i < names; ++i) {
        const std::string label = maker.label();
        std::fprintf(file, "%s.com.\t172800\tin\tns\tns1.host%lld.net.\n", label.c_str(), i % 5000);
        if (i % 8 == 0)
            std::fprintf(file, "%s.com.\t172800\tin\tns\tns2.host%lld.net.\n", label.c_str(), i % 5000);
    }
    return std::fclose(file) == 0;
}

qint64 peakMemoryKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

void resetPeakMemory()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const qint64 names = argc > 1 ? QByteArray(argv[1]).toLongLong() : 10'000'000;
    const QString folder = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QDir::tempPath() + QStringLiteral("/qt-zones");
    QDir().mkpath(folder);
    const QString zone = folder + QStringLiteral("/com-%1.zone").arg(names);
    const QString zones = folder + QStringLiteral("/zones");
    QElapsedTimer clock;
    if (!QFileInfo::exists(zone)) {
        clock.start();
        if (!writeZone(zone, names))
            return 1;
        out << "generated " << zone << " in " << clock.elapsed() << " ms\n";
    }
    const double megabytes = double(QFileInfo(zone).size()) / 1e6;

    resetPeakMemory();
    const qint64 memoryBefore = peakMemoryKiB();
    zones::ZoneImport straight(zone, zones);
    clock.start();
    if (!straight.run()) {
        out << "import failed: " << straight.error() << '\n';
        return 1;
    }
    const qint64 importMs = clock.elapsed();
    const qint64 peak = peakMemoryKiB();
    const quint64 count = straight.info().count;
    const qint64 indexBytes = QFileInfo(straight.indexFile()).size();
    out << "import straight through: " << names << " names, " << qint64(megabytes) << " MB of text in " << importMs
        << " ms: " << qint64(double(count) * 1000 / double(importMs)) << " names/s, "
        << qint64(megabytes * 1000 / double(importMs)) << " MB/s\n";
    out << "peak memory " << peak / 1024 << " MiB (" << memoryBefore / 1024
        << " MiB before): " << QString::number(double(peak - memoryBefore) * 1024 / double(count), 'f', 2)
        << " bytes a name above the start\n";
    out << "index " << indexBytes << " bytes for " << count
        << " distinct names: " << QString::number(double(indexBytes) / double(count), 'f', 3) << " bytes a name\n";

    // The desktop's way: slices on the event loop, and how long the loop went without a turn.
    zones::ZoneImport sliced(zone, zones);
    QElapsedTimer sinceTurn;
    qint64 longestGap = 0;
    QTimer turns;
    QObject::connect(&turns, &QTimer::timeout, [&] {
        longestGap = std::max(longestGap, sinceTurn.elapsed());
        sinceTurn.restart();
    });
    QObject::connect(&sliced, &zones::ZoneImport::finished, &app, &QCoreApplication::quit);
    clock.start();
    sinceTurn.start();
    turns.start(0);
    sliced.start();
    app.exec();
    turns.stop();
    out << "import in slices: " << clock.elapsed() << " ms; longest time without an event-loop turn " << longestGap
        << " ms\n";

    clock.start();
    QString error;
    const auto index =
        zones::ZoneIndex::open(zones::indexPath(zones, QStringLiteral("com")), QStringLiteral("com"), &error);
    const qint64 openUs = clock.nsecsElapsed() / 1000;
    if (!index) {
        out << "open failed: " << error << '\n';
        return 1;
    }
    out << "open the index: " << openUs << " us\n";

    // Half the names asked are in the zone, half are not, in a random order.
    std::vector<std::string> asked;
    const int askedCount = 2'000'000;
    asked.reserve(askedCount);
    NameMaker inZone(1);
    NameMaker elsewhere(2);
    for (int i = 0; i < askedCount; ++i)
        asked.push_back(i % 2 == 0 ? inZone.label() : elsewhere.label());
    const int rounds = 5;
    qint64 found = 0;
    clock.start();
    for (int round = 0; round < rounds; ++round) {
        for (const std::string &label : asked)
            found += index->containsLabel(label);
    }
    const qint64 lookupNs = clock.nsecsElapsed();
    out << "look-ups: " << qint64(double(askedCount) * rounds * 1e9 / double(lookupNs)) << " names/s on one thread ("
        << found / rounds << " of " << askedCount << " in the zone)\n";

    // What a run calls for each name: the whole domain as text, through the screen.
    QStringList domains;
    for (int i = 0; i < askedCount; ++i)
        domains.append(QString::fromStdString(asked[size_t(i)]) + QStringLiteral(".com"));
    zones::ZoneScreen screen(zones);
    int delegated = 0;
    clock.start();
    for (const QString &domain : domains)
        delegated += screen.screen(domain).verdict == zones::ZoneScreen::Verdict::InZone;
    out << "screen domains: " << qint64(double(askedCount) * 1e9 / double(clock.nsecsElapsed())) << " names/s ("
        << delegated << " in the zone)\n";
    return 0;
}
