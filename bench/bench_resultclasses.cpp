// 20,000 available names through the result classes with the series files kept current.
#include "platform/AppFolder.h"
#include "results/ResultClasses.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void addTwentyThousandAvailableNames(benchmark::State &state)
{
    for (auto _ : state) {
        QTemporaryDir dir;
        platform::AppFolder folder(dir.path());
        results::ResultClasses classes(folder);
        for (int i = 0; i < 20000; ++i) {
            // A mix of the three lengths, as a word list gives them.
            classes.addAvailableName(QStringLiteral("n%1").arg(i * 7919 % 100000000) + QStringLiteral(".com"));
            classes.checkOverflow();
        }
        benchmark::DoNotOptimize(classes.counter(results::LowList));
    }
}

} // namespace

BENCHMARK(addTwentyThousandAvailableNames)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_MAIN();
