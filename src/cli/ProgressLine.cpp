#include "cli/ProgressLine.h"

#include <cmath>

namespace cli {

static QString clockText(qint64 seconds)
{
    const qint64 hours = seconds / 3600;
    const qint64 minutes = seconds / 60 % 60;
    const QLatin1Char zero('0');
    if (hours > 0)
        return QStringLiteral("%1:%2:%3").arg(hours).arg(minutes, 2, 10, zero).arg(seconds % 60, 2, 10, zero);
    return QStringLiteral("%1:%2").arg(minutes).arg(seconds % 60, 2, 10, zero);
}

QString progressText(qint64 done, qint64 available, qint64 total, qint64 elapsedMs)
{
    QString text = QString::number(done);
    if (total >= 0)
        text += QStringLiteral(" of ") + QString::number(total);
    text += QStringLiteral(" names, ") + QString::number(available) + QStringLiteral(" available");
    if (done == 0 || elapsedMs <= 0)
        return text;
    const double rate = double(done) * 1000.0 / double(elapsedMs);
    text += QStringLiteral(", ") + QString::number(rate, 'f', rate < 10 ? 1 : 0) + QStringLiteral(" names/s");
    if (total >= done)
        text += QStringLiteral(", ") + clockText(std::llround(double(total - done) / rate)) + QStringLiteral(" left");
    return text;
}

ProgressLine::ProgressLine(Writer writer, Counts counts, qint64 total, QObject *parent)
    : QObject(parent), m_writer(std::move(writer)), m_counts(std::move(counts)), m_total(total)
{
    m_timer.setInterval(redrawMs);
    connect(&m_timer, &QTimer::timeout, this, &ProgressLine::draw);
}

void ProgressLine::start()
{
    m_elapsed.start();
    m_timer.start();
    draw();
}

void ProgressLine::draw()
{
    qint64 done = 0;
    qint64 available = 0;
    m_counts(done, available);
    m_writer(QByteArrayLiteral("\r") + progressText(done, available, m_total, m_elapsed.elapsed()).toUtf8() +
             QByteArrayLiteral("\x1b[K"));
    m_shown = true;
}

void ProgressLine::clear()
{
    if (!std::exchange(m_shown, false))
        return;
    m_writer(QByteArrayLiteral("\r\x1b[K"));
}

void ProgressLine::stop()
{
    m_timer.stop();
    clear();
}

} // namespace cli
