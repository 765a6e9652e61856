#include "tld/ui/BlockedNoticeWindow.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tld {

namespace {

enum Column { ServerColumn, TimesColumn, AnswerColumn };

QString firstLine(const QString &answer)
{
    const QString trimmed = answer.trimmed();
    return trimmed.left(trimmed.indexOf(QLatin1Char('\n'))).trimmed();
}

} // namespace

BlockedNoticeWindow::BlockedNoticeWindow(QWidget *parent)
    : QWidget(parent, Qt::Window), m_servers(new QTreeWidget(this)), m_registrar(new QLineEdit(this)),
      m_response(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("frmBlocked"));
    setWindowTitle(QStringLiteral("Registrar blocked"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto *text = new QLabel(
        QStringLiteral("Your connections may be blocked by the following registrar, or the registrar might be timing "
                       "out and causing slow searching.  Consider using throttling to lower the amount of queries "
                       "through the Setup menu or disable the TLD using this registrar."),
        this);
    text->setObjectName(QStringLiteral("lblNotice"));
    text->setWordWrap(true);
    m_servers->setObjectName(QStringLiteral("lstServers"));
    m_servers->setHeaderLabels({QStringLiteral("Server"), QStringLiteral("Times"), QStringLiteral("Last answer")});
    m_servers->setRootIsDecorated(false);
    m_servers->setAccessibleName(QStringLiteral("Servers that refused or timed out"));
    m_servers->header()->setSectionResizeMode(ServerColumn, QHeaderView::ResizeToContents);
    m_servers->header()->setSectionResizeMode(TimesColumn, QHeaderView::ResizeToContents);
    connect(m_servers, &QTreeWidget::currentItemChanged, this, &BlockedNoticeWindow::showChosen);
    m_registrar->setObjectName(QStringLiteral("txtRegistrar"));
    m_registrar->setReadOnly(true);
    m_registrar->setAccessibleName(QStringLiteral("Registrar"));
    m_response->setObjectName(QStringLiteral("txtResponse"));
    m_response->setReadOnly(true);
    m_response->setAccessibleName(QStringLiteral("Response"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("cmdClose"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Registrar"), m_registrar);
    form->addRow(QStringLiteral("Response:"), m_response);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(m_servers, 1);
    layout->addLayout(form, 1);
    layout->addWidget(buttons);
    resize(620, 480);
}

void BlockedNoticeWindow::showNotice(const QString &host, const QString &answer)
{
    const QList<QTreeWidgetItem *> found = m_servers->findItems(host, Qt::MatchExactly, ServerColumn);
    QTreeWidgetItem *row = found.value(0);
    if (!row) {
        row = new QTreeWidgetItem(m_servers, {host, QStringLiteral("0"), QString()});
        row->setTextAlignment(TimesColumn, Qt::AlignRight | Qt::AlignVCenter);
    }
    row->setText(TimesColumn, QString::number(row->text(TimesColumn).toInt() + 1));
    row->setText(AnswerColumn, firstLine(answer));
    m_answers.insert(host, answer);
    m_servers->setCurrentItem(row);
    showChosen();
    show();
    raise();
}

void BlockedNoticeWindow::showChosen()
{
    const QTreeWidgetItem *row = m_servers->currentItem();
    const QString host = row ? row->text(ServerColumn) : QString();
    m_registrar->setText(host);
    m_response->setPlainText(m_answers.value(host));
}

QString BlockedNoticeWindow::registrar() const
{
    return m_registrar->text();
}

QString BlockedNoticeWindow::response() const
{
    return m_response->toPlainText();
}

QStringList BlockedNoticeWindow::servers() const
{
    QStringList hosts;
    for (int i = 0; i < m_servers->topLevelItemCount(); ++i)
        hosts.append(m_servers->topLevelItem(i)->text(ServerColumn));
    return hosts;
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
