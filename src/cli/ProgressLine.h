#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QTimer>

#include <functional>

namespace cli {

/// "120 of 5000 names, 3 available, 85 names/s, 0:57 left"; @p total below 0 when it is not known.
QString progressText(qint64 done, qint64 available, qint64 total, qint64 elapsedMs);

/**
 * The progress line on a terminal's standard error, redrawn a few times a second in place. Result lines
 * on the same terminal first take the line away; the next redraw brings it back.
 */
class ProgressLine : public QObject {
    Q_OBJECT
public:
    static constexpr int redrawMs = 250;
    using Writer = std::function<void(const QByteArray &)>;
    using Counts = std::function<void(qint64 &done, qint64 &available)>;

    ProgressLine(Writer writer, Counts counts, qint64 total, QObject *parent = nullptr);

    void start();
    /// Takes the line away (before a result line on the same terminal, and at the end).
    void clear();
    void stop();

private:
    void draw();

    Writer m_writer;
    Counts m_counts;
    qint64 m_total;
    QElapsedTimer m_elapsed;
    QTimer m_timer;
    bool m_shown = false;
};

} // namespace cli
