#include "results/ResultLog.h"

#include "platform/AtomicFile.h"
#include "platform/TextCodec.h"
#include "results/CsvText.h"
#include "results/OutcomeWords.h"

namespace results {

void ResultLog::record(const lookup::QueryOutcome &outcome)
{
    const QString server = serverText(outcome);
    qsizetype index = m_servers.indexOf(server);
    if (index < 0) {
        index = m_servers.size();
        m_servers.append(server);
    }
    m_entries.push_back(
        {outcome.domain, outcome.kind, classWord(outcome), int(index), m_clock(), outcome.entry, outcome.cause});
}

QByteArray ResultLog::csv() const
{
    QString text = QStringLiteral("domain,outcome,class,server,time,entry,reason") + platform::crlf;
    for (const Entry &entry : m_entries) {
        const QDateTime time = entry.time.toOffsetFromUtc(entry.time.offsetFromUtc());
        const QStringList fields = {csvField(entry.domain),
                                    outcomeWord(entry.kind),
                                    entry.className,
                                    csvField(m_servers.at(entry.server)),
                                    time.toString(Qt::ISODate),
                                    csvField(entry.entry),
                                    csvField(entry.reason)};
        text += fields.join(QLatin1Char(',')) + platform::crlf;
    }
    return platform::encodeText(text);
}

bool ResultLog::exportTo(const QString &path) const
{
    return platform::writeFileAtomically(path, csv());
}

} // namespace results
