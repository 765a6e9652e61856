// quarrytide-check --zone-only end to end: NAMES generated .com names (one in five delegated) screened
// against an index of ZONE names, every outcome written to a file. Prints its own figures.
//
//     bench_zone_run [ZONE] [NAMES]
#include "zones/ZoneIndex.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <string>
#include <vector>

namespace {

QTextStream out(stdout);

// Labels of 6 to 14 letters and digits from a splitmix sequence: the same names every run.
struct NameMaker {
    quint64 state;
    explicit NameMaker(quint64 seed) : state(seed) {}
    quint64 next()
    {
        quint64 z = (state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    std::string label()
    {
        static const char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
        quint64 bits = next();
        const int length = 6 + int(bits % 9);
        bits /= 9;
        std::string text;
        for (int i = 0; i < length; ++i) {
            if (bits < 36)
                bits = next();
            text.push_back(letters[bits % (i == 0 ? 26 : 36)]);
            bits /= 36;
        }
        return text;
    }
};

bool writeIndex(const QString &path, qint64 names)
{
    std::vector<quint64> hashes;
    hashes.reserve(size_t(names));
    NameMaker maker(1);
    for (qint64 i = 0; i < names; ++i)
        hashes.push_back(zones::labelHash(maker.label()));
    std::sort(hashes.begin(), hashes.end());
    hashes.erase(std::unique(hashes.begin(), hashes.end()), hashes.end());
    zones::ZoneIndexWriter writer(path);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    return writer.open(hashes.size()) && writer.write(hashes) &&
           writer.commit({QStringLiteral("com"), 1, now, now, quint64(hashes.size())});
}

bool writeNames(const QString &path, qint64 names)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    NameMaker delegated(1);
    NameMaker other(2);
    std::string text;
    for (qint64 i = 0; i < names; ++i) {
        text += (i % 5 == 0 ? delegated : other).label();
        text += '\n';
    }
    return file.write(text.data(), qint64(text.size())) == qint64(text.size());
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const qint64 zoneNames = arguments.value(1, QStringLiteral("10000000")).toLongLong();
    const qint64 names = arguments.value(2, QStringLiteral("2000000")).toLongLong();
    QTemporaryDir folder;
    const QString index = folder.filePath(QStringLiteral("com.idx"));
    const QString list = folder.filePath(QStringLiteral("names.txt"));
    const QString results = folder.filePath(QStringLiteral("results.tsv"));
    if (!writeIndex(index, zoneNames) || !writeNames(list, names)) {
        out << "cannot write the index or the names into " << folder.path() << Qt::endl;
        return 1;
    }
    QProcess check;
    check.setStandardOutputFile(results);
    QElapsedTimer clock;
    clock.start();
    check.start(QStringLiteral(QUARRYTIDE_CHECK_PROGRAM),
                {QStringLiteral("--data-dir"), folder.path(), QStringLiteral("--no-dns"), QStringLiteral("--quiet"),
                 QStringLiteral("--tld"), QStringLiteral("com"), QStringLiteral("--zone"), index,
                 QStringLiteral("--zone-only"), list});
    if (!check.waitForFinished(-1) || check.exitCode() != 0) {
        out << "quarrytide-check failed: " << check.readAllStandardError() << Qt::endl;
        return 1;
    }
    const double seconds = double(clock.elapsed()) / 1000;
    QFile written(results);
    written.open(QIODevice::ReadOnly);
    qint64 lines = 0;
    qint64 registered = 0;
    while (!written.atEnd()) {
        const QByteArray line = written.readLine();
        ++lines;
        registered += line.contains("\tregistered\t");
    }
    out << names << " names against a zone of " << zoneNames << ": " << seconds << " s end to end ("
        << qint64(double(names) / seconds) << " names/s); " << lines << " outcomes written, " << registered
        << " in the zone, " << (lines - registered) << " likely available" << Qt::endl;
    return lines == names ? 0 : 1;
}
