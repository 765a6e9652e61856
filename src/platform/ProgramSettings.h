#pragma once

#include "platform/SettingsFile.h"

#include <QByteArray>
#include <QDateTime>
#include <QStringList>
#include <QUrl>

namespace platform {

/**
 * Everything the program keeps between sessions, one typed accessor per key. Values are stored as text
 * under the key names and in the forms earlier versions wrote, so users' files keep working; a value
 * that cannot be read gives the reader's default. Every setter writes its file at once.
 */
class ProgramSettings {
public:
    /// Settings kept in @p folder. Tests pass a temporary folder.
    explicit ProgramSettings(const QString &folder) : m_file(folder) {}

    /// The per-user folder the programs use.
    static QString defaultFolder();
    QString folder() const { return m_file.folder(); }
    /// The file of one application name (productName or positionsAppName).
    QString fileFor(const char *application) const { return m_file.fileFor(QLatin1String(application)); }

    // Start-up and the TLD manager. "Throttle" has two readers with defaults of their own.
    int startPauseTicks() const;
    QString browsePauseText() const;
    void setBrowsePauseText(const QString &text);
    bool helpPending() const;
    void setHelpPending(bool pending);
    bool firstUseShown() const;
    void setFirstUseShown();
    bool popularTldsOffered() const;
    void setPopularTldsOffered();
    bool useProxy() const;
    void setUseProxy(bool on);
    QString defaultExt() const;
    void setDefaultExt(const QString &ext);
    QString testWord() const;
    void setTestWord(const QString &word);
    /// The RDAP bootstrap address the user set; empty for the standard one.
    QString rdapBootstrap() const;
    void setRdapBootstrap(const QString &address);

    // The main window.
    QStringList lastTlds() const;
    void setLastTlds(const QStringList &tlds);
    bool checkDnsFirst() const;
    void setCheckDnsFirst(bool on);
    /// The list order chosen last; -1 when none was stored.
    int listOrder() const;
    void setListOrder(int index);
    QByteArray windowGeometry() const;
    void setWindowGeometry(const QByteArray &geometry);
    int skipCheckedDays() const;
    void setSkipCheckedDays(int days);

    // Sources and the generator.
    /// The source chosen last; -1 when none was stored.
    int lastSource() const;
    void setLastSource(int index);
    QString lastCustomList() const;
    void setLastCustomList(const QString &path);
    bool generatorOption(int index) const;
    void setGeneratorOption(int index, bool on);
    QString generatorBaseWord() const;
    void setGeneratorBaseWord(const QString &word);
    QStringList generatorUntickedTlds() const;
    void setGeneratorUntickedTlds(const QStringList &tlds);

    // Purchase links.
    bool purchaseLinksEnabled() const;
    void setPurchaseLinksEnabled(bool on);
    QString purchaseAddress() const;
    void setPurchaseAddress(const QString &address);

    // Zone files and the zone data service.
    QUrl czdsAccountUrl(const QUrl &standard) const;
    void setCzdsAccountUrl(const QUrl &url);
    QUrl czdsApiUrl(const QUrl &standard) const;
    void setCzdsApiUrl(const QUrl &url);
    QString czdsUser() const;
    void setCzdsUser(const QString &user);
    /// How old a zone may be before it is used with a warning: @p standard unless a positive number is set.
    int zoneMaxAgeDays(int standard) const;
    void setZoneMaxAgeDays(int days);
    /// "Screen only": names missing from a zone end as likely available without a registry question.
    bool screenOnly() const;
    void setScreenOnly(bool on);
    /// When the zone of @p tld was last downloaded; invalid when never.
    QDateTime zoneDownloadedAt(const QString &tld) const;
    void setZoneDownloadedAt(const QString &tld, const QDateTime &when);

    // List positions, under keys the sources name.
    QString position(const QString &key, const QString &fallback) const;
    /// Sets every key to @p value with one write of the file.
    void savePositions(const QStringList &keys, const QString &value);

private:
    QString text(const QString &key, const QString &fallback = QString()) const;
    int number(const QString &key, int fallback) const;
    void save(const QString &key, const QString &value);
    void saveFlag(const QString &key, bool on);

    SettingsFile m_file;
};

} // namespace platform
