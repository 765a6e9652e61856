#include "tld/TldManager.h"

#include "platform/AtomicFile.h"
#include "platform/DesktopServices.h"
#include "platform/SettingsStore.h"
#include "platform/TextCodec.h"
#include "tld/CurrentTlds.h"
#include "tld/DefaultTlds.h"
#include "tld/TldRegistry.h"

#include <limits>

namespace tld {

namespace {

const QString keyProxy = QStringLiteral("chkProxy");
const QString keyDefaultExt = QStringLiteral("DefaultExt");
const QString keyTestWord = QStringLiteral("DefaultSearch");
const QString keyBrowsePause = QStringLiteral("Throttle");
const QString keyBootstrap = QStringLiteral("RdapBootstrap");
const QString ianaBootstrap = QStringLiteral("https://data.iana.org/rdap/dns.json");
// Changes listed one by one in the report; the rest are counted.
constexpr qsizetype listedChanges = 25;

bool inRange(const QString &text, int low, int high)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok && value >= low && value <= high;
}

// A bar would split the row into more fields than it has; a line break would start a second row.
bool breaksTheRow(const QString &field)
{
    return field.contains(QLatin1Char('|')) || field.contains(QLatin1Char('\r')) || field.contains(QLatin1Char('\n'));
}

} // namespace

TldManager::TldManager(TldRegistry &tlds, platform::SettingsStore &settings, platform::MessageBoxes &messages,
                       QString debugFilePath)
    : m_tlds(tlds), m_settings(settings), m_messages(messages), m_debugFilePath(std::move(debugFilePath))
{
    refresh();
}

void TldManager::refresh()
{
    m_rows = m_tlds.file().listTldsInView();
}

void TldManager::changed()
{
    refresh();
    m_tlds.loadTldTable();
}

bool TldManager::refuse(const QString &text)
{
    m_messages.inform(text);
    return false;
}

RowEdit TldManager::selectRow(int fileIndex)
{
    if (!validRow(fileIndex))
        return {};
    const QStringList &fields = m_rows.at(fileIndex);
    m_newRowEnabled = fields.at(3) == enabledStatus;
    return {fields.at(0), fields.at(1), fields.at(2), fields.at(4), fields.at(5)};
}

bool TldManager::saveEdit(RowEdit &edit)
{
    const bool rdap = isRdapServer(edit.server.trimmed());
    // An RDAP row is asked at its base URL: the port field is not used and always holds 443.
    if (rdap)
        edit.port = QString::number(rdapPort);
    if (edit.extension.isEmpty() || edit.server.isEmpty() || edit.port.isEmpty())
        return refuse(QStringLiteral("Please enter valid information for all fields."));
    if (rdap && !isUsableRdapBase(edit.server.trimmed()))
        return refuse(QStringLiteral("An RDAP server must be an https:// address (plain http:// only for this "
                                     "computer), without spaces, a query or a fragment."));
    if (edit.throttle.isEmpty())
        edit.throttle = QStringLiteral("25");
    if (edit.successPhrases.isEmpty())
        edit.successPhrases = defaultSuccessPhrases;
    if (!inRange(edit.port, 1, 65535))
        return refuse(QStringLiteral("The port must be a number from 1 to 65535."));
    if (!inRange(edit.throttle, 0, std::numeric_limits<int>::max()))
        return refuse(QStringLiteral("The throttle must be a number of milliseconds, 0 or more."));
    for (const QString *field : {&edit.extension, &edit.server, &edit.port, &edit.throttle, &edit.successPhrases}) {
        if (breaksTheRow(*field))
            return refuse(QStringLiteral("The fields cannot contain \"|\" or a line break."));
    }
    const bool saved = m_tlds.file().saveTldRow(edit.extension, edit.server, edit.port, edit.throttle,
                                                edit.successPhrases, m_newRowEnabled);
    changed();
    return saved;
}

bool TldManager::toggle(int fileIndex)
{
    if (!validRow(fileIndex))
        return false;
    const QStringList fields = m_rows.at(fileIndex);
    const bool enable = fields.at(3) != enabledStatus;
    const bool saved =
        m_tlds.file().saveTldRow(fields.at(0), fields.at(1), fields.at(2), fields.at(4), fields.at(5), enable);
    changed();
    return saved;
}

bool TldManager::deleteRow(int fileIndex)
{
    if (!validRow(fileIndex))
        return false;
    const platform::MessageRequest question{
        QStringLiteral("Delete?"), QStringLiteral("Really delete this TLD from the list?"),
        platform::MessageRequest::Icon::Question, platform::MessageRequest::Buttons::OkCancel};
    if (m_messages.show(question) != platform::MessageAnswer::Ok)
        return false;
    // File order, not the order of a sorted view: the first of two rows of one extension must stay first.
    QList<QStringList> kept = m_rows;
    kept.removeAt(fileIndex);
    const bool saved = m_tlds.file().saveRows(kept);
    changed();
    return saved;
}

bool TldManager::restoreDefaults()
{
    const bool written = m_tlds.file().writeDefaultTlds(true);
    changed();
    return written;
}

bool TldManager::readTable(QStringList &lines)
{
    if (m_tlds.file().readLines(lines))
        return true;
    m_messages.inform(QStringLiteral("The TLD table ") + m_tlds.file().path() +
                      QStringLiteral(" could not be read; it was not changed."));
    return false;
}

