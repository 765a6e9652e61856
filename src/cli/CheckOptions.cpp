#include "cli/CheckOptions.h"

#include <QHash>
#include <QHostAddress>

#include <cmath>

namespace cli {

namespace {

constexpr int maxThrottleMs = 86'400'000;

QString quoted(const QString &text)
{
    return QLatin1Char('\'') + text + QLatin1Char('\'');
}

bool hasBlankOrControl(const QString &text)
{
    for (const QChar c : text) {
        if (c.isSpace() || c.category() == QChar::Other_Control)
            return true;
    }
    return false;
}

/// HOST:PORT with the host possibly in brackets ("[::1]:53"); the port is 0 when it is not 1 to 65535.
struct HostPort {
    QString host;
    int port = 0;
};

HostPort splitHostPort(const QString &value)
{
    const qsizetype colon = value.lastIndexOf(QLatin1Char(':'));
    if (colon < 0)
        return {};
    QString host = value.left(colon);
    if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']')))
        host = host.mid(1, host.size() - 2);
    bool ok = false;
    const int port = value.mid(colon + 1).toInt(&ok);
    return {host, ok && port >= 1 && port <= 65535 ? port : 0};
}

std::optional<QString> setValue(CheckOptions &options, const QString &name, const QString &value)
{
    if (name == QLatin1String("--data-dir")) {
        if (value.isEmpty())
            return QStringLiteral("--data-dir needs a folder");
        options.dataDir = value;
    } else if (name == QLatin1String("--tld")) {
        QStringList tlds;
        for (const QString &item : value.split(QLatin1Char(','))) {
            const QString ext = (item.startsWith(QLatin1Char('.')) ? item.mid(1) : item).toLower();
            if (ext.isEmpty() || hasBlankOrControl(ext) || ext.startsWith(QLatin1Char('.')) ||
                ext.endsWith(QLatin1Char('.')))
                return QStringLiteral("--tld needs an extension such as com or co.uk (or several: com,net), not ") +
                       quoted(value);
            if (!tlds.contains(ext))
                tlds.append(ext);
        }
        options.tlds = tlds;
    } else if (name == QLatin1String("--proxy")) {
        const HostPort proxy = splitHostPort(value);
        if (proxy.host.isEmpty() || hasBlankOrControl(proxy.host) || proxy.port == 0)
            return QStringLiteral("--proxy needs HOST:PORT with a port from 1 to 65535, not ") + quoted(value);
        options.proxyHost = proxy.host;
        options.proxyPort = proxy.port;
    } else if (name == QLatin1String("--dns-server")) {
        const HostPort server = splitHostPort(value);
        const QHostAddress address(server.host);
        if (address.isNull() || server.port == 0)
            return QStringLiteral("--dns-server needs ADDRESS:PORT (an IP address, a port from 1 to 65535), not ") +
                   quoted(value);
        const QString text = address.protocol() == QAbstractSocket::IPv6Protocol
                                 ? QLatin1Char('[') + address.toString() + QLatin1Char(']')
                                 : address.toString();
        options.dnsServer = text + QLatin1Char(':') + QString::number(server.port);
    } else if (name == QLatin1String("--throttle")) {
        bool ok = false;
        const int ms = value.toInt(&ok);
        if (!ok || ms < 0 || ms > maxThrottleMs)
            return QStringLiteral("--throttle needs a whole number of milliseconds from 0 to %1, not ")
                       .arg(maxThrottleMs) +
                   quoted(value);
        options.throttleMs = ms;
    } else if (name == QLatin1String("--resume")) {
        if (value.isEmpty())
            return QStringLiteral("--resume needs a file name");
        options.resumeFile = value;
    } else if (name == QLatin1String("--timeout")) {
        bool ok = false;
        const double seconds = value.toDouble(&ok);
        if (!ok || !std::isfinite(seconds) || seconds < minTimeoutSeconds || seconds > maxTimeoutSeconds)
            return QStringLiteral("--timeout needs a number of seconds from %1 to %2, not ")
                       .arg(minTimeoutSeconds)
                       .arg(maxTimeoutSeconds) +
                   quoted(value);
        options.timeoutSeconds = seconds;
    } else if (name == QLatin1String("--history")) {
        if (value.isEmpty())
            return QStringLiteral("--history needs a file name");
        options.historyFile = value;
    } else if (name == QLatin1String("--skip-checked-within")) {
        bool ok = false;
        const int days = value.toInt(&ok);
        if (!ok || days < 0 || days > maxSkipDays)
            return QStringLiteral("--skip-checked-within needs a whole number of days from 0 to %1, not ")
                       .arg(maxSkipDays) +
                   quoted(value);
        options.skipCheckedDays = days;
    } else if (name == QLatin1String("--import-zone")) {
        if (value.isEmpty())
            return QStringLiteral("--import-zone needs a zone file");
        options.importZone = value;
    } else if (name == QLatin1String("--zone")) {
        if (value.isEmpty())
            return QStringLiteral("--zone needs a zone index or a zone file");
        options.zones.append(value);
    } else if (name == QLatin1String("--tries")) {
        bool ok = false;
        const int tries = value.toInt(&ok);
        if (!ok || tries < 1 || tries > maxTries)
            return QStringLiteral("--tries needs a whole number from 1 to %1, not ").arg(maxTries) + quoted(value);
        options.tries = tries;
    }
    return std::nullopt;
}

} // namespace

