#include "tld/ui/WhoisWindow.h"

#include "platform/ui/WindowFit.h"
#include "platform/ui/WindowKeys.h"
#include "tld/DomainRule.h"

#include <QFontDatabase>
#include <QTextEdit>
#include <QVBoxLayout>

namespace tld {

WhoisWindow::WhoisWindow(const QString &domain, const lookup::WhoisServer &server, const QString &rdapBase,
                         QWidget *parent)
    : QWidget(parent, Qt::Window), m_domain(domain), m_text(new QTextEdit(this))
{
    setObjectName(QStringLiteral("frmWhois"));
    setWindowTitle(tr("WHOIS Information"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_text->setObjectName(QStringLiteral("text1"));
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QTextEdit::NoWrap);
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    platform::resizeWithinScreen(this, QSize(640, 520));
    platform::closeOnEscape(this);

    // A host is asked about as the domain it belongs to; what is no domain is asked nowhere.
    const EntryName read = readEntry(domain);
    if (!read.isDomain()) {
        showText(tr("%1 is no domain that can be registered (%2), so nothing was asked.")
                     .arg(domain, problemText(read.isWord ? NameProblem::NoTld : read.problem)));
        return;
    }
    // Plain text: the record is shown as the server sent it, never interpreted as markup.
    if (!rdapBase.isEmpty()) {
        m_rdap = std::make_unique<lookup::RdapRecordRequest>(rdapBase);
        connect(m_rdap.get(), &lookup::RdapRecordRequest::finished, this, &WhoisWindow::showText);
        connect(m_rdap.get(), &lookup::RdapRecordRequest::failed, this, &WhoisWindow::showText);
        if (!m_rdap->start(read.name))
            showText(tr("%1 cannot be asked at %2.").arg(read.name, rdapBase));
        return;
    }
    m_whois = std::make_unique<lookup::WhoisRecordRequest>(server);
    connect(m_whois.get(), &lookup::WhoisRecordRequest::finished, this, &WhoisWindow::showText);
    connect(m_whois.get(), &lookup::WhoisRecordRequest::failed, this, &WhoisWindow::showText);
    m_whois->start(read.name);
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
