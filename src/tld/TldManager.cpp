#include "tld/TldManager.h"

#include "platform/AtomicFile.h"
#include "platform/DesktopServices.h"
#include "platform/ProgramSettings.h"
#include "platform/TextCodec.h"
#include "tld/CurrentTlds.h"
#include "tld/DefaultTlds.h"
#include "tld/TldRegistry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <limits>
#include <optional>
#include <span>

namespace tld {

namespace {

const QString ianaBootstrap = QStringLiteral("https://data.iana.org/rdap/dns.json");
// Changes listed one by one in the report; the rest are counted.
constexpr qsizetype listedChanges = 25;

bool inRange(const QString &text, int low, int high)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok && value >= low && value <= high;
}

// The field as its label names it.
QString fieldName(EditField field)
{
    switch (field) {
    case EditField::Extension:
        return QCoreApplication::translate("tld::TldManager", "Extension");
    case EditField::Server:
        return QCoreApplication::translate("tld::TldManager", "Server");
    case EditField::Port:
        return QCoreApplication::translate("tld::TldManager", "Port");
    case EditField::Throttle:
        return QCoreApplication::translate("tld::TldManager", "Throttle");
    case EditField::SuccessPhrases:
        return QCoreApplication::translate("tld::TldManager", "Success Indicators");
    case EditField::None:
        break;
    }
    return {};
}

// The line @p row was listed from: where it stood, or else where it stands now; -1 when it is gone.
qsizetype findLine(const QStringList &lines, const ListedRow &row)
{
    if (row.line < lines.size() && lines.at(row.line) == row.text)
        return row.line;
    return lines.indexOf(row.text);
}

// A bar would split the row into more fields than it has; a line break would start a second row.
bool breaksTheRow(const QString &field)
{
    return field.contains(QLatin1Char('|')) || field.contains(QLatin1Char('\r')) || field.contains(QLatin1Char('\n'));
}

} // namespace

TldManager::TldManager(TldRegistry &tlds, platform::ProgramSettings &settings, platform::MessageBoxes &messages,
                       QString debugFilePath)
    : m_tlds(tlds), m_settings(settings), m_messages(messages), m_debugFilePath(std::move(debugFilePath))
{
    refresh();
}

void TldManager::refresh()
{
    QStringList lines;
    m_tlds.file().readLines(lines);
    m_rows = listRows(lines);
    if (!validRow(m_selected))
        m_selected = -1;
}

int TldManager::rowOf(const QString &extension) const
{
    const auto found = std::find_if(m_rows.begin(), m_rows.end(),
                                    [&extension](const ListedRow &row) { return row.fields.at(0) == extension; });
    return found == m_rows.end() ? -1 : int(found - m_rows.begin());
}

void TldManager::changed()
{
    refresh();
    m_tlds.loadTldTable();
}

bool TldManager::refuse(const QString &text, EditField field)
{
    m_refusedField = field;
    m_messages.inform(text);
    return false;
}

bool TldManager::ask(const QString &title, const QString &text)
{
    const platform::MessageRequest question{title, text, platform::MessageRequest::Icon::Question,
                                            platform::MessageRequest::Buttons::OkCancel};
    return m_messages.show(question) == platform::MessageAnswer::Ok;
}

RowEdit TldManager::selectRow(int rowIndex)
{
    if (!validRow(rowIndex))
        return {};
    m_selected = rowIndex;
    const QStringList &fields = m_rows.at(rowIndex).fields;
    m_newRowEnabled = fields.at(3) == enabledStatus;
    return {fields.at(0), fields.at(1), fields.at(2), fields.at(4), fields.at(5)};
}

void TldManager::startNewRow()
{
    m_selected = -1;
    m_newRowEnabled = true;
}

