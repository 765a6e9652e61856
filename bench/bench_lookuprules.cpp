// The rules every lookup and every scanned page line goes through, on inputs shaped like the real ones:
// word-list names, 200-character page lines, 2 kB WHOIS answers, with the built-in 179-row table loaded.
#include "tld/DefaultTlds.h"
#include "tld/DomainRule.h"
#include "tld/NameCleaning.h"
#include "tld/Routing.h"
#include "tld/TldFile.h"
#include "tld/Verdict.h"

#include <benchmark/benchmark.h>

namespace {

const QStringList &words()
{
    static const QStringList list = [] {
        const char *stems[] = {"apple", "river",  "stone", "cloud",  "garden", "silver", "north", "quick",
                               "maple", "harbor", "pixel", "forest", "copper", "lumen",  "orbit", "velvet"};
        const char *ends[] = {"", "s", "ing", "works", "hub", "ly", "craft", "house"};
        QStringList result;
        for (const char *stem : stems) {
            for (const char *end : ends)
                result.append(QLatin1String(stem) + QLatin1String(end));
        }
        return result;
    }();
    return list;
}

// What the sources hand over: plain words, names with a TLD, and names cut from pages.
const QStringList &candidates()
{
    static const QStringList list = [] {
        QStringList result;
        int i = 0;
        for (const QString &word : words()) {
            switch (i++ % 8) {
            case 0:
                result.append(word + QStringLiteral(".com"));
                break;
            case 1:
                result.append(QStringLiteral("www.") + word + QStringLiteral(".co.uk"));
                break;
            case 2:
                result.append(word + QStringLiteral(" ") + words().at(i % 64));
                break;
            case 3:
                result.append(QStringLiteral("<b>") + word + QStringLiteral("</b>.net"));
                break;
            case 4:
                result.append(word + QStringLiteral("%20shop.de"));
                break;
            default:
                result.append(word);
                break;
            }
        }
        return result;
    }();
    return list;
}

tld::TldTable builtInTable(bool enableAll)
{
    tld::TldTable table = tld::parseTable(tld::defaultTldRows().join(QStringLiteral("\r\n")));
    for (tld::TldRecord &row : table)
        row.enabled = row.enabled || enableAll;
    return table;
}

// 200-character lines of a result page: links, host names, prose.
const QStringList &pageLines()
{
    static const QStringList list = [] {
        QStringList result;
        for (int i = 0; i < 64; ++i) {
            const QString &a = words().at(i);
            const QString &b = words().at((i * 7 + 3) % words().size());
            QString line = QStringLiteral("<li class=\"result\"><a href=\"https://www.") + a + QStringLiteral("-") + b +
                           QStringLiteral(".example/path/page.html?id=") + QString::number(i * 37) +
                           QStringLiteral("\">") + a + QStringLiteral(" and ") + b +
                           QStringLiteral(" - the best offers</a> <cite>") + b + QStringLiteral(".") +
                           QLatin1String(i % 2 ? "org" : "info") + QStringLiteral("/") + a;
            while (line.size() < 200)
                line += QStringLiteral(" more text about ") + a;
            result.append(line.left(200));
        }
        return result;
    }();
    return list;
}

QString disclaimer()
{
    QString text;
    const QString sentence = QStringLiteral(
        "The data in this registry's WHOIS database is provided for information purposes only and is not "
        "guaranteed to be accurate. You agree to use it only for lawful purposes and never to send mass "
        "unsolicited mail or to enable high volume, automated queries.\r\n");
    while (text.size() < 1500)
        text += sentence;
    return text;
}

// 2 kB answers in the shapes a registry sends: a record with its notices, and a not-found statement.
const QStringList &answers()
{
    static const QStringList list = {
        QStringLiteral("   Domain Name: RIVERSTONE.COM\r\n   Registry Domain ID: 1234567_DOMAIN_COM-VRSN\r\n"
                       "   Registrar WHOIS Server: whois.registrar.example\r\n   Updated Date: 2024-01-02T03:04:05Z\r\n"
                       "   Creation Date: 2001-02-03T04:05:06Z\r\n   Registrar: Example Registrar, Inc.\r\n"
                       "   Domain Status: clientTransferProhibited\r\n   Name Server: NS1.EXAMPLE.NET\r\n") +
            disclaimer(),
        QStringLiteral("No match for \"RIVERSTONEWORKS.COM\".\r\n>>> Last update of whois database: "
                       "2024-01-02T03:04:05Z <<<\r\n") +
            disclaimer(),
    };
    return list;
}

void correctName(benchmark::State &state)
{
    const QStringList &input = candidates();
    qsizetype i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tld::correctName(input.at(i++ % input.size())));
    }
    state.SetItemsProcessed(state.iterations());
}

