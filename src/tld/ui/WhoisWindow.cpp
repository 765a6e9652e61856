#include "tld/ui/WhoisWindow.h"

#include "platform/ui/WindowFit.h"
#include "platform/ui/WindowKeys.h"

#include <QFontDatabase>
#include <QTextEdit>
#include <QVBoxLayout>

namespace tld {

WhoisWindow::WhoisWindow(const QString &domain, const lookup::WhoisServer &server, const QString &rdapBase,
                         QWidget *parent)
    : QWidget(parent, Qt::Window), m_domain(domain), m_text(new QTextEdit(this))
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
    platform::resizeWithinScreen(this, QSize(640, 520));
    platform::closeOnEscape(this);

    // Plain text: the record is shown as the server sent it, never interpreted as markup.
    if (!rdapBase.isEmpty()) {
        m_rdap = std::make_unique<lookup::RdapLookup>(rdapBase);
        connect(m_rdap.get(), &lookup::RdapLookup::finished, this, &WhoisWindow::showText);
        connect(m_rdap.get(), &lookup::RdapLookup::failed, this, &WhoisWindow::showText);
        if (!m_rdap->start(domain))
            showText(QStringLiteral("%1 cannot be asked at %2.").arg(domain, rdapBase));
        return;
    }
    m_whois = std::make_unique<lookup::WhoisLookup>(server);
    connect(m_whois.get(), &lookup::WhoisLookup::finished, this, &WhoisWindow::showText);
    connect(m_whois.get(), &lookup::WhoisLookup::failed, this, &WhoisWindow::showText);
    m_whois->start(domain);
}

void WhoisWindow::showText(const QString &text)
{
    m_text->setPlainText(text);
    emit answerShown();
}

QString WhoisWindow::shownText() const
{
    return m_text->toPlainText();
}

} // namespace tld
