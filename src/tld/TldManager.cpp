#include "tld/TldManager.h"

#include "platform/AtomicFile.h"
#include "platform/DesktopServices.h"
#include "platform/SettingsStore.h"
#include "platform/TextCodec.h"
#include "tld/DefaultTlds.h"
#include "tld/TldRegistry.h"

#include <limits>

namespace tld {

namespace {

const QString keyProxy = QStringLiteral("chkProxy");
const QString keyDefaultExt = QStringLiteral("DefaultExt");
const QString keyTestWord = QStringLiteral("DefaultSearch");
const QString keyBrowsePause = QStringLiteral("Throttle");

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
    if (edit.extension.isEmpty() || edit.server.isEmpty() || edit.port.isEmpty())
        return refuse(QStringLiteral("Please enter valid information for all fields."));
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
