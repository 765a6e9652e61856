#include "engine/RunProgress.h"

#include <algorithm>
#include <cmath>

namespace engine {

void RunProgress::start(int first, int last)
{
    m_first = std::max(1, first);
    m_total = std::max(0, last - m_first + 1);
    m_done = 0;
    m_elapsedMs = 0;
}

void RunProgress::update(int position, qint64 elapsedMs)
{
    m_done = std::clamp(position - m_first, 0, m_total);
    m_elapsedMs = std::max<qint64>(0, elapsedMs);
}

int RunProgress::perMille() const
{
    return m_total == 0 ? 0 : int(qint64(m_done) * 1000 / m_total);
}

double RunProgress::namesPerSecond() const
{
    if (m_done == 0 || m_elapsedMs <= 0)
        return 0.0;
    return double(m_done) * 1000.0 / double(m_elapsedMs);
}

qint64 RunProgress::secondsLeft() const
{
    const double pace = namesPerSecond();
    if (pace <= 0.0)
        return -1;
    return qint64(std::ceil(double(m_total - m_done) / pace));
}

QString RunProgress::duration(qint64 seconds)
{
    if (seconds < 60)
        return QString::number(seconds) + QStringLiteral(" s");
    const qint64 minutes = (seconds + 59) / 60;
    if (minutes < 60)
        return QString::number(minutes) + QStringLiteral(" min");
    const qint64 rest = minutes % 60;
    return QString::number(minutes / 60) + QStringLiteral(" h") +
           (rest == 0 ? QString() : QStringLiteral(" ") + QString::number(rest) + QStringLiteral(" min"));
}

QString RunProgress::text() const
{
    QString line =
        QString::number(m_first - 1 + m_done) + QStringLiteral(" of ") + QString::number(m_first - 1 + m_total);
    const double pace = namesPerSecond();
    if (pace <= 0.0)
        return line;
    line += QStringLiteral(" - ") + QString::number(pace, 'f', pace < 10 ? 1 : 0) + QStringLiteral(" names/s");
    const qint64 left = secondsLeft();
    if (left > 0)
        line += QStringLiteral(" - about ") + duration(left) + QStringLiteral(" left");
    return line;
}

} // namespace engine