// The rule every entry goes through; the target is at least a million entries a second. Besides the
// sources' candidates: addresses, international names and entries that are no names.
void readEntry(benchmark::State &state)
{
    QStringList input = candidates();
    for (const QString &word : words().mid(0, 16)) {
        input.append(QStringLiteral("https://www.") + word + QStringLiteral(".com/index.html?q=1"));
        input.append(word + QStringLiteral("-b\u00fccher.de"));
        input.append(QStringLiteral("-") + word + QStringLiteral("..com"));
    }
    qsizetype i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tld::readEntry(input.at(i++ % input.size())));
    }
    state.SetItemsProcessed(state.iterations());
}

void urlUnescape(benchmark::State &state)
{
    // 0: what the sources hand over; 1: names cut from page addresses, every one escaped.
    QStringList input = candidates();
    if (state.range(0) != 0) {
        for (QString &name : input)
            name = QStringLiteral("%3Cb%3E") + name + QStringLiteral("%2520shop%2Fpage%3Fq%3Dx.com");
    }
    qsizetype i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tld::urlUnescape(input.at(i++ % input.size())));
    }
    state.SetItemsProcessed(state.iterations());
}

void findTldIndex(benchmark::State &state)
{
    const tld::TldTable table = builtInTable(false);
    QStringList names;
    for (const QString &candidate : candidates())
        names.append(tld::correctName(candidate));
    names.append(QStringLiteral("riverstone.xyz")); // no row: the whole table and the com fallback
    qsizetype i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tld::findTldIndex(table, names.at(i++ % names.size()), false));
    }
    state.SetItemsProcessed(state.iterations());
}

void containsEnabledTld(benchmark::State &state)
{
    const tld::EnabledTldMatcher matcher(builtInTable(state.range(0) != 0));
    const QStringList &lines = pageLines();
    qsizetype i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(matcher.containsEnabledTld(lines.at(i++ % lines.size())));
    }
    state.SetItemsProcessed(state.iterations());
}

void endOfEnabledTld(benchmark::State &state)
{
    const tld::EnabledTldMatcher matcher(builtInTable(state.range(0) != 0));
    const QStringList &lines = pageLines();
    qsizetype i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(matcher.endOfEnabledTld(lines.at(i++ % lines.size())));
    }
    state.SetItemsProcessed(state.iterations());
}

void judgeAnswer(benchmark::State &state)
{
    const tld::TldTable table = builtInTable(false);
    const QString domain = QStringLiteral("riverstoneworks.com");
    const QString &phrases = table.at(tld::findTldIndex(table, domain, false)).successPhrases;
    const QString &answer = answers().at(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(tld::judgeAnswer(answer, phrases, domain));
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel(state.range(0) == 0 ? "registered" : "not found");
}

} // namespace

BENCHMARK(correctName);
BENCHMARK(readEntry);
BENCHMARK(urlUnescape)->ArgName("escaped")->Arg(0)->Arg(1);
BENCHMARK(findTldIndex);
BENCHMARK(containsEnabledTld)->ArgName("allEnabled")->Arg(0)->Arg(1);
BENCHMARK(endOfEnabledTld)->ArgName("allEnabled")->Arg(0)->Arg(1);
BENCHMARK(judgeAnswer)->Arg(0)->Arg(1);
BENCHMARK_MAIN();
