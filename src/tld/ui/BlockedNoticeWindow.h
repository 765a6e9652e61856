#pragma once

#include <QHash>
#include <QPointer>
#include <QWidget>

class QLineEdit;
class QPlainTextEdit;
class QTreeWidget;

namespace tld {

/// The "Registrar blocked" notice: every server that refused or timed out in this session, how often,
/// and its last answer. Nothing in it can be edited; it closes with its button or the window's.
class BlockedNoticeWindow : public QWidget {
    Q_OBJECT
public:
    explicit BlockedNoticeWindow(QWidget *parent = nullptr);

    /// Shows the window with @p host's row brought up to date and chosen.
    void showNotice(const QString &host, const QString &answer);

    /// The chosen server and its last answer.
    QString registrar() const;
    QString response() const;
    /// The servers listed, in the order they first appeared.
    QStringList servers() const;

private:
    void showChosen();

    QTreeWidget *m_servers;
    QLineEdit *m_registrar;
    QPlainTextEdit *m_response;
    QHash<QString, QString> m_answers; ///< server -> its last answer
};

/// Keeps one notice window while it is open and makes a fresh one after the user closed it.
class BlockedNotice : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    /// The window goes with its owner: closing the main window unloads the other windows.
    ~BlockedNotice() override;
    void show(const QString &host, const QString &answer);
    BlockedNoticeWindow *window() const { return m_window; }

private:
    QPointer<BlockedNoticeWindow> m_window;
};

} // namespace tld
