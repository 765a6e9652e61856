// Replays real WHOIS answers (../shared/whois-answers, labelled registered / available / limited) through a
// loopback WHOIS server and the program's own path for one lookup: routing with the built-in table (or a
// given TLDs.txt), the query line, the answer bytes read until the server closes, decoding and the verdict.
// Prints a confusion table per label and every answer judged against its label.
//
//   bench_verdicts [answers-folder] [TLDs.txt]
#include "WhoisFixtureServer.h"
#include "platform/TextCodec.h"
#include "tld/DefaultTlds.h"
#include "tld/Routing.h"
#include "tld/TldFile.h"
#include "tld/Verdict.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QMap>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTextStream>

namespace {

struct Sample {
    QString file;
    QString tld;
    QString label;
    QString domain;
    QByteArray answer;
    QString verdict; ///< "available", "registered", "refused" or "no row"
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
        Sample sample{fields.at(0), fields.at(1), fields.at(2), QString(), file.readAll(), QString(), QString()};
        sample.domain = queriedDomain(platform::decodeText(sample.answer), sample.tld);
        samples.append(sample);
    }
    return samples;
}

/// Asks the loopback server for one sample after the other, as the program asks a registry.
class Replay : public QObject {
public:
    Replay(QList<Sample> &samples, const tld::TldTable &table) : m_samples(samples), m_table(table)
    {
        m_server.listen();
        m_server.setResponder([this](const QString &) { return m_samples.at(m_current).answer; });
        connect(&m_socket, &QTcpSocket::connected, this,
                [this] { m_socket.write(tld::queryText(m_samples.at(m_current).domain)); });
        connect(&m_socket, &QTcpSocket::readyRead, this, [this] { m_answer += m_socket.readAll(); });
        connect(&m_socket, &QTcpSocket::disconnected, this, &Replay::judge);
    }

    void start() { next(); }

private:
    void next()
    {
        for (++m_current; m_current < m_samples.size(); ++m_current) {
            Sample &sample = m_samples[m_current];
            m_row = tld::findTldIndex(m_table, sample.domain, false);
            if (m_row >= 0)
                break;
            sample.verdict = QStringLiteral("no row");
        }
        if (m_current >= m_samples.size()) {
            QCoreApplication::quit();
            return;
        }
        m_answer.clear();
        // Every row's server is stood in for by the loopback server.
        m_socket.connectToHost(m_server.host(), m_server.port());
    }

    void judge()
    {
        m_answer += m_socket.readAll();
        Sample &sample = m_samples[m_current];
        const tld::TldRecord &row = m_table.at(m_row);
        const tld::WhoisVerdict verdict =
            tld::judgeAnswer(platform::decodeText(m_answer), row.successPhrases, sample.domain);
        switch (verdict.kind) {
        case tld::WhoisVerdict::Kind::Available:
            sample.verdict = QStringLiteral("available");
            sample.detail = QStringLiteral(" phrase \"") + verdict.successWord + QLatin1Char('"');
            break;
        case tld::WhoisVerdict::Kind::ErrorBlocked:
            sample.verdict = QStringLiteral("refused");
            break;
        case tld::WhoisVerdict::Kind::Registered:
            sample.verdict = QStringLiteral("registered");
            break;
        }
        sample.detail += QStringLiteral(" row ") + row.extension;
        m_socket.abort();
        next();
    }

    QList<Sample> &m_samples;
    const tld::TldTable &m_table;
    testing::WhoisFixtureServer m_server;
    QTcpSocket m_socket;
    qsizetype m_current = -1;
    int m_row = -1;
    QByteArray m_answer;
};

void report(const QList<Sample> &samples, QTextStream &out)
{
    const QStringList labels = {QStringLiteral("registered"), QStringLiteral("available"), QStringLiteral("limited")};
    const QStringList verdicts = {QStringLiteral("available"), QStringLiteral("registered"), QStringLiteral("refused"),
                                  QStringLiteral("no row")};
    QMap<QString, QMap<QString, int>> table;
    for (const Sample &sample : samples)
        ++table[sample.label][sample.verdict];
    out << "label        answers   available  registered     refused      no row\n";
    for (const QString &label : labels) {
        int total = 0;
        for (const QString &verdict : verdicts)
            total += table[label][verdict];
        out << label.leftJustified(12) << QString::number(total).rightJustified(8);
        for (const QString &verdict : verdicts)
            out << QString::number(table[label][verdict]).rightJustified(12);
        out << '\n';
    }
    const auto share = [&table](const QString &label, const QString &verdict) {
        int total = 0;
        for (int count : table[label])
            total += count;
        return total ? 100.0 * table[label][verdict] / total : 0.0;
    };
    out << "\nregistered judged available: " << table[labels[0]][verdicts[0]] << " (target 0)\n"
        << "available judged available: " << QString::number(share(labels[1], verdicts[0]), 'f', 1)
        << "% (target >= 95%)\n"
        << "limited judged refused: " << QString::number(share(labels[2], verdicts[2]), 'f', 1)
        << "% (target >= 90%)\n\nAnswers judged against their label:\n";
    for (const Sample &sample : samples) {
        const bool right = (sample.label == labels[0] && sample.verdict == verdicts[1]) ||
                           (sample.label == labels[1] && sample.verdict == verdicts[0]) ||
                           (sample.label == labels[2] && sample.verdict == verdicts[2]);
        if (!right) {
            out << "  " << sample.file.leftJustified(28) << sample.label.leftJustified(11) << "-> "
                << sample.verdict.leftJustified(11) << sample.domain << sample.detail << '\n';
        }
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
    if (samples.isEmpty()) {
        out << "No labelled answers in " << folder << ": skipped.\n";
        return 0;
    }
    tld::TldTable table;
    if (args.size() > 2) {
        if (!tld::TldFile(args.at(2)).loadTldTable(table)) {
            out << "Cannot read " << args.at(2) << '\n';
            return 1;
        }
    } else {
        table = tld::parseTable(tld::defaultTldRows().join(QStringLiteral("\r\n")));
    }
    out << samples.size() << " answers from " << QDir::cleanPath(folder) << ", table "
        << (args.size() > 2 ? args.at(2) : QStringLiteral("built in")) << " (" << table.size() << " rows)\n\n";
    Replay replay(samples, table);
    replay.start();
    app.exec();
    report(samples, out);
    return 0;
}
