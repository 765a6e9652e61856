#include "engine/PositionSaver.h"

#include "platform/Intervals.h"
#include "sources/EntrySource.h"

namespace engine {

PositionSaver::PositionSaver(sources::EntrySource &source, std::function<int()> position, QObject *parent)
    : QObject(parent), m_source(source), m_position(std::move(position))
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &PositionSaver::saveNow);
}

void PositionSaver::begin(int position)
{
    m_timer.stop();
    m_saved = position;
    m_sinceSave.start();
}

void PositionSaver::moved()
{
    if (m_position() == m_saved || m_timer.isActive())
        return;
    const int every = platform::intervals().positionSaveMs;
    const qint64 since = m_sinceSave.elapsed();
    if (since >= every)
        saveNow();
    else
        m_timer.start(int(every - since));
}

void PositionSaver::saveNow()
{
    m_timer.stop();
    const int next = m_position();
    if (next == m_saved)
        return;
    m_saved = next;
    m_sinceSave.start();
    m_source.savePositions(next);
}

} // namespace engine
