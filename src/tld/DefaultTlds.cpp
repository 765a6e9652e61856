#include "tld/DefaultTlds.h"

#include "tld/RootZone.h"
#include "tld/TldRecord.h"

namespace tld {

// Whole not-found statements as registries word them. None of them occurs in an answer about a registered
// name: no disclaimer, field name or status line, so no prose can make a taken name look free.
const QString defaultSuccessPhrases =
    QStringList{
        QStringLiteral("No match"),
        QStringLiteral("NOT FOUND"),
        QStringLiteral("No Data Found"),
        QStringLiteral("No entries found"),
        QStringLiteral("No Object Found"),
        QStringLiteral("No Objects Found"),
        QStringLiteral("Status: free"),
        QStringLiteral("Status: AVAILABLE"),
        QStringLiteral("Status: Not Registered"),
        QStringLiteral("does not exist in database"),
        QStringLiteral("object does not exist"),
        QStringLiteral("Domain is not registered"),
        QStringLiteral("Domain name is not registered"),
        QStringLiteral("has not been registered"),
        QStringLiteral("No such domain"),
        QStringLiteral("Nothing found"),
        QStringLiteral("No information available about domain name"),
        QStringLiteral("There is no information available on the domain"),
        QStringLiteral("No data was found to match the request criteria"),
        QStringLiteral("We do not have an entry in our database matching your query"),
        QStringLiteral("No records matching"),
        QStringLiteral("domain name not known"),
        QStringLiteral("query_status: 220 Available"),
        QStringLiteral("Object_Not_Found"),
        QStringLiteral("No Found"),
        QStringLiteral("no se encuentra registrado"),
    }
        .join(QLatin1Char(','));

const QStringList &refusalStatements()
{
    // Explicit rate limits and refusals.
    static const QStringList statements = {
        QStringLiteral("Too many requests"),
        QStringLiteral("Too many connections"),
        QStringLiteral("Please go away for"),
        QStringLiteral("try again later"),
        QStringLiteral("please slow down"),
        QStringLiteral("WHOIS LIMIT EXCEEDED"),
        QStringLiteral("whois-limit exceeded"),
        QStringLiteral("request limit exceeded"),
        QStringLiteral("connection limit exceeded"),
        QStringLiteral("query limit exceeded"),
        QStringLiteral("lookup limit exceeded"),
        QStringLiteral("daily limit exceeded"),
        QStringLiteral("quota exceeded"),
        QStringLiteral("allowed queries exceeded"),
        QStringLiteral("You have exceeded this limit"),
        QStringLiteral("exceeded allowed connection rate"),
        QStringLiteral("access control limit reached"),
        QStringLiteral("Maximum queries per hour reached"),
        QStringLiteral("Excessive querying, grace period"),
        QStringLiteral("Still in grace period"),
        QStringLiteral(": IP address blocked"),
        QStringLiteral("service temporarily unavailable"),
        QStringLiteral("Service Unavailable"),
        QStringLiteral("Server too busy"),
        QStringLiteral("Connection refused"),
        QStringLiteral("Request Denied"),
        QStringLiteral("Access denied"),
        QStringLiteral("Connection attempt failed"),
        QStringLiteral("Your request could not be performed"),
        QStringLiteral("TLD is not supported"),
        QStringLiteral("Requests of this client are not permitted"),
        QStringLiteral("timed out"),
        QStringLiteral("Queried interval is too short"),
    };
    return statements;
}

const QStringList &noDomainsStatements()
{
    // The answers of registries' address databases, which hold no domain names at all (old tables still send
    // country domains there).
    static const QStringList statements = {
        QStringLiteral("No entries found in source RIPE"),
        QStringLiteral("No entries found in source APNIC"),
    };
    return statements;
}

namespace {

// A note for the manager's Success column: the country's registry runs no public WHOIS server (the address
// registry's server answers no domain query).
const QString noServer = QStringLiteral("#NO WHOIS SERVER#");

// One built-in row as first written for WHOIS; the row in the file may name an RDAP service instead.
struct BuiltInRow {
    QString extension;
    QString whoisServer;
    QString successPhrases;
    bool enabled = false;
};

BuiltInRow row(const char *extension, const char *whoisServer, const QString &successPhrases, bool enabled = false)
{
    return {QLatin1String(extension), QLatin1String(whoisServer), successPhrases, enabled};
}

// A TLD whose registry runs an RDAP service is asked there. An alternative root's host gives way to the
// registry's own WHOIS server once the TLD has entered the root zone; other hosts were chosen with care
// and stay.
QString serverFor(const BuiltInRow &row)
{
    const RootZoneTld *tld = findRootZoneTld(row.extension);
    if (!tld)
        return row.whoisServer;
    if (!tld->rdapBase.isEmpty())
        return tld->rdapBase;
    if (row.whoisServer.contains(QLatin1String(".altroot-")) && !tld->whoisServer.isEmpty())
        return tld->whoisServer;
    return row.whoisServer;
}

// A note for the manager's Success column in front of the default list.
QString marked(const QString &marker)
{
    return marker + QLatin1Char(',') + defaultSuccessPhrases;
}

const QList<BuiltInRow> &builtInRows()
{
    // Every row is a TLD of the root zone (and the proxy row), in alphabetical order. Country rows name their
    // own registry's server; rows of countries without a public WHOIS server carry a note. The WHOIS hosts of
    // TLDs that began in alternative roots are those the table once named; the registry's servers replace them.
    static const QList<BuiltInRow> rows = {
        row("ac", "whois.nic.ac", QStringLiteral("NOT FOUND,is available for purchase")),
        row("af", "whois.nic.af", marked(QStringLiteral("#SERVER DOWN#"))),
        row("ai", "whois.nic.ai", defaultSuccessPhrases),
        row("al", "whois.ripe.net", noServer),
        row("am", "whois.amnic.net", QStringLiteral("No match")),
        row("app", "whois.nic.google", defaultSuccessPhrases),
        row("art", "whois.altroot-charlie.net", defaultSuccessPhrases),
        row("as", "whois.nic.as", defaultSuccessPhrases),
        row("at", "whois.nic.at", QStringLiteral("nothing found,No entries found")),
        row("au", "whois.auda.org.au", QStringLiteral("NOT FOUND,No Data Found")),
        row("az", "whois.ripe.net", noServer),
        row("ba", "whois.ripe.net", noServer),
        row("bank", "whois.altroot-charlie.net", defaultSuccessPhrases),
        row("be", "whois.dns.be", QStringLiteral("Status: AVAILABLE")),
        row("bg", "whois.register.bg", QStringLiteral("does not exist in database")),
        row("biz", "whois.nic.biz", QStringLiteral("No Data Found,object does not exist")),
        row("bot", "whois.altroot-alpha.net", defaultSuccessPhrases),
        row("br", "whois.registro.br", QStringLiteral("No match for")),
        row("bt", "whois.nic.bt", marked(noServer)),
        row("by", "whois.cctld.by", QStringLiteral("Object does not exist")),
        row("ca", "whois.cira.ca", QStringLiteral("Not found:,Domain status: available")),
        row("cc", "ccwhois.verisign-grs.com", QStringLiteral("No match for \"")),
        row("ch", "whois.nic.ch",
            QStringLiteral(
                "We do not have an entry in our database matching your query,The queried object does not exist")),
        row("ck", "whois.nic.ck", marked(noServer)),
        row("cl", "whois.nic.cl", QStringLiteral(": no existe")),
        row("cn", "whois.cnnic.cn", QStringLiteral("no matching record")),
        row("co", "whois.nic.co", defaultSuccessPhrases),
        row("com", "whois.verisign-grs.com", defaultSuccessPhrases, true),
        row("cx", "whois.nic.cx", QStringLiteral("No Object Found,Status: Not Registered")),
        row("cy", "whois.ripe.net", noServer),
        row("cz", "whois.nic.cz", QStringLiteral("No entries found")),
        row("dds", "whois.altroot-bravo.net", defaultSuccessPhrases),
        row("de", "whois.denic.de", QStringLiteral("Status: free")),
        row("dev", "whois.altroot-alpha.net", defaultSuccessPhrases),
        row("dk", "whois.punktum.dk", QStringLiteral("No entries found for the selected source")),
        row("dz", "whois.nic.dz", defaultSuccessPhrases),
        row("earth", "whois.altroot-delta.net", defaultSuccessPhrases),
        row("edu", "whois.educause.edu", QStringLiteral("No Match")),
        row("ee", "whois.tld.ee", QStringLiteral("Domain not found")),
        row("eg", "whois.ripe.net", noServer),
        row("es", "whois.nic.es",
            QStringLiteral("#ONLY AUTHORISED IP ADDRESSES#,There is no information available on the domain")),
        row("fi", "whois.fi", QStringLiteral("Domain not found")),
        row("film", "whois.altroot-charlie.net", defaultSuccessPhrases),
        row("fo", "whois.nic.fo", defaultSuccessPhrases),
        row("fr", "whois.nic.fr", QStringLiteral("No entries found in the AFNIC Database,NOT FOUND")),
        row("fund", "whois.altroot-charlie.net", defaultSuccessPhrases),
        row("gallery", "whois.altroot-bravo.net", defaultSuccessPhrases),
        row("gb", "whois.ripe.net", noServer),
        row("ge", "whois.nic.ge", defaultSuccessPhrases),
        row("gm", "whois.ripe.net", noServer),
        row("gmbh", "whois.altroot-bravo.net", defaultSuccessPhrases),
        row("gov", "whois.dotgov.gov", QStringLiteral("No match for \"")),
        row("gr", "whois.ripe.net", noServer),
        row("gs", "whois.nic.gs", QStringLiteral("No Object Found,Status: Not Registered")),
        row("help", "whois.altroot-charlie.net", defaultSuccessPhrases),
        row("here", "whois.altroot-alpha.net", defaultSuccessPhrases),
        row("hk", "whois.hkirc.hk", QStringLiteral("The domain has not been registered")),
        row("hr", "whois.dns.hr", QStringLiteral("No entries found")),
        row("hu", "whois.nic.hu", QStringLiteral("No match")),
        row("ie", "whois.weare.ie", QStringLiteral("Not Registered - The domain you have requested,NOT FOUND")),
        row("il", "whois.isoc.org.il", QStringLiteral("No data was found to match the request criteria")),
        row("info", "whois.nic.info", QStringLiteral("NOT FOUND")),
        row("int", "whois.iana.org", QStringLiteral("#SERVER DOWN#,This query returned 0 objects")),
        row("io", "whois.nic.io", defaultSuccessPhrases),
        row("iq", "whois2.altroot-bravo.net", defaultSuccessPhrases),
        row("is", "whois.isnic.is", QStringLiteral("No entries found for query")),
        row("it", "whois.nic.it", QStringLiteral("Status: AVAILABLE")),
        row("java", "whois.altroot-alpha.net", defaultSuccessPhrases),
        row("jp", "whois.jprs.jp", QStringLiteral("#APPEARS TO RETURN UNRECOGNIZABLE CHARACTERS#,No match!!")),
        row("kg", "whois.kg", marked(QStringLiteral("#SERVER DOWN#"))),
        row("kr", "whois.kr", QStringLiteral("is not registered to KRNIC,not found")),
        row("li", "whois.nic.li",
            QStringLiteral(
                "We do not have an entry in our database matching your query,The queried object does not exist")),
        row("life", "whois.altroot-alpha.net", defaultSuccessPhrases),
        row("lol", "whois.altroot-alpha.net", defaultSuccessPhrases),
        row("lt", "whois.domreg.lt", QStringLiteral("Status: available")),
        row("lu", "whois.dns.lu", QStringLiteral("No such domain")),
        row("lv", "whois.nic.lv", QStringLiteral("Status: free")),
        row("ma", "whois.registre.ma", QStringLiteral("No Objects Found")),
        row("md", "whois.nic.md", QStringLiteral("No match for")),
        row("me", "whois.nic.me", defaultSuccessPhrases),
        row("med", "whois.altroot-charlie.net", defaultSuccessPhrases),
        row("mil", "whois.nic.mil", marked(QStringLiteral("#APPEARS TO BE OFFLINE#"))),
        row("mk", "whois.marnet.mk", defaultSuccessPhrases),
        row("moi", "whois.altroot-alpha.net", defaultSuccessPhrases),
        row("ms", "whois.nic.ms", QStringLiteral("No Object Found,Status: Not Registered")),
        row("mt", "whois.ripe.net", noServer),
        row("music", "whois.altroot-charlie.net", defaultSuccessPhrases),
        row("mx", "whois.mx", QStringLiteral("Object_Not_Found")),
        row("net", "whois.verisign-grs.com", defaultSuccessPhrases, true),
        row("nl", "whois.domain-registry.nl", QStringLiteral("is free")),
        row("no", "whois.norid.no", QStringLiteral("No match")),
        row("nu", "whois.iis.nu", QStringLiteral("not found.")),
        row("online", "whois.nic.online", defaultSuccessPhrases),
        row("org", "whois.pir.org", QStringLiteral("NOT FOUND")),
        row("pics", "whois.altroot-alpha.net", defaultSuccessPhrases),
        row("pl", "whois.dns.pl", QStringLiteral("No information available about domain name")),
        row("proxy", "127.0.0.1", defaultSuccessPhrases),
        row("pt", "whois.dns.pt", QStringLiteral("No match,No entries found")),
        row("radio", "whois.altroot-charlie.net", defaultSuccessPhrases),
        row("ro", "whois.rotld.ro", QStringLiteral("No entries found for the selected source")),
        row("ru", "whois.ripn.net", QStringLiteral("No entries found for the selected source")),
        row("safe", "whois3.altroot-bravo.net", defaultSuccessPhrases),
        row("se", "whois.iis.se", QStringLiteral("not found.")),
        row("sex", "whois.nic.sex", marked(QStringLiteral("#TLD MAY HAVE BEEN ABANDONED#"))),
        row("sg", "whois.sgnic.sg", QStringLiteral("Domain Not Found,NOMATCH")),
        row("sh", "whois.nic.sh", QStringLiteral("NOT FOUND,is available for purchase")),
        row("shop", "whois.nic.shop", defaultSuccessPhrases),
        row("si", "whois.register.si", QStringLiteral("No entries found for the selected source")),
        row("site", "whois.nic.site", defaultSuccessPhrases),
        row("sk", "whois.sk-nic.sk", QStringLiteral("Domain not found,Not found.")),
        row("sky", "whois.altroot-charlie.net", defaultSuccessPhrases),
        row("sm", "whois.nic.sm", defaultSuccessPhrases),
        row("st", "whois.nic.st", defaultSuccessPhrases),
        row("store", "whois.nic.store", defaultSuccessPhrases),
        row("su", "whois.tcinet.ru", QStringLiteral("No entries found for the selected source")),
        row("tc", "whois.nic.tc", defaultSuccessPhrases),
        row("tech", "whois.nic.tech", defaultSuccessPhrases),
        row("tf", "whois.nic.tf", QStringLiteral("No entries found in the AFNIC Database,NOT FOUND")),
        row("th", "whois.thnic.co.th", QStringLiteral("No match for")),
        row("tj", "whois.nic.tj", marked(QStringLiteral("#SERVER DOWN#"))),
        row("tm", "whois.nic.tm", defaultSuccessPhrases),
        row("tn", "whois.ati.tn", defaultSuccessPhrases),
        row("to", "whois.tonic.to", QStringLiteral("No match for")),
        row("tr", "whois.trabis.gov.tr", defaultSuccessPhrases),
        row("tw", "whois.twnic.net.tw", QStringLiteral("No Found")),
        row("ua", "whois.ua", QStringLiteral("No entries found for")),
        row("uk", "whois.nic.uk",
            QStringLiteral("No match for,This domain name has not been registered,No such domain")),
        row("us", "whois.nic.us", QStringLiteral("No Data Found,Not found:")),
        row("va", "whois.ripe.net", noServer),
        row("ve", "whois.nic.ve", marked(QStringLiteral("#WHOIS SERVER SEEMS DOWN#"))),
        row("vg", "whois.nic.vg", defaultSuccessPhrases),
        row("video", "whois.altroot-charlie.net", defaultSuccessPhrases),
        row("xxx", "whois.altroot-charlie.net", defaultSuccessPhrases),
        row("xyz", "whois.nic.xyz", defaultSuccessPhrases),
    };
    return rows;
}

} // namespace

const QStringList &popularTlds()
{
    static const QStringList tlds = {QStringLiteral("io"),    QStringLiteral("ai"),   QStringLiteral("app"),
                                     QStringLiteral("dev"),   QStringLiteral("co"),   QStringLiteral("me"),
                                     QStringLiteral("xyz"),   QStringLiteral("shop"), QStringLiteral("online"),
                                     QStringLiteral("store"), QStringLiteral("site"), QStringLiteral("tech"),
                                     QStringLiteral("info"),  QStringLiteral("biz")};
    return tlds;
}

const QStringList &defaultTldRows()
{
    static const QStringList rows = [] {
        QStringList texts;
        for (const BuiltInRow &entry : builtInRows()) {
            const QString server = serverFor(entry);
            const QString port = isRdapServer(server) ? QString::number(rdapPort) : QStringLiteral("43");
            const bool enabled = entry.enabled || popularTlds().contains(entry.extension);
            texts.append(rowText(entry.extension, server, port, enabled ? enabledStatus : disabledStatus,
                                 QStringLiteral("25"), entry.successPhrases));
        }
        return texts;
    }();
    return rows;
}

QStringList programServers(const QString &extension)
{
    const QString key = extension.toLower();
    QStringList servers;
    const auto add = [&servers](const QString &server) {
        if (!server.isEmpty() && !servers.contains(server, Qt::CaseInsensitive))
            servers.append(server);
    };
    for (const BuiltInRow &entry : builtInRows()) {
        if (entry.extension.toLower() != key)
            continue;
        add(serverFor(entry));
        add(entry.whoisServer);
    }
    if (const RootZoneTld *tld = findRootZoneTld(key)) {
        add(tld->rdapBase);
        add(tld->whoisServer);
    }
    return servers;
}

} // namespace tld
