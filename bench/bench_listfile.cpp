// Cost of reading one entry of a 1,000,000-entry list near its start and near its end.
#include "sources/ListFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

const QString &bigList()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString file = dir.filePath(QStringLiteral("million.txt"));
        QFile out(file);
        if (out.open(QIODevice::WriteOnly)) {
            QByteArray text;
            text.reserve(16 * 1000000);
            for (int i = 1; i <= 1000000; ++i)
                text += "word" + QByteArray::number(i) + "\r\n";
            out.write(text);
        }
        return file;
    }();
    return path;
}

void readEntry(benchmark::State &state)
{
    sources::ListFile list(bigList());
    list.countListEntries(); // the index is built once, as in a run
    QString entry;
    const int position = int(state.range(0));
    for (auto _ : state) {
        list.readListEntry(position, entry);
        benchmark::DoNotOptimize(entry);
    }
}

} // namespace

BENCHMARK(readEntry)->Arg(1)->Arg(500000)->Arg(999999);
BENCHMARK_MAIN();
