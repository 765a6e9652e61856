#pragma once

#include "engine/ServerState.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QWidget>

class QTreeWidget;

namespace engine {

/// The troubles of the servers asked in the current run: how often each went wrong, and how.
class ServerProblems : public QObject {
    Q_OBJECT
public:
    struct Row {
        QString host;
        Trouble trouble;
        int count = 0;
    };

    using QObject::QObject;

    /// A new run: the counts start again.
    void clear();
    void add(const QString &host, Trouble trouble);
    /// Keeps the server's latest state, shown beside its troubles.
    void setState(const ServerState &state);

    const QList<Row> &rows() const { return m_rows; }
    /// The latest state of @p host; Pacing when none was reported.
    ServerState state(const QString &host) const { return m_states.value(host, ServerState{host}); }
    /// Servers with at least one trouble.
    int serverCount() const;

signals:
    void changed();

private:
    QList<Row> m_rows;
    QHash<QString, ServerState> m_states;
};

/**
 * "Servers with problems": each server that failed in this run, every kind of failure in words with its
 * count, and what the server is doing now. It never takes the keyboard from the window the user works in.
 */
class ServerProblemsWindow : public QWidget {
    Q_OBJECT
public:
    explicit ServerProblemsWindow(const ServerProblems &problems, QWidget *parent = nullptr);

    /// The lines as shown: "server | problem | times | now".
    QStringList lines() const;

private:
    void refill();

    const ServerProblems &m_problems;
    QTreeWidget *m_list;
};

} // namespace engine
