// Replays real WHOIS answers (../shared/whois-answers, labelled registered / available / limited) through a
// loopback WHOIS server and the program's own lookup: the query line, the answer bytes read until the
// server closes, decoding and the verdict. Each answer is judged with its TLD row of the built-in table (or
// of a given TLDs.txt); a TLD without a row is judged with the default phrases and counted apart, since the
// program itself would not ask anyone about it. Prints a confusion table per label, every answer judged
// against its label, and the outcomes of hostile servers.
//
//   bench_verdicts [answers-folder] [TLDs.txt]
#include "WhoisFixtureServer.h"
#include "lookup/RegistryLookup.h"
#include "platform/TextCodec.h"
#include "results/OutcomeWords.h"
#include "tld/DefaultTlds.h"
#include "tld/Routing.h"
#include "tld/TldFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QHash>
#include <QMap>
#include <QRegularExpression>
#include <QTextStream>
#include <QTimer>

namespace {

using Kind = lookup::QueryOutcome::Kind;

struct Sample {
    QString file;
    QString tld;
    QString label;
    QString domain;
    QByteArray answer;
    QString outcome;
    bool hasRow = true;
    QString detail;
};

// The name the answer was given for: the name ending in the TLD that the answer repeats most often,
// leaving out servers, web and mail addresses; "example.<tld>" when the answer never repeats it.
QString queriedDomain(const QString &answer, const QString &tld)
{
    const QRegularExpression name(QStringLiteral("(^|[^a-z0-9@/.-])((?:[a-z0-9-]+\\.)+") +
                                      QRegularExpression::escape(tld) + QStringLiteral(")(?![a-z0-9-])"),
                                  QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression infrastructure(QStringLiteral("^(whois|www|nic|r?whois\\d*|ns\\d*|dns\\d*)\\."),
                                                   QRegularExpression::CaseInsensitiveOption);
    QHash<QString, int> counts;
    QStringList order;
    for (auto it = name.globalMatch(answer); it.hasNext();) {
        const QString found = it.next().captured(2).toLower();
        if (infrastructure.match(found).hasMatch() || found.count(QLatin1Char('.')) > tld.count(QLatin1Char('.')) + 2)
            continue;
        if (!counts.contains(found))
            order.append(found);
        ++counts[found];
    }
    QString best;
    for (const QString &candidate : order) {
        if (best.isEmpty() || counts.value(candidate) > counts.value(best))
            best = candidate;
    }
    return best.isEmpty() ? QStringLiteral("example.") + tld : best;
}

QList<Sample> readSamples(const QString &folder)
{
    QList<Sample> samples;
    QFile manifest(folder + QStringLiteral("/MANIFEST.tsv"));
    if (!manifest.open(QIODevice::ReadOnly))
        return samples;
    const QStringList lines = platform::splitAnyLines(platform::decodeText(manifest.readAll()));
    for (const QString &line : lines) {
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() < 3 || fields.at(0) == QLatin1String("file"))
            continue;
        QFile file(folder + QLatin1Char('/') + fields.at(0));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        Sample sample{fields.at(0), fields.at(1), fields.at(2), QString(), file.readAll(), QString(), true, QString()};
        sample.domain = queriedDomain(platform::decodeText(sample.answer), sample.tld);
        samples.append(sample);
    }
    return samples;
}

/// One lookup through the program's lookup class against the loopback server; waits for its outcome.
lookup::QueryOutcome ask(const QString &domain, tld::TldRecord row, const testing::WhoisFixtureServer &server,
                         int timeLimitMs = 0)
{
    row.server = server.host();
    row.port = server.port();
    const std::unique_ptr<lookup::RegistryLookup> query = lookup::createLookup(row);
    lookup::QueryOutcome outcome;
    QEventLoop loop;
    QObject::connect(query.get(), &lookup::RegistryLookup::finished, &loop, [&](const lookup::QueryOutcome &result) {
        outcome = result;
        loop.quit();
    });
    query->start({domain, row, timeLimitMs});
    loop.exec();
    return outcome;
}

void replay(QList<Sample> &samples, const tld::TldTable &table)
{
    testing::WhoisFixtureServer server;
    server.listen();
    const Sample *current = nullptr;
    server.setResponder([&current](const QString &) { return current->answer; });
    for (Sample &sample : samples) {
        current = &sample;
        const int index = tld::findTldIndex(table, sample.domain, false);
        sample.hasRow = index >= 0;
        const tld::TldRecord row = sample.hasRow
                                       ? table.at(index)
                                       : tld::TldRecord{sample.tld, QString(), 43, true, 0, tld::defaultSuccessPhrases};
        const lookup::QueryOutcome outcome = ask(sample.domain, row, server);
        sample.outcome = results::outcomeWord(outcome.kind);
        if (outcome.kind == Kind::Available)
            sample.detail = QStringLiteral(" phrase \"") + outcome.successWord + QLatin1Char('"');
        sample.detail += sample.hasRow ? QStringLiteral(" row ") + row.extension : QStringLiteral(" no row");
    }
}

void report(const QList<Sample> &samples, QTextStream &out)
{
    const QStringList labels = {QStringLiteral("registered"), QStringLiteral("available"), QStringLiteral("limited")};
    const QStringList outcomes = {QStringLiteral("available"), QStringLiteral("registered"), QStringLiteral("refused"),
                                  QStringLiteral("unknown"), QStringLiteral("timeout")};
    QMap<QString, QMap<QString, int>> table;
    QMap<QString, int> withoutRow;
    for (const Sample &sample : samples) {
        ++table[sample.label][sample.outcome];
        withoutRow[sample.label] += sample.hasRow ? 0 : 1;
    }
    out << "label        answers   available  registered     refused     unknown     timeout   (no row)\n";
    for (const QString &label : labels) {
        int total = 0;
        for (const QString &outcome : outcomes)
            total += table[label][outcome];
        out << label.leftJustified(12) << QString::number(total).rightJustified(8);
        for (const QString &outcome : outcomes)
            out << QString::number(table[label][outcome]).rightJustified(12);
        out << QString::number(withoutRow[label]).rightJustified(11) << '\n';
    }
    const auto share = [&table](const QString &label, const QStringList &wanted) {
        int total = 0;
        int hits = 0;
        for (auto it = table[label].cbegin(); it != table[label].cend(); ++it) {
            total += it.value();
            hits += wanted.contains(it.key()) ? it.value() : 0;
        }
        return QString::number(total ? 100.0 * hits / total : 0.0, 'f', 1) + QLatin1Char('%');
    };
    out << "\nregistered judged available: " << table[labels[0]][outcomes[0]] << " (target 0)\n"
        << "available judged available: " << share(labels[1], {outcomes[0]}) << " (target >= 97%)\n"
        << "limited not judged registered: " << share(labels[2], {outcomes[0], outcomes[2], outcomes[3], outcomes[4]})
        << " (target >= 95%)\n"
        << "limited judged refused: " << share(labels[2], {outcomes[2]}) << '\n'
        << "registered judged registered: " << share(labels[0], {outcomes[1]}) << " (target >= 99%)\n"
        << "\nAnswers judged against their label:\n";
    for (const Sample &sample : samples) {
        const bool right = (sample.label == labels[0] && sample.outcome == outcomes[1]) ||
                           (sample.label == labels[1] && sample.outcome == outcomes[0]) ||
                           (sample.label == labels[2] && sample.outcome == outcomes[2]);
        if (!right) {
            out << "  " << sample.file.leftJustified(28) << sample.label.leftJustified(11) << "-> "
                << sample.outcome.leftJustified(11) << sample.domain << sample.detail << '\n';
        }
    }
}

// Servers that misbehave: none of them may produce a verdict about the name.
void hostile(QTextStream &out)
{
    using Mode = testing::WhoisFixtureServer::Mode;
    QByteArray junk(4096, '\0');
    for (int i = 0; i < junk.size(); ++i)
        junk[i] = char((i * 7919 + 13) % 256);
    QByteArray huge = "No match for \"HOSTILE.COM\".\r\n";
    while (huge.size() < 50 * 1024 * 1024)
        huge += "   Domain Name: HOSTILE.COM\r\n   Registrar: Example Registrar\r\n";
    struct Case {
        const char *name;
        Mode mode;
        QByteArray answer;
    };
    const QList<Case> cases = {{"connection reset", Mode::Reset, QByteArray()},
                               {"closed without a byte", Mode::CloseAtOnce, QByteArray()},
                               {"binary junk", Mode::AnswerAtOnce, junk},
                               {"silence", Mode::Silent, QByteArray()},
                               {"50 MiB answer", Mode::AnswerAtOnce, huge}};
    out << "\nHostile servers (the name hostile.com, row com of the built-in phrases):\n";
    for (const Case &c : cases) {
        testing::WhoisFixtureServer server;
        server.listen();
        server.setMode(c.mode);
        server.setAnswer(c.answer);
        const tld::TldRecord row{QStringLiteral("com"), QString(), 43, true, 0, tld::defaultSuccessPhrases};
        const lookup::QueryOutcome outcome = ask(QStringLiteral("hostile.com"), row, server, 2000);
        out << "  " << QString::fromLatin1(c.name).leftJustified(24)
            << results::outcomeWord(outcome.kind).leftJustified(11) << outcome.cause << '\n';
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString folder = args.size() > 1 ? args.at(1) : QStringLiteral(QUARRYTIDE_SHARED_WHOIS_ANSWERS);
    QTextStream out(stdout);
    QList<Sample> samples = readSamples(folder);
    tld::TldTable table;
    if (args.size() > 2) {
        if (!tld::TldFile(args.at(2)).loadTldTable(table)) {
            out << "Cannot read " << args.at(2) << '\n';
            return 1;
        }
    } else {
        table = tld::parseTable(tld::defaultTldRows().join(QStringLiteral("\r\n")));
    }
    if (samples.isEmpty()) {
        out << "No labelled answers in " << folder << ": skipped.\n";
    } else {
        out << samples.size() << " answers from " << QDir::cleanPath(folder) << ", table "
            << (args.size() > 2 ? args.at(2) : QStringLiteral("built in")) << " (" << table.size() << " rows)\n\n";
        replay(samples, table);
        report(samples, out);
    }
    out.flush();
    hostile(out);
    return 0;
}
