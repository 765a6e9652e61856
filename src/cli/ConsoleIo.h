#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QSocketNotifier;

namespace cli {

/// True when standard error is shown on a terminal (progress is drawn only there).
bool standardErrorIsTerminal();
bool standardOutputIsTerminal();

/// Writes the bytes to standard output at once, without a buffer in between; 0, or the error number
/// when they could not all be written (EPIPE when the reader has gone).
int writeStandardOutput(const QByteArray &bytes);
/// The same for standard error, where a failure leaves nothing to report it to.
void writeStandardError(const QByteArray &bytes);
/// The system's text for an error number.
QString errorText(int error);
/// True for the error of a pipe whose reader has gone.
bool isBrokenPipe(int error);

/**
 * A list file or standard input, read piece by piece as names are needed. Reads that wait for a slow
 * pipe or a terminal give way to Ctrl+C, so a run can always be stopped.
 */
class InputFile {
public:
    enum class Status { Data, End, Interrupted, Failed };
    static constexpr int pieceSize = 64 * 1024;

    InputFile() = default;
    ~InputFile();
    InputFile(const InputFile &) = delete;
    InputFile &operator=(const InputFile &) = delete;

    /// Opens @p path, or standard input for "-". False with errorText() when it cannot be read.
    bool open(const QString &path);
    void close();
    /// Appends the next piece of at most pieceSize bytes to @p buffer.
    Status read(QByteArray &buffer);
    /// Whether read() would return at once: always for a file, for a pipe or terminal only when bytes
    /// (or its end) are waiting.
    bool readable() const;
    QString errorText() const { return m_error; }

private:
    int m_fd = -1;
    bool m_ownsFd = false;
    QString m_error;
};

/**
 * Turns Ctrl+C (SIGINT) and SIGTERM into a Qt signal. The handler only sets a flag and writes a byte
 * into a pipe; the event loop sees the pipe and emits interrupted(). SIGPIPE is ignored meanwhile.
 */
class InterruptWatcher : public QObject {
    Q_OBJECT
public:
    explicit InterruptWatcher(QObject *parent = nullptr);
    ~InterruptWatcher() override;

    /// True once a stop was asked for (also before the event loop has seen it).
    static bool pending();

signals:
    void interrupted();

private:
    void drain();

    QSocketNotifier *m_notifier = nullptr;
};

} // namespace cli