ParsedCommandLine parseCommandLine(const QStringList &arguments)
{
    static const QStringList withValue = {QStringLiteral("--data-dir"),
                                          QStringLiteral("--tld"),
                                          QStringLiteral("--proxy"),
                                          QStringLiteral("--throttle"),
                                          QStringLiteral("--resume"),
                                          QStringLiteral("--timeout"),
                                          QStringLiteral("--tries"),
                                          QStringLiteral("--dns-server"),
                                          QStringLiteral("--import-zone"),
                                          QStringLiteral("--history"),
                                          QStringLiteral("--skip-checked-within"),
                                          QStringLiteral("--zone")};
    static const QStringList flags = {
        QStringLiteral("--json"),    QStringLiteral("--quiet"),      QStringLiteral("--profile-files"),
        QStringLiteral("--no-dns"),  QStringLiteral("--help"),       QStringLiteral("-h"),
        QStringLiteral("--version"), QStringLiteral("--no-history"), QStringLiteral("--zone-only")};
    ParsedCommandLine parsed;
    auto fail = [&parsed](const QString &error) {
        parsed.action = ParsedCommandLine::Action::Fail;
        parsed.error = error;
        return parsed;
    };
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (optionsEnded || argument == QLatin1String("-") || !argument.startsWith(QLatin1Char('-'))) {
            parsed.options.inputs.append(argument);
            continue;
        }
        if (argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        const QString name = equals < 0 ? argument : argument.left(equals);
        if (flags.contains(name)) {
            if (equals >= 0)
                return fail(QStringLiteral("option %1 takes no value").arg(name));
            if (name == QLatin1String("--help") || name == QLatin1String("-h"))
                parsed.action = ParsedCommandLine::Action::Help;
            else if (name == QLatin1String("--version") && parsed.action != ParsedCommandLine::Action::Help)
                parsed.action = ParsedCommandLine::Action::Version;
            parsed.options.json |= name == QLatin1String("--json");
            parsed.options.quiet |= name == QLatin1String("--quiet");
            parsed.options.profileFiles |= name == QLatin1String("--profile-files");
            parsed.options.dns &= name != QLatin1String("--no-dns");
            parsed.options.zoneOnly |= name == QLatin1String("--zone-only");
            parsed.options.history &= name != QLatin1String("--no-history");
            continue;
        }
        if (!withValue.contains(name))
            return fail(QStringLiteral("unknown option ") + quoted(name) + QStringLiteral(" (see --help)"));
        QString value;
        if (equals >= 0) {
            value = argument.mid(equals + 1);
        } else if (i + 1 < arguments.size()) {
            value = arguments.at(++i);
        } else {
            return fail(QStringLiteral("option %1 needs a value").arg(name));
        }
        if (const std::optional<QString> error = setValue(parsed.options, name, value))
            return fail(*error);
    }
    if (!parsed.options.importZone.isEmpty() && parsed.action == ParsedCommandLine::Action::Run) {
        if (!parsed.options.inputs.isEmpty())
            return fail(QStringLiteral("--import-zone checks no names: leave out the list files"));
        if (parsed.options.tlds.size() > 1)
            return fail(QStringLiteral("--import-zone takes one --tld, the zone the file must be of"));
    }
    return parsed;
}