bool TldManager::saveEdit(RowEdit &edit)
{
    m_refusedField = EditField::None;
    const bool rdap = isRdapServer(edit.server.trimmed());
    // An RDAP row is asked at its base URL: the port field is not used and always holds 443.
    if (rdap)
        edit.port = QString::number(rdapPort);
    const std::pair<const QString *, EditField> fields[] = {{&edit.extension, EditField::Extension},
                                                            {&edit.server, EditField::Server},
                                                            {&edit.port, EditField::Port},
                                                            {&edit.throttle, EditField::Throttle},
                                                            {&edit.successPhrases, EditField::SuccessPhrases}};
    for (const auto &[text, field] : std::span(fields, 3)) {
        if (text->isEmpty())
            return refuse(
                QCoreApplication::translate("tld::TldManager",
                                            "Please enter valid information for all fields. The %1 field is empty.")
                    .arg(fieldName(field)),
                field);
    }
    if (rdap && !isUsableRdapBase(edit.server.trimmed()))
        return refuse(QCoreApplication::translate(
                          "tld::TldManager", "An RDAP server must be an https:// address (plain http:// only for this "
                                             "computer), without spaces, a query or a fragment."),
                      EditField::Server);
    if (edit.throttle.isEmpty())
        edit.throttle = QStringLiteral("25");
    if (edit.successPhrases.isEmpty())
        edit.successPhrases = defaultSuccessPhrases;
    if (!inRange(edit.port, 1, 65535))
        return refuse(QCoreApplication::translate("tld::TldManager", "The port must be a number from 1 to 65535."),
                      EditField::Port);
    if (!inRange(edit.throttle, 0, std::numeric_limits<int>::max()))
        return refuse(
            QCoreApplication::translate("tld::TldManager", "The throttle must be a number of milliseconds, 0 or more."),
            EditField::Throttle);
    for (const auto &[text, field] : fields) {
        if (breaksTheRow(*text))
            return refuse(
                QCoreApplication::translate("tld::TldManager", "The %1 field cannot contain \"|\" or a line break.")
                    .arg(fieldName(field)),
                field);
    }
    const QString ext = edit.extension.toLower();
    const QString row = rowText(ext, edit.server, edit.port, m_newRowEnabled ? enabledStatus : disabledStatus,
                                edit.throttle, edit.successPhrases);
    // A repaired row takes the place of the unreadable one it was clicked from.
    const std::optional<ListedRow> repaired =
        validRow(m_selected) && !m_rows.at(m_selected).readable() ? std::optional(m_rows.at(m_selected)) : std::nullopt;
    return rewrite([&](QStringList &lines) {
        if (repaired) {
            const qsizetype at = findLine(lines, *repaired);
            if (at >= 0)
                lines[at] = row;
        }
        lines = replaceRows(lines, ext, row);
        return true;
    });
}

bool TldManager::toggle(int rowIndex)
{
    if (!validRow(rowIndex))
        return false;
    const ListedRow listed = m_rows.at(rowIndex);
    if (!listed.readable())
        return refuse(QCoreApplication::translate("tld::TldManager",
                                                  "This row cannot be read: %1. Repair it with Add/Save or delete it.")
                          .arg(listed.problem));
    const QStringList &fields = listed.fields;
    const bool enable = fields.at(3) != enabledStatus;
    const QString ext = fields.at(0).toLower();
    const QString row =
        rowText(ext, fields.at(1), fields.at(2), enable ? enabledStatus : disabledStatus, fields.at(4), fields.at(5));
    if (!rewrite([&](QStringList &lines) {
            lines = replaceRows(lines, ext, row);
            return true;
        }))
        return false;
    // The editor still holds this row: a later "Add/Save" keeps the new status.
    if (rowIndex == m_selected)
        m_newRowEnabled = enable;
    return true;
}

bool TldManager::deleteRow(int rowIndex)
{
    if (!validRow(rowIndex))
        return false;
    if (!ask(QCoreApplication::translate("tld::TldManager", "Delete?"),
             QCoreApplication::translate("tld::TldManager", "Really delete this TLD from the list?")))
        return false;
    const ListedRow listed = m_rows.at(rowIndex);
    bool gone = false;
    const bool deleted = rewrite([&](QStringList &lines) {
        const qsizetype at = findLine(lines, listed);
        gone = at < 0;
        if (!gone)
            lines.removeAt(at);
        return !gone;
    });
    if (gone) {
        refresh();
        m_messages.inform(QCoreApplication::translate(
            "tld::TldManager", "The row is no longer in the TLD table; the list now shows the file as it "
                               "is."));
    }
    if (deleted)
        m_selected = -1;
    return deleted;
}

QString TldManager::backupPath() const
{
    return QFileInfo(m_tlds.file().path()).dir().filePath(QStringLiteral("TLDs.bak"));
}

bool TldManager::backUpTable()
{
    bool read = false;
    const QByteArray table = platform::readWholeFile(m_tlds.file().path(), &read);
    if (!m_tlds.file().exists() || (read && platform::writeFileAtomically(backupPath(), table)))
        return true;
    m_messages.inform(QCoreApplication::translate("tld::TldManager",
                                                  "The TLD table could not be copied to %1, so it was not replaced.")
                          .arg(QDir::toNativeSeparators(backupPath())));
    return false;
}

bool TldManager::restoreDefaults()
{
    if (!ask(QCoreApplication::translate("tld::TldManager", "Restore Defaults?"),
             QCoreApplication::translate("tld::TldManager",
                                         "Replace all %1 rows of the TLD table with the %2 built-in rows? The table "
                                         "as it is now is kept in TLDs.bak.")
                 .arg(m_rows.size())
                 .arg(defaultTldRows().size())))
        return false;
    // The user's table is the only record of the rows they added and changed.
    if (!backUpTable())
        return false;
    const bool written = m_tlds.file().writeDefaultTlds(true);
    m_selected = -1;
    changed();
    return written;
}

