#pragma once

#include <QPointer>
#include <QWidget>

class QLineEdit;
class QPlainTextEdit;

namespace tld {

/// The "Registrar blocked" notice: names the first server that refused or timed out, and its answer.
class BlockedNoticeWindow : public QWidget {
    Q_OBJECT
public:
    explicit BlockedNoticeWindow(QWidget *parent = nullptr);

    /// Shows the window; fills host and answer only while the Registrar field is empty.
    void showNotice(const QString &host, const QString &answer);

    QString registrar() const;
    QString response() const;

private:
    QLineEdit *m_registrar;
    QPlainTextEdit *m_response;
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
