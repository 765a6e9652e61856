#pragma once

#include "zones/HashCollector.h"
#include "zones/MasterFileReader.h"
#include "zones/ZoneIndex.h"
#include "zones/ZoneInput.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <memory>

namespace zones {

/// How far an import has come.
struct ImportProgress {
    double fraction = 0;    ///< 0 to 1
    qint64 etaSeconds = -1; ///< time still needed; -1 until it can be told
    quint64 names = 0;      ///< delegated names read so far
};

/**
 * Makes the index of one zone file ("com.zone.gz", plain or gzip) in the zones folder, replacing the index
 * of that zone only when the new one is complete. The file streams through the reader; the names' hashes
 * are collected (8 bytes a name), then sorted and written part by part.
 *
 * The desktop imports in slices of a few tens of milliseconds on the event loop, so the window stays
 * live and Cancel works; the command line runs straight through.
 */
class ZoneImport : public QObject, private DelegationSink {
    Q_OBJECT
public:
    enum class State { Ready, Reading, Writing, Done, Failed, Cancelled };
    Q_ENUM(State)

    /// Imports @p zoneFile into @p zonesFolder; @p tld, when given, is the zone the file must be of.
    ZoneImport(const QString &zoneFile, const QString &zonesFolder, const QString &tld = QString(),
               QObject *parent = nullptr);
    ~ZoneImport() override;

    /// Starts importing in slices; progressed() follows each slice, finished() the end.
    void start();
    /// Imports straight through (no event loop needed); progressed() follows each part of the work. True
    /// when the new index is in place.
    bool run();
    /// Ends the import; the old index, if any, stays.
    void cancel();

    State state() const { return m_state; }
    ImportProgress progress() const;
    /// The new index, once done.
    const ZoneInfo &info() const { return m_info; }
    QString indexFile() const { return m_indexFile; }
    QString zoneFile() const { return m_zoneFile; }
    /// Why the import failed.
    QString error() const { return m_error; }
    /// Records the reader could not make out and passed over.
    qint64 skippedRecords() const { return m_reader ? m_reader->skippedRecords() : 0; }

signals:
    void progressed();
    void finished(bool ok);

private:
    void delegated(std::string_view label) override;
    bool begin();
    bool step(int budgetMs);
    void read(int budgetMs);
    void startWriting();
    void write(int budgetMs);
    void fail(const QString &error);
    void runSlice();

    QString m_zoneFile;
    QString m_folder;
    std::string m_tld;
    State m_state = State::Ready;
    ZoneInput m_input;
    std::unique_ptr<MasterFileReader> m_reader;
    std::unique_ptr<HashCollector> m_hashes;
    std::unique_ptr<ZoneIndexWriter> m_writer;
    int m_part = 0;
    quint64 m_names = 0;
    ZoneInfo m_info;
    QString m_indexFile;
    QString m_error;
    QElapsedTimer m_clock;
    QTimer m_slice;
};

} // namespace zones
