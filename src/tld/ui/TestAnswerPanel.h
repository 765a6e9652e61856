#pragma once

#include <QGroupBox>

class QPlainTextEdit;
class QPushButton;

namespace platform {
class ClipboardText;
}

namespace tld {

/// The TLD manager's test answer: the verdict and the server's whole answer, read-only and scrollable,
/// with a button that copies it.
class TestAnswerPanel : public QGroupBox {
    Q_OBJECT
public:
    TestAnswerPanel(platform::ClipboardText &clipboard, QWidget *parent = nullptr);

    void showText(const QString &text);
    QString text() const;

private:
    platform::ClipboardText &m_clipboard;
    QPlainTextEdit *m_text;
    QPushButton *m_copy;
};

} // namespace tld