QString usageText()
{
    return QStringLiteral(
        "Usage: quarrytide-check [OPTION]... [FILE]...\n"
        "Check whether the domain names listed in FILEs (or read from standard input) are registered,\n"
        "asking each name's registry server at the pace its TLD row sets (several servers side by side),\n"
        "and print one line per name, in the order of the list: domain, verdict, class, server:port and\n"
        "the phrase that showed the name available.\n"
        "\n"
        "  --data-dir DIR      folder holding TLDs.txt and the result files\n"
        "                      (default: the desktop program's application folder)\n"
        "  --tld EXT[,EXT...]  extensions for names without a dot; a name without one is checked in\n"
        "                      each of them (default: the desktop's default extension)\n"
        "  --proxy HOST:PORT   send every lookup to this WHOIS server\n"
        "  --throttle MS       pause between two queries, for every TLD (0: no pause)\n"
        "  --resume FILE       keep the position in FILE; a rerun continues where the last run stopped\n"
        "  --profile-files     also write the profile series files and spill them like the desktop\n"
        "  --timeout S         give up a name after S seconds without an answer (default 30)\n"
        "  --tries N           ask a name at most N times of a server that refuses it; a refusing\n"
        "                      server rests 1 s, then 2, 4... up to 5 minutes, or as long as it asks\n"
        "                      (default 5)\n"
        "  --no-dns            ask the registry about every name; by default a name that DNS shows\n"
        "                      delegated is registered (\"dns\" in the server column) without a query\n"
        "  --dns-server ADDRESS:PORT  the resolver to ask (default: the system's resolvers)\n"
        "  --history FILE      the check history every outcome is recorded in\n"
        "                      (default: History.sqlite in the data folder)\n"
        "  --no-history        record nothing in the history\n"
        "  --skip-checked-within DAYS  do not ask about a name whose last verdict in the history is\n"
        "                      at most DAYS days old: it takes that verdict, and the server column\n"
        "                      says \"(from history, DATE)\" (0: ask about every name, the default)\n"
        "  --import-zone FILE  index the zone file FILE (plain or gzip, as the zone data service delivers\n"
        "                      it) for zone screening, and check nothing; with --tld the file must be the\n"
        "                      zone of that TLD\n"
        "  --zone PATH         screen names against this zone index or zone file (a zone file is\n"
        "                      indexed for this run only), besides the indexes in DIR/zones; repeatable\n"
        "  --zone-only         a name outside its zone ends as likely-available, unasked; names of TLDs\n"
        "                      without a zone are asked as usual\n"
        "  --json              print one JSON object per line\n"
        "  --quiet             no progress and no notes on standard error\n"
        "  -h, --help          show this help and exit\n"
        "  --version           show the version and exit\n"
        "\n"
        "Outcomes: available, registered, likely-available, refused, unknown, timeout, no-server, invalid\n"
        "(an entry that names no domain that can be registered, with the reason; nothing is asked about it).\n"
        "Exit status: 0 every name was judged, 1 some were refused, timed out, had no server or were invalid,\n"
        "2 bad usage, unreadable input or unwritable output, 130 stopped by Ctrl+C (the position is kept),\n"
        "141 the reader of the output went away.\n");
}

} // namespace cli
