#include "tld/ui/WhoisWindow.h"

#include <QFontDatabase>
#include <QTextEdit>
#include <QVBoxLayout>

namespace tld {

WhoisWindow::WhoisWindow(const QString &domain, const lookup::WhoisServer &server, QWidget *parent)
    : QWidget(parent, Qt::Window), m_lookup(server), m_text(new QTextEdit(this))
{
    setObjectName(QStringLiteral("frmWhois"));
    setWindowTitle(QStringLiteral("WHOIS Information"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_text->setObjectName(QStringLiteral("text1"));
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QTextEdit::NoWrap);
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    resize(640, 520);

    // Plain text: the record is shown as the server sent it, never interpreted as markup.
    connect(&m_lookup, &lookup::WhoisLookup::finished, this, [this](const QString &answer) {
        m_text->setPlainText(answer);
        emit answerShown();
    });
    connect(&m_lookup, &lookup::WhoisLookup::failed, this, [this](const QString &message) {
        m_text->setPlainText(message);
        emit answerShown();
    });
    m_lookup.start(domain);
}

QString WhoisWindow::shownText() const
{
    return m_text->toPlainText();
}

} // namespace tld
