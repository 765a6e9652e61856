#include "zones/ZoneImport.h"

#include <QDir>
#include <QFileInfo>

#include <cmath>

namespace zones {

namespace {

// Long enough to get work done, short enough that the window answers the mouse between slices.
constexpr int sliceMs = 40;
// The share of the work that reading the file takes; sorting and writing the rest.
constexpr double readingShare = 0.95;

} // namespace

ZoneImport::ZoneImport(const QString &zoneFile, const QString &zonesFolder, const QString &tld, QObject *parent)
    : QObject(parent), m_zoneFile(zoneFile), m_folder(zonesFolder),
      m_tld(QString(tld).remove(0, tld.startsWith(QLatin1Char('.')) ? 1 : 0).toLower().toStdString())
{
    m_slice.setSingleShot(true);
    m_slice.setInterval(0);
    connect(&m_slice, &QTimer::timeout, this, &ZoneImport::runSlice);
}

ZoneImport::~ZoneImport() = default;

void ZoneImport::start()
{
    if (begin())
        m_slice.start();
    else
        QTimer::singleShot(0, this, [this] { emit finished(false); });
}

bool ZoneImport::run()
{
    if (!begin())
        return false;
    while (step(500))
        emit progressed();
    return m_state == State::Done;
}

void ZoneImport::runSlice()
{
    const bool more = step(sliceMs);
    emit progressed();
    if (more)
        m_slice.start();
    else
        emit finished(m_state == State::Done);
}

void ZoneImport::cancel()
{
    if (m_state != State::Reading && m_state != State::Writing)
        return;
    m_slice.stop();
    if (m_writer)
        m_writer->cancel();
    m_hashes.reset();
    m_state = State::Cancelled;
    emit finished(false);
}

bool ZoneImport::begin()
{
    m_clock.start();
    m_state = State::Reading;
    if (!m_input.open(m_zoneFile)) {
        fail(tr("the zone file could not be read: ") + m_input.error());
        return false;
    }
    DelegationSink &sink = *this;
    m_reader = std::make_unique<MasterFileReader>(sink, m_tld);
    m_hashes = std::make_unique<HashCollector>();
    return true;
}

void ZoneImport::fail(const QString &error)
{
    m_error = error;
    m_state = State::Failed;
    if (m_writer)
        m_writer->cancel();
    m_hashes.reset();
}

void ZoneImport::delegated(std::string_view label)
{
    m_hashes->add(labelHash(label));
    ++m_names;
}

bool ZoneImport::step(int budgetMs)
{
    const qint64 end = m_clock.elapsed() + budgetMs;
    while (m_clock.elapsed() < end) {
        if (m_state == State::Reading)
            read(budgetMs);
        else if (m_state == State::Writing)
            write(budgetMs);
        else
            break;
    }
    return m_state == State::Reading || m_state == State::Writing;
}

void ZoneImport::read(int budgetMs)
{
    const qint64 end = m_clock.elapsed() + budgetMs;
    std::string_view text;
    while (m_state == State::Reading && m_clock.elapsed() < end) {
        switch (m_input.read(text)) {
        case ZoneInput::Read::Text:
            if (!m_reader->feed(text))
                fail(m_reader->error());
            break;
        case ZoneInput::Read::End:
            if (!m_reader->finish())
                fail(m_reader->error());
            else if (m_names == 0)
                fail(tr("the zone of .%1 delegates no names").arg(QString::fromStdString(m_reader->apex())));
            else
                startWriting();
            break;
        case ZoneInput::Read::Failed:
            fail(m_input.error());
            break;
        }
    }
}

void ZoneImport::startWriting()
{
    m_info.tld = QString::fromStdString(m_reader->apex());
    m_info.serial = m_reader->serial();
    m_info.sourceDate = QFileInfo(m_zoneFile).lastModified().toUTC();
    if (!QDir().mkpath(m_folder)) {
        fail(tr("the folder %1 could not be made").arg(m_folder));
        return;
    }
    m_indexFile = indexPath(m_folder, m_info.tld);
    m_writer = std::make_unique<ZoneIndexWriter>(m_indexFile);
    if (!m_writer->open(m_hashes->added())) {
        fail(m_writer->error());
        return;
    }
    m_state = State::Writing;
}

void ZoneImport::write(int budgetMs)
{
    const qint64 end = m_clock.elapsed() + budgetMs;
    while (m_state == State::Writing && m_clock.elapsed() < end) {
        if (m_part < HashCollector::partCount) {
            if (!m_writer->write(m_hashes->takePart(m_part++)))
                fail(m_writer->error());
            continue;
        }
        m_hashes.reset();
        m_info.importedAt = QDateTime::currentDateTimeUtc();
        if (!m_writer->commit(m_info)) {
            fail(m_writer->error());
            return;
        }
        m_info.count = m_writer->written();
        m_state = State::Done;
    }
}

ImportProgress ZoneImport::progress() const
{
    ImportProgress progress;
    progress.names = m_names;
    if (m_state == State::Done) {
        progress.fraction = 1;
        progress.etaSeconds = 0;
        return progress;
    }
    const qint64 size = m_input.size();
    if (m_state == State::Reading && size > 0)
        progress.fraction = readingShare * double(m_input.consumed()) / double(size);
    else if (m_state == State::Writing)
        progress.fraction = readingShare + (1 - readingShare) * m_part / HashCollector::partCount;
    const qint64 elapsed = m_clock.isValid() ? m_clock.elapsed() : 0;
    if (progress.fraction >= 0.01 && elapsed >= 1000)
        progress.etaSeconds = std::llround(double(elapsed) * (1 - progress.fraction) / progress.fraction / 1000);
    return progress;
}

} // namespace zones
