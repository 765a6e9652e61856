#include "tld/TldRecord.h"

namespace tld {

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

QStringList rowFields(const QString &line)
{
    QStringList fields = line.split(QLatin1Char('|'));
    if (fields.size() < 6)
        return {};
    int number = 0;
    bool throttleOk = false;
    fields.at(4).trimmed().toInt(&throttleOk);
    if (!parsePort(fields.at(2), number) || !throttleOk)
        return {};
    return fields;
}

bool parseRow(const QString &line, TldRecord &record)
{
    const QStringList fields = rowFields(line);
    if (fields.isEmpty())
        return false;
    record.extension = fields.at(0).toLower();
    record.server = fields.at(1).toLower();
    parsePort(fields.at(2), record.port);
    record.enabled = fields.at(3) == enabledStatus;
    record.throttle = fields.at(4).trimmed().toInt();
    record.successPhrases = fields.at(5);
    return true;
}

} // namespace tld
