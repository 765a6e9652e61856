#include "cli/ResultFormat.h"

#include "results/ResultClasses.h"
#include "tld/TldRecord.h"

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

// The result classes pass over a name that was empty before its extension was added.
bool isBareExtension(const QString &domain)
{
    return domain == QLatin1String(".com") || domain == QLatin1String(".net");
}

} // namespace

QString verdictWord(Kind kind)
{
    switch (kind) {
    case Kind::Available:
        return QStringLiteral("available");
    case Kind::Registered:
        return QStringLiteral("registered");
    case Kind::Refused:
        return QStringLiteral("refused");
    case Kind::TimedOut:
        return QStringLiteral("timeout");
    case Kind::Unknown:
        return QStringLiteral("unknown");
    case Kind::NoServer:
        break;
    }
    return QStringLiteral("no-server");
}

QString classWord(const lookup::QueryOutcome &outcome)
{
    if (isBareExtension(outcome.domain))
        return QString();
    if (outcome.kind == Kind::Registered)
        return QStringLiteral("Registered");
    if (outcome.kind != Kind::Available)
        return QString();
    switch (results::ResultClasses::profileListFor(outcome.domain)) {
    case results::HighList:
        return QStringLiteral("High");
    case results::MidList:
        return QStringLiteral("Mid");
    default:
        return QStringLiteral("Low");
    }
}

QString serverText(const lookup::QueryOutcome &outcome)
{
    if (outcome.server.isEmpty())
        return QString();
    // An RDAP server is named by its base URL, which says all.
    if (tld::isRdapServer(outcome.server))
        return outcome.server;
    const QString host = outcome.server.contains(QLatin1Char(':'))
                             ? QLatin1Char('[') + outcome.server + QLatin1Char(']')
                             : outcome.server;
    return host + QLatin1Char(':') + QString::number(outcome.port);
}

QByteArray tsvLine(const lookup::QueryOutcome &outcome)
{
    const QStringList fields = {tsvField(outcome.domain), verdictWord(outcome.kind), classWord(outcome),
                                tsvField(serverText(outcome)), tsvField(outcome.successWord)};
    return (fields.join(QLatin1Char('\t')) + QLatin1Char('\n')).toUtf8();
}

QByteArray jsonLine(const lookup::QueryOutcome &outcome)
{
    const QString line = QStringLiteral("{\"domain\":") + jsonString(outcome.domain) + QStringLiteral(",\"verdict\":") +
                         jsonString(verdictWord(outcome.kind)) + QStringLiteral(",\"class\":") +
                         jsonString(classWord(outcome)) + QStringLiteral(",\"server\":") +
                         jsonString(serverText(outcome)) + QStringLiteral(",\"success\":") +
                         jsonString(outcome.successWord) + QStringLiteral("}\n");
    return line.toUtf8();
}

} // namespace cli
