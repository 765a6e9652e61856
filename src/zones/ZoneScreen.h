#pragma once

#include "zones/ZoneIndex.h"
#include <QCoreApplication>

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

namespace zones {

/**
 * Screens domains against the zone indexes in one folder (the application folder's "zones"): a name
 * in its TLD's zone is delegated, so registered; a name outside it is a candidate for the registry to
 * confirm. Answers at once, from memory-mapped indexes opened when first needed and kept open.
 *
 * The folder is looked at again only on reload(): an index imported meanwhile is used from then on.
 */
class ZoneScreen {
    Q_DECLARE_TR_FUNCTIONS(ZoneScreen)

public:
    enum class Verdict {
        NoIndex,   ///< no (usable) index for the domain's TLD
        InZone,    ///< delegated in the zone: registered
        NotInZone, ///< not delegated in the zone of zoneDate: likely available
    };
    struct Answer {
        Verdict verdict = Verdict::NoIndex;
        QDate zoneDate; ///< the date of the zone file the index was made from (UTC), unless NoIndex
    };

    /// The default age after which an index is used with a warning.
    static constexpr int defaultMaxAgeDays = 7;

    explicit ZoneScreen(const QString &folder);
    ~ZoneScreen();
    ZoneScreen(const ZoneScreen &) = delete;
    ZoneScreen &operator=(const ZoneScreen &) = delete;

    /// Screens @p domain ("example.com", any case, an internationalised name in either form); a name
    /// below a registrable one ("www.example.com") is screened by its registrable part.
    Answer screen(const QString &domain);

    /// The index of @p tld, or nothing when there is none or it cannot be used (see problem()).
    std::optional<ZoneInfo> zoneInfo(const QString &tld);
    /// Why the index of @p tld cannot be used ("" when it can, or when there is none).
    QString problem(const QString &tld);
    /// Whether the zone of @p tld is older than @p maxAgeDays at @p now (false without an index).
    bool isOutdated(const QString &tld, const QDateTime &now, int maxAgeDays);
    /// Every usable index in the folder, by TLD.
    QList<ZoneInfo> importedZones();
    /// Screens the names of its TLD against the index at @p path (outside the folder, for example one
    /// named on the command line) rather than the folder's. False, with the reason, when it cannot be used.
    bool addIndex(const QString &path, QString *error = nullptr);
    /// Forgets what was opened: the next question looks at the folder (and the added indexes) again.
    void reload();

    QString folder() const { return m_folder; }

private:
    struct Entry {
        std::unique_ptr<ZoneIndex> index;
        QString problem;
    };
    const Entry &entry(const QString &tld);
    const ZoneIndex *indexFor(std::string_view tld);

    QString m_folder;
    QStringList m_added;
    std::map<QString, Entry> m_entries;
    std::map<std::string, const ZoneIndex *, std::less<>> m_byName; ///< the same, for every screened name
};

/// The zones folder inside the application folder @p appFolder.
QString zonesFolder(const QString &appFolder);

} // namespace zones
