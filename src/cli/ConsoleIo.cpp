#include "cli/ConsoleIo.h"

#include <QFile>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cli {

namespace {

volatile std::sig_atomic_t interruptFlag = 0;
int interruptPipe[2] = {-1, -1};

extern "C" void onInterruptSignal(int)
{
    const int saved = errno;
    interruptFlag = 1;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(interruptPipe[1], &byte, 1);
    errno = saved;
}

int writeAll(int fd, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return written < 0 ? errno : EIO;
        data += written;
        left -= written;
    }
    return 0;
}

} // namespace

bool standardErrorIsTerminal()
{
    return ::isatty(STDERR_FILENO) == 1;
}

bool standardOutputIsTerminal()
{
    return ::isatty(STDOUT_FILENO) == 1;
}

int writeStandardOutput(const QByteArray &bytes)
{
    return writeAll(STDOUT_FILENO, bytes);
}

void writeStandardError(const QByteArray &bytes)
{
    writeAll(STDERR_FILENO, bytes);
}

QString errorText(int error)
{
    return qt_error_string(error);
}

bool isBrokenPipe(int error)
{
    return error == EPIPE;
}

InputFile::~InputFile()
{
    close();
}

bool InputFile::open(const QString &path)
{
    close();
    m_error.clear();
    if (path == QLatin1String("-")) {
        m_fd = STDIN_FILENO;
        m_ownsFd = false;
    } else {
        const QByteArray name = QFile::encodeName(path);
        do {
            m_fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
        } while (m_fd < 0 && errno == EINTR && !interruptFlag);
        if (m_fd < 0) {
            m_error = qt_error_string(errno);
            return false;
        }
        m_ownsFd = true;
    }
    struct stat info {};
    if (::fstat(m_fd, &info) != 0) {
        m_error = qt_error_string(errno);
        close();
        return false;
    }
    if (S_ISDIR(info.st_mode)) {
        m_error = QStringLiteral("is a folder");
        close();
        return false;
    }
    return true;
}

void InputFile::close()
{
    if (m_fd >= 0 && m_ownsFd)
        ::close(m_fd);
    m_fd = -1;
    m_ownsFd = false;
}

InputFile::Status InputFile::read(QByteArray &buffer)
{
    if (m_fd < 0)
        return Status::Failed;
    const qsizetype before = buffer.size();
    buffer.resize(before + pieceSize);
    for (;;) {
        const ssize_t got = ::read(m_fd, buffer.data() + before, pieceSize);
        if (got >= 0) {
            buffer.resize(before + got);
            return got == 0 ? Status::End : Status::Data;
        }
        const int error = errno;
        if (error == EINTR && !interruptFlag)
            continue;
        buffer.resize(before);
        if (error == EINTR)
            return Status::Interrupted;
        m_error = qt_error_string(error);
        return Status::Failed;
    }
}

bool InputFile::readable() const
{
    if (m_fd < 0)
        return true;
    pollfd waiting{m_fd, POLLIN, 0};
    return ::poll(&waiting, 1, 0) != 0;
}

InterruptWatcher::InterruptWatcher(QObject *parent) : QObject(parent)
{
    if (interruptPipe[0] < 0 && ::pipe2(interruptPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    struct sigaction action {};
    action.sa_handler = onInterruptSignal;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: a read waiting on a terminal or pipe returns and sees the flag.
    action.sa_flags = 0;
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
    // A reader of the results that goes away shows as a failed write, so the lost name is kept for a rerun.
    std::signal(SIGPIPE, SIG_IGN);
    m_notifier = new QSocketNotifier(interruptPipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &InterruptWatcher::drain);
}

InterruptWatcher::~InterruptWatcher()
{
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
}

bool InterruptWatcher::pending()
{
    return interruptFlag != 0;
}

void InterruptWatcher::drain()
{
    char bytes[64];
    while (::read(interruptPipe[0], bytes, sizeof bytes) > 0) {
    }
    emit interrupted();
}

} // namespace cli
