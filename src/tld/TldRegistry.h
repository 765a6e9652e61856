#pragma once

#include "tld/Routing.h"
#include "tld/TldFile.h"
#include "tld/TldRecord.h"

#include <QObject>

namespace tld {

/**
 * The TLD table in memory with the two settings that decide how it is used (proxy switch and default
 * extension). Shared by every window from start-up to shutdown; replaced as a whole on each reload.
 */
class TldRegistry : public QObject {
    Q_OBJECT
public:
    explicit TldRegistry(QString tableFilePath, QObject *parent = nullptr);

    const TldFile &file() const { return m_file; }
    const TldTable &table() const { return m_table; }
    const EnabledTldMatcher &matcher() const { return m_matcher; }

    /// Re-reads the file; an unreadable or empty file keeps the table loaded before.
    bool loadTldTable();
    /// Replaces the table directly (tests, and tools that build a table in memory).
    void setTable(TldTable table);

    bool useProxy() const { return m_useProxy; }
    void setUseProxy(bool on) { m_useProxy = on; }
    QString defaultExt() const { return m_defaultExt; }
    void setDefaultExt(const QString &ext) { m_defaultExt = ext; }

    /// Row index serving @p domain under the current proxy switch, or -1.
    int findTldIndex(const QString &domain) const;
    const TldRecord *rowFor(const QString &domain) const;

private:
    TldFile m_file;
    TldTable m_table;
    EnabledTldMatcher m_matcher;
    bool m_useProxy = false;
    QString m_defaultExt = QStringLiteral(".com");
};

} // namespace tld
