#pragma once

#include "cli/ConsoleIo.h"
#include "sources/EntrySource.h"

#include <QByteArray>
#include <QStringList>

#include <functional>

namespace cli {

/**
 * Names for the engine from list files and standard input, read as they are asked for, so memory does
 * not grow with the length of the list. The files are one list: their entries are numbered on from
 * file to file. A line ends at CR LF, a lone CR or a lone LF; lines of blanks and tabs only, and "#"
 * comment lines, are no entries.
 *
 * The engine asks for entries 1, 2, 3 ... in order; a first request further on (a resumed run) skips
 * the entries before it. A pipe is read ahead only as far as its lines have arrived, so names already
 * taken are checked while the next ones are still on their way.
 */
class NameStream : public sources::EntrySource {
public:
    enum class State { Reading, Ended, Interrupted, Failed };
    /// Bytes kept of one line; the rest of a longer line is dropped.
    static constexpr int maxLineBytes = 64 * 1024;

    /// @p inputs: file names, "-" for standard input; none means standard input.
    explicit NameStream(QStringList inputs);

    /// Opens every named file once to see that it can be read; false with error() otherwise.
    bool checkInputs();

    QString readEntry(int n) override;
    bool entryReady(int n) override;
    void savePositions(int next) override;
    void saveRecordedAhead(int next, const QStringList &domains) override;
    QStringList recordedAhead(int next) override { return next == m_aheadAt ? m_ahead : QStringList(); }

    /// Called with the position of the next entry before the query of each name is begun.
    void setPositionSink(std::function<void(int)> sink) { m_positionSink = std::move(sink); }
    /// Called at a stop with the position and the domains after it that have their outcomes already.
    void setRecordedAheadSink(std::function<void(int, const QStringList &)> sink) { m_aheadSink = std::move(sink); }
    /// The domains a resumed run at @p next does not ask again.
    void setRecordedAhead(int next, QStringList domains)
    {
        m_aheadAt = next;
        m_ahead = std::move(domains);
    }
    /// Called when the end marker has been handed out (end of the inputs, a stop or a read failure).
    void setEndHandler(std::function<void()> handler) { m_endHandler = std::move(handler); }

    State state() const { return m_state; }
    QString error() const { return m_error; }
    QStringList inputs() const { return m_inputs; }

    /// Entries of the inputs when all of them are plain files, else -1 (a pipe cannot be read twice).
    static qint64 countEntries(const QStringList &inputs);

private:
    bool nextEntry(QByteArray &entry);
    bool lineWaiting() const;
    bool openNextInput();
    QString inputName(qsizetype index) const;
    QString ended(State state);

    QStringList m_inputs;
    qsizetype m_current = -1; ///< index of the open input
    InputFile m_file;
    QByteArray m_buffer;
    qsizetype m_start = 0; ///< where the unread part of the buffer begins
    bool m_inputAtEnd = true;
    bool m_dropping = false; ///< inside the rest of an overlong line
    int m_taken = 0;         ///< entries handed out or skipped so far
    QString m_last;
    State m_state = State::Reading;
    QString m_error;
    std::function<void(int)> m_positionSink;
    std::function<void(int, const QStringList &)> m_aheadSink;
    int m_aheadAt = 0;
    QStringList m_ahead;
    std::function<void()> m_endHandler;
};

} // namespace cli
