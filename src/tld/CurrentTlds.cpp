#include "tld/CurrentTlds.h"

#include "tld/DefaultTlds.h"
#include "tld/RootZone.h"
#include "tld/TldRecord.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

namespace tld {

namespace {

QSet<QString> namedExtensions(const QStringList &lines)
{
    QSet<QString> named;
    for (const QString &line : lines) {
        if (line.contains(QLatin1Char('|')))
            named.insert(line.section(QLatin1Char('|'), 0, 0).trimmed().toLower());
    }
    return named;
}

} // namespace

QStringList missingPopularRows(const QStringList &lines)
{
    const QSet<QString> named = namedExtensions(lines);
    QStringList rows;
    for (const QString &row : defaultTldRows()) {
        const QString extension = row.section(QLatin1Char('|'), 0, 0);
        if (popularTlds().contains(extension) && !named.contains(extension))
            rows.append(row);
    }
    return rows;
}

CurrentTldRows currentTldRows(const QStringList &lines)
{
    QSet<QString> named = namedExtensions(lines);
    CurrentTldRows added;
    for (const RootZoneTld &tld : rootZone()) {
        if (named.contains(tld.extension))
            continue;
        const QString server = tld.preferredServer();
        if (server.isEmpty()) {
            ++added.serverless;
            continue;
        }
        const bool rdap = !tld.rdapBase.isEmpty();
        // An RDAP row is judged by the HTTP status; its phrase field stays empty.
        added.rows.append(rowText(tld.extension, server, QString::number(rdap ? rdapPort : 43), disabledStatus,
                                  QStringLiteral("25"), rdap ? QString() : defaultSuccessPhrases));
        ++(rdap ? added.rdapRows : added.whoisRows);
        named.insert(tld.extension);
    }
    return added;
}

RdapBootstrap parseRdapBootstrap(const QByteArray &json)
{
    RdapBootstrap bootstrap;
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        bootstrap.error = QStringLiteral("not JSON: ") + parseError.errorString();
        return bootstrap;
    }
    const QJsonValue services = document.object().value(QLatin1String("services"));
    if (!services.isArray()) {
        bootstrap.error = QStringLiteral("no list of services in it");
        return bootstrap;
    }
    // Each service: [[tld, ...], [base URL, ...]]; the first base the program may use serves them all.
    for (const auto &service : services.toArray()) {
        const QJsonArray pair = service.toArray();
        if (pair.size() < 2)
            continue;
        QString base;
        for (const auto &url : pair.at(1).toArray()) {
            if (isUsableRdapBase(url.toString())) {
                base = url.toString();
                break;
            }
        }
        if (base.isEmpty())
            continue;
        for (const auto &tld : pair.at(0).toArray()) {
            const QString extension = tld.toString().trimmed().toLower();
            if (!extension.isEmpty() && !extension.contains(QLatin1Char('|')))
                bootstrap.bases.insert(extension, base);
        }
    }
    if (bootstrap.bases.isEmpty())
        bootstrap.error = QStringLiteral("no TLD with a usable RDAP service in it");
    return bootstrap;
}

ServerUpdate updateServers(const QStringList &lines, const QHash<QString, QString> &bases)
{
    ServerUpdate update;
    update.lines = lines;
    for (QString &line : update.lines) {
        QStringList fields = rowFields(line);
        if (fields.isEmpty())
            continue;
        const QString extension = fields.at(0).trimmed().toLower();
        const QString base = bases.value(extension);
        const QString server = fields.at(1).trimmed();
        if (base.isEmpty() || base == server)
            continue;
        if (!programServers(extension).contains(server, Qt::CaseInsensitive)) {
            ++update.ownServers;
            continue;
        }
        update.changes.append({fields.at(0), fields.at(1), base});
        fields[1] = base;
        fields[2] = QString::number(rdapPort);
        line = fields.join(QLatin1Char('|'));
    }
    return update;
}

} // namespace tld