bool TldManager::readTable(QStringList &lines)
{
    if (m_tlds.file().readLines(lines))
        return true;
    m_messages.inform(
        QCoreApplication::translate("tld::TldManager", "The TLD table %1 could not be read; it was not changed.")
            .arg(m_tlds.file().path()));
    return false;
}

bool TldManager::writeTable(const QStringList &lines)
{
    if (!m_tlds.file().saveLines(lines)) {
        m_messages.inform(
            QCoreApplication::translate("tld::TldManager", "The TLD table %1 could not be written; it was not changed.")
                .arg(m_tlds.file().path()));
        return false;
    }
    changed();
    return true;
}

bool TldManager::rewrite(const std::function<bool(QStringList &)> &edit)
{
    QStringList lines;
    return readTable(lines) && edit(lines) && writeTable(lines);
}

bool TldManager::addCurrentTlds()
{
    QStringList lines;
    if (!readTable(lines))
        return false;
    const CurrentTldRows added = currentTldRows(lines);
    if (added.rows.isEmpty()) {
        m_messages.inform(
            QCoreApplication::translate("tld::TldManager", "Every TLD of the root zone already has a row."));
        return true;
    }
    if (!writeTable(lines + added.rows))
        return false;
    QString text = QCoreApplication::translate(
                       "tld::TldManager", "Added %1 TLDs of the root zone as disabled rows at the end of the list: %2 "
                                          "asked over RDAP, %3 over WHOIS.")
                       .arg(added.rows.size())
                       .arg(added.rdapRows)
                       .arg(added.whoisRows);
    if (added.serverless > 0)
        text += platform::crlf +
                QCoreApplication::translate("tld::TldManager", "%1 TLDs publish no server and were left out.")
                    .arg(added.serverless);
    m_messages.inform(text);
    return true;
}

QString TldManager::bootstrapAddress() const
{
    const QString address = m_settings.rdapBootstrap();
    return address.isEmpty() ? ianaBootstrap : address;
}

void TldManager::serverUpdateFailed(const QString &reason)
{
    m_messages.inform(QCoreApplication::translate(
                          "tld::TldManager", "The list of RDAP servers could not be downloaded from %1: %2. The TLD "
                                             "table was not changed.")
                          .arg(bootstrapAddress(), reason));
}

bool TldManager::updateServers(const QByteArray &bootstrapJson)
{
    const RdapBootstrap bootstrap = parseRdapBootstrap(bootstrapJson);
    if (!bootstrap.error.isEmpty()) {
        m_messages.inform(
            QCoreApplication::translate("tld::TldManager",
                                        "The list of RDAP servers from %1 could not be read (%2). The TLD table "
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
        report << QCoreApplication::translate(
                      "tld::TldManager", "The servers are up to date: the list of RDAP servers from %1 changes none of "
                                         "them.")
                      .arg(bootstrapAddress());
    } else {
        if (!writeTable(update.lines))
            return false;
        report << QCoreApplication::translate("tld::TldManager", "Updated the servers of %1 rows from %2:")
                      .arg(update.changes.size())
                      .arg(bootstrapAddress());
        for (qsizetype i = 0; i < update.changes.size() && i < listedChanges; ++i) {
            const ServerChange &change = update.changes.at(i);
            report << change.extension + QStringLiteral(": ") + change.from + QStringLiteral(" -> ") + change.to;
        }
        if (update.changes.size() > listedChanges)
            report << QCoreApplication::translate("tld::TldManager", "... and %1 more.")
                          .arg(update.changes.size() - listedChanges);
    }
    if (update.ownServers > 0)
        report << QCoreApplication::translate("tld::TldManager",
                                              "%1 rows name a server of your own and were left as they are.")
                      .arg(update.ownServers);
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
    ManagerSettings values;
    values.useProxy = m_settings.useProxy();
    values.defaultExt = m_tlds.defaultExt();
    values.testWord = m_settings.testWord();
    values.browsePause = m_settings.browsePauseText();
    return values;
}

void TldManager::setUseProxy(bool on)
{
    m_tlds.setUseProxy(on);
    m_settings.setUseProxy(on);
}

void TldManager::setDefaultExt(const QString &text)
{
    m_settings.setDefaultExt(text);
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
    m_settings.setTestWord(text);
}

void TldManager::setBrowsePause(const QString &text)
{
    m_settings.setBrowsePauseText(text);
}

void TldManager::close(const QString &defaultExtText)
{
    leaveDefaultExt(defaultExtText);
}

} // namespace tld
