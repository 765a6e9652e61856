#include "tld/ui/BlockedNoticeWindow.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace tld {

BlockedNoticeWindow::BlockedNoticeWindow(QWidget *parent)
    : QWidget(parent, Qt::Window), m_registrar(new QLineEdit(this)), m_response(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("frmBlocked"));
    setWindowTitle(QStringLiteral("Registrar blocked"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto *text = new QLabel(
        QStringLiteral("Your connections may be blocked by the following registar, or the registrar might be timing "
                       "out and causing slow searching.  Consider using throttling to lower the amount of queries "
                       "through the Setup menu or disable the TLD using this registrar."),
        this);
    text->setObjectName(QStringLiteral("lblNotice"));
    text->setWordWrap(true);
    m_registrar->setObjectName(QStringLiteral("txtRegistrar"));
    m_response->setObjectName(QStringLiteral("txtResponse"));
    m_response->setReadOnly(true);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Registrar"), m_registrar);
    form->addRow(QStringLiteral("Response:"), m_response);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addLayout(form);
    resize(520, 360);
}

void BlockedNoticeWindow::showNotice(const QString &host, const QString &answer)
{
    show();
    raise();
    if (!m_registrar->text().isEmpty())
        return;
    m_registrar->setText(host);
    m_response->setPlainText(answer);
}

QString BlockedNoticeWindow::registrar() const
{
    return m_registrar->text();
}

QString BlockedNoticeWindow::response() const
{
    return m_response->toPlainText();
}

BlockedNotice::~BlockedNotice()
{
    delete m_window;
}

void BlockedNotice::show(const QString &host, const QString &answer)
{
    if (!m_window)
        m_window = new BlockedNoticeWindow;
    m_window->showNotice(host, answer);
}

} // namespace tld
