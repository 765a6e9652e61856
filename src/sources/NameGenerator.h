#pragma once

#include "sources/GeneratedNames.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <memory>

class QSaveFile;

namespace sources {

/// Which affixed forms the generator makes. "Hyphens" only adds the hyphenated form to the other two.
struct GeneratorOptions {
    bool prefixes = true;
    bool suffixes = true;
    bool hyphens = true;
};

/// What one generation combines and where its list goes.
struct GeneratorRequest {
    QString base;     ///< as typed: bare names keep its blanks, affixed names lose every blank
    QStringList tlds; ///< ticked TLD items in list order, ".com" and the like
    GeneratorOptions options;
    QString affixPath;  ///< Appends.txt
    QString outputPath; ///< CreatedDomains.txt
};

/**
 * Builds domain names from a base word, the affix file and the ticked TLDs: the bare names first, then
 * per affix the prefixed, prefixed-hyphenated, suffixed and suffixed-hyphenated forms with every TLD.
 * Only names that are registrable domains by the domain rule are kept, in the form the rule gives them
 * (lower case, blanks and punctuation cleaned from the first label).
 *
 * The work runs in slices of a few milliseconds on the event loop, so the window repaints between them
 * without a nested event loop; progress is reported after an affix once 1000 names have been added
 * since the last report. The list file is written at the end; nothing is written when cancelled.
 */
class NameGenerator : public QObject {
    Q_OBJECT
public:
    static constexpr int namesPerStatus = 1000;

    explicit NameGenerator(QObject *parent = nullptr);
    ~NameGenerator() override;

    GeneratedNames *names() { return &m_names; }

    /// Starts a generation; false (and nothing changes) while one is under way.
    bool start(const GeneratorRequest &request);
    void cancel();
    bool isRunning() const { return m_state != State::Idle; }
    int createdCount() const { return m_names.count(); }

signals:
    void statusChanged(const QString &text);
    /// The list file holds the names; the status says the search is started.
    void written(int createdCount);
    void writeFailed(const QString &path);
    /// The window had its chance to repaint: the run may start now.
    void finished(int createdCount);

private:
    enum class State { Idle, Generating, Writing, HandingOver };

    void step();
    void generateSlice();
    void addAffix(const QString &affix);
    /// A ticked TLD as it ends a name (".com"); whether the TLD is a public suffix, and whether a label
    /// before it can make a public suffix too ("co" before ".uk").
    struct Ending {
        QByteArray text;
        bool isSuffix = false;
        bool hasRulesBelow = true;
    };

    void addWithEveryTld(const QByteArray &stem);
    void addByTheRule(const QByteArray &stem, const Ending &ending);
    void writeSlice();
    void failWriting();
    void schedule(State next);

    GeneratedNames m_names;
    QTimer m_slice;
    State m_state = State::Idle;
    GeneratorRequest m_request;
    QList<Ending> m_tlds;
    QByteArray m_base; ///< encoded, without blanks
    QStringList m_affixes;
    qsizetype m_nextAffix = 0;
    int m_sinceStatus = 0;
    std::unique_ptr<QSaveFile> m_output;
    qsizetype m_written = 0;
};

} // namespace sources
