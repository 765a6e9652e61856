#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>

namespace sources {
class EntrySource;
}

namespace engine {

/**
 * Writes a run's resume position to its source at most once a period (platform::intervals()
 * .positionSaveMs): a crash asks the last period's names again and skips none.
 */
class PositionSaver : public QObject {
    Q_OBJECT
public:
    /// @p position tells where the run has come to whenever a write is due.
    PositionSaver(sources::EntrySource &source, std::function<int()> position, QObject *parent = nullptr);

    /// A run begins at @p position, which needs no writing.
    void begin(int position);
    /// The position moved: written now, or once the period since the last write is over.
    void moved();
    /// Written now, when it changed since the last write.
    void saveNow();

private:
    sources::EntrySource &m_source;
    std::function<int()> m_position;
    int m_saved = 0;
    QElapsedTimer m_sinceSave;
    QTimer m_timer;
};

} // namespace engine
