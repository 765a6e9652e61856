#include "cli/ResultFormat.h"

#include "results/OutcomeWords.h"

#include <QStringList>

namespace cli {

using Kind = lookup::QueryOutcome::Kind;

namespace {

bool isControl(char16_t c)
{
    return c < 0x20 || c == 0x7f;
}

// A field never breaks the line it sits in: control characters are shown as \xHH.
QString tsvField(const QString &text)
{
    QString field;
    field.reserve(text.size());
    for (const QChar c : text) {
        if (isControl(c.unicode()))
            field += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            field += c;
    }
    return field;
}

QString jsonString(const QString &text)
{
    QString json = QStringLiteral("\"");
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '"':
            json += QLatin1String("\\\"");
            break;
        case '\\':
            json += QLatin1String("\\\\");
            break;
        case '\n':
            json += QLatin1String("\\n");
            break;
        case '\r':
            json += QLatin1String("\\r");
            break;
        case '\t':
            json += QLatin1String("\\t");
            break;
        default:
            if (isControl(c.unicode()))
                json += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                json += c;
        }
    }
    return json + QLatin1Char('"');
}

} // namespace

QString verdictWord(Kind kind)
{
    return results::outcomeWord(kind);
}

QString classWord(const lookup::QueryOutcome &outcome)
{
    return results::classWord(outcome);
}

QString serverText(const lookup::QueryOutcome &outcome)
{
    return results::serverText(outcome);
}

// The fifth field says why: the phrase that showed the name available, why an entry is no name, or the
// zone that left a likely-available name out.
QString reasonText(const lookup::QueryOutcome &outcome)
{
    return outcome.kind == Kind::Invalid || outcome.kind == Kind::LikelyAvailable ? outcome.cause : outcome.successWord;
}

QByteArray tsvLine(const lookup::QueryOutcome &outcome)
{
    const QStringList fields = {tsvField(outcome.domain), verdictWord(outcome.kind), classWord(outcome),
                                tsvField(serverText(outcome)), tsvField(reasonText(outcome))};
    return (fields.join(QLatin1Char('\t')) + QLatin1Char('\n')).toUtf8();
}

QByteArray jsonLine(const lookup::QueryOutcome &outcome)
{
    const bool hasReason = outcome.kind == Kind::Invalid || outcome.kind == Kind::LikelyAvailable;
    const QString line =
        QStringLiteral("{\"domain\":") + jsonString(outcome.domain) + QStringLiteral(",\"verdict\":") +
        jsonString(verdictWord(outcome.kind)) + QStringLiteral(",\"class\":") + jsonString(classWord(outcome)) +
        QStringLiteral(",\"server\":") + jsonString(serverText(outcome)) + QStringLiteral(",\"success\":") +
        jsonString(outcome.successWord) + QStringLiteral(",\"entry\":") + jsonString(outcome.entry) +
        QStringLiteral(",\"reason\":") + jsonString(hasReason ? outcome.cause : QString()) + QStringLiteral("}\n");
    return line.toUtf8();
}

} // namespace cli
