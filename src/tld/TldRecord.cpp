#include "tld/TldRecord.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QUrl>

#include <algorithm>

namespace tld {

bool isRdapServer(const QString &server)
{
    return server.startsWith(QLatin1String("https://"), Qt::CaseInsensitive) ||
           server.startsWith(QLatin1String("http://"), Qt::CaseInsensitive);
}

bool isLoopbackHost(const QString &host)
{
    static const QRegularExpression loopbackV4(QStringLiteral("^127(\\.\\d{1,3}){3}$"));
    return host == QLatin1String("localhost") || host == QLatin1String("::1") || loopbackV4.match(host).hasMatch();
}

bool isUsableRdapBase(const QString &url)
{
    // The base becomes a field of a table row: nothing in it may split the row.
    if (url.contains(QLatin1Char('|')) || std::any_of(url.begin(), url.end(), [](QChar c) { return c.isSpace(); }))
        return false;
    const QUrl parsed(url, QUrl::StrictMode);
    if (!parsed.isValid() || parsed.host().isEmpty() || parsed.hasQuery() || parsed.hasFragment())
        return false;
    if (parsed.scheme() == QLatin1String("https"))
        return true;
    // Answers that decide what the user buys never travel unencrypted over a network.
    if (parsed.scheme() != QLatin1String("http"))
        return false;
    return isLoopbackHost(parsed.host());
}

QString rowText(const QString &extension, const QString &server, const QString &port, const QString &status,
                const QString &throttle, const QString &successPhrases)
{
    const QChar bar = QLatin1Char('|');
    return extension + bar + server + bar + port + bar + status + bar + throttle + bar + successPhrases;
}

bool isBlankRow(const QString &line)
{
    return line.isEmpty() || line == QLatin1String(" ");
}

static bool parsePort(const QString &text, int &port)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < 0 || value > 65535)
        return false;
    port = value;
    return true;
}

// A field as a reason quotes it: a hand edit can leave a field of any length.
static QString quoted(const QString &field)
{
    constexpr qsizetype longest = 40;
    return QLatin1Char('"') + (field.size() > longest ? field.left(longest) + QStringLiteral("...") : field) +
           QLatin1Char('"');
}

QString rowProblem(const QString &line)
{
    const QStringList fields = line.split(QLatin1Char('|'));
    if (fields.size() < 6)
        return QCoreApplication::translate("tld::TldRecord", "it has %1 of the six fields separated by \"|\"")
            .arg(fields.size());
    int number = 0;
    // The port of an RDAP row is not used, so whatever it holds spoils nothing.
    if (!isRdapServer(fields.at(1).trimmed()) && !parsePort(fields.at(2), number))
        return QCoreApplication::translate("tld::TldRecord", "the port %1 is not a number from 0 to 65535")
            .arg(quoted(fields.at(2)));
    bool throttleOk = false;
    fields.at(4).trimmed().toInt(&throttleOk);
    if (!throttleOk)
        return QCoreApplication::translate("tld::TldRecord", "the throttle %1 is not a number")
            .arg(quoted(fields.at(4)));
    return {};
}

QStringList rowFields(const QString &line)
{
    if (!rowProblem(line).isEmpty())
        return {};
    return line.split(QLatin1Char('|'));
}

bool parseRow(const QString &line, TldRecord &record)
{
    const QStringList fields = rowFields(line);
    if (fields.isEmpty())
        return false;
    record.extension = fields.at(0).toLower();
    record.server = fields.at(1).toLower();
    if (isRdapServer(fields.at(1).trimmed())) {
        // The path of a base URL may be case-sensitive.
        record.server = fields.at(1).trimmed();
        record.port = rdapPort;
    } else {
        parsePort(fields.at(2), record.port);
    }
    record.enabled = fields.at(3) == enabledStatus;
    record.throttle = fields.at(4).trimmed().toInt();
    record.successPhrases = fields.at(5);
    return true;
}

} // namespace tld
