#pragma once

#include "lookup/QueryOutcome.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace results {

/**
 * Every outcome of the session's runs in the order they came, registered names included (the
 * Registered list keeps only the last hundred), for the export as CSV.
 */
class ResultLog {
public:
    /// Clock for the times (tests set a fixed one).
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }

    void record(const lookup::QueryOutcome &outcome);
    qsizetype size() const { return qsizetype(m_entries.size()); }

    /// The log as CSV: a header line, then domain, outcome, class, server, time, the list entry where it
    /// differs from the domain, and the reason where there is one; lines ended by CR LF.
    QByteArray csv() const;
    /// Writes csv() to @p path, replacing a file there as a whole. False when it could not.
    bool exportTo(const QString &path) const;

private:
    struct Entry {
        QString domain;
        lookup::QueryOutcome::Kind kind;
        QString className;
        int server; ///< index into m_servers
        QDateTime time;
        QString entry;
        QString reason;
    };

    std::vector<Entry> m_entries;
    QStringList m_servers; ///< each server text once: a run asks the same few servers
    std::function<QDateTime()> m_clock = [] { return QDateTime::currentDateTime(); };
};

} // namespace results
