#include "tld/ui/TestAnswerPanel.h"

#include "platform/DesktopServices.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tld {

TestAnswerPanel::TestAnswerPanel(platform::ClipboardText &clipboard, QWidget *parent)
    : QGroupBox(tr("Test answer:"), parent), m_clipboard(clipboard), m_text(new QPlainTextEdit(this)),
      m_copy(new QPushButton(tr("Copy"), this))
{
    m_text->setObjectName(QStringLiteral("txtAnswer"));
    m_text->setAccessibleName(tr("Test answer"));
    m_text->setReadOnly(true);
    // Registries line their answers up in columns.
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setPlaceholderText(tr("Select a row and press Test Selected."));
    m_copy->setObjectName(QStringLiteral("cmdCopyAnswer"));
    m_copy->setAccessibleName(tr("Copy the test answer"));
    m_copy->setEnabled(false);
    connect(m_copy, &QPushButton::clicked, this, [this] { m_clipboard.setText(m_text->toPlainText()); });

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_copy);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text, 1);
    layout->addLayout(buttons);
}

void TestAnswerPanel::showText(const QString &text)
{
    // The answers end their lines in CR LF; the panel shows plain line breaks.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    m_text->setPlainText(shown);
    m_copy->setEnabled(!shown.isEmpty());
}

QString TestAnswerPanel::text() const
{
    return m_text->toPlainText();
}

} // namespace tld