bool TldManager::addCurrentTlds()
{
    QStringList lines;
    if (!readTable(lines))
        return false;
    const CurrentTldRows added = currentTldRows(lines);
    if (added.rows.isEmpty()) {
        m_messages.inform(QStringLiteral("Every TLD of the root zone already has a row."));
        return true;
    }
    if (!m_tlds.file().saveLines(lines + added.rows)) {
        m_messages.inform(QStringLiteral("The TLD table ") + m_tlds.file().path() +
                          QStringLiteral(" could not be written; it was not changed."));
        return false;
    }
    changed();
    QString text = QStringLiteral("Added %1 TLDs of the root zone as disabled rows at the end of the list: %2 "
                                  "asked over RDAP, %3 over WHOIS.")
                       .arg(added.rows.size())
                       .arg(added.rdapRows)
                       .arg(added.whoisRows);
    if (added.serverless > 0)
        text += platform::crlf + QStringLiteral("%1 TLDs publish no server and were left out.").arg(added.serverless);
    m_messages.inform(text);
    return true;
}

QString TldManager::bootstrapAddress() const
{
    const QString address = m_settings.product(keyBootstrap, QString()).trimmed();
    return address.isEmpty() ? ianaBootstrap : address;
}

void TldManager::serverUpdateFailed(const QString &reason)
{
    m_messages.inform(QStringLiteral("The list of RDAP servers could not be downloaded from %1: %2. The TLD "
                                     "table was not changed.")
                          .arg(bootstrapAddress(), reason));
}

bool TldManager::updateServers(const QByteArray &bootstrapJson)
{
    const RdapBootstrap bootstrap = parseRdapBootstrap(bootstrapJson);
    if (!bootstrap.error.isEmpty()) {
        m_messages.inform(QStringLiteral("The list of RDAP servers from %1 could not be read (%2). The TLD table "
                                         "was not changed.")
                              .arg(bootstrapAddress(), bootstrap.error));
        return false;
    }
    QStringList lines;
    if (!readTable(lines))
        return false;
    const ServerUpdate update = tld::updateServers(lines, bootstrap.bases);
    QStringList report;
    if (update.changes.isEmpty()) {
        report << QStringLiteral("The servers are up to date: the list of RDAP servers from %1 changes none of "
                                 "them.")
                      .arg(bootstrapAddress());
    } else {
        if (!m_tlds.file().saveLines(update.lines)) {
            m_messages.inform(QStringLiteral("The TLD table ") + m_tlds.file().path() +
                              QStringLiteral(" could not be written; it was not changed."));
            return false;
        }
        changed();
        report << QStringLiteral("Updated the servers of %1 rows from %2:")
                      .arg(update.changes.size())
                      .arg(bootstrapAddress());
        for (qsizetype i = 0; i < update.changes.size() && i < listedChanges; ++i) {
            const ServerChange &change = update.changes.at(i);
            report << change.extension + QStringLiteral(": ") + change.from + QStringLiteral(" -> ") + change.to;
        }
        if (update.changes.size() > listedChanges)
            report << QStringLiteral("... and %1 more.").arg(update.changes.size() - listedChanges);
    }
    if (update.ownServers > 0)
        report << QStringLiteral("%1 rows name a server of your own and were left as they are.").arg(update.ownServers);
    m_messages.inform(report.join(platform::crlf));
    return true;
}

QString TldManager::debugLine(const QStringList &fields)
{
    return QStringLiteral("strTemp = strTemp & \"") + fields.join(QLatin1Char('|')) + QStringLiteral("\" & vbcrlf");
}

bool TldManager::exportDebug(const QList<QStringList> &displayRows) const
{
    QString text;
    for (const QStringList &fields : displayRows)
        text += debugLine(fields) + platform::crlf;
    return platform::writeFileAtomically(m_debugFilePath, platform::encodeText(text));
}

ManagerSettings TldManager::openingSettings() const
{
    int proxy = 0;
    ManagerSettings values;
    values.useProxy = platform::readInt(m_settings.product(keyProxy, QStringLiteral("0")), proxy) && proxy != 0;
    values.defaultExt = m_tlds.defaultExt();
    values.testWord = m_settings.product(keyTestWord, QStringLiteral("Google"));
    values.browsePause = m_settings.product(keyBrowsePause, QStringLiteral("20"));
    return values;
}

void TldManager::setUseProxy(bool on)
{
    m_tlds.setUseProxy(on);
    m_settings.saveProduct(keyProxy, on ? QStringLiteral("1") : QStringLiteral("0"));
}

void TldManager::setDefaultExt(const QString &text)
{
    m_settings.saveProduct(keyDefaultExt, text);
    m_tlds.setDefaultExt(text);
}

QString TldManager::normalizedDefaultExt(const QString &text)
{
    if (text.isEmpty())
        return QStringLiteral(".com");
    if (!text.contains(QLatin1Char('.')))
        return QLatin1Char('.') + text;
    return text;
}

QString TldManager::leaveDefaultExt(const QString &text)
{
    const QString ext = normalizedDefaultExt(text);
    setDefaultExt(ext);
    return ext;
}

void TldManager::setTestWord(const QString &text)
{
    m_settings.saveProduct(keyTestWord, text);
}

void TldManager::setBrowsePause(const QString &text)
{
    m_settings.saveProduct(keyBrowsePause, text);
}

void TldManager::close(const QString &defaultExtText)
{
    leaveDefaultExt(defaultExtText);
}

} // namespace tld
