#include "sources/ui/HarvesterWindow.h"

#include "sources/Harvester.h"

#include "platform/ui/WindowKeys.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace sources {

HarvesterWindow::HarvesterWindow(const HarvesterHost &host, const HarvestRequest &request, QWidget *parent)
    : QWidget(parent, Qt::Window), m_services(host.services),
      m_harvester(new Harvester(host.folder, host.matcher, this)), m_text1(new QLineEdit(tr("Status..."), this))
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(tr("List Builder - Finding domain names..."));
    setAttribute(Qt::WA_DeleteOnClose);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setReadOnly(true);
    m_text1->setToolTip(tr("This shows the number of unique .com, .org and .net domain names found."));
    auto *label = new QLabel(tr("Extracting Domains from search results.  Please be patient."), this);
    label->setObjectName(QStringLiteral("Label1"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_text1);
    resize(420, 110);
    platform::closeOnEscape(this);

    connect(m_harvester, &Harvester::statusChanged, m_text1, &QLineEdit::setText);
    connect(m_harvester, &Harvester::listWritten, this, &HarvesterWindow::handOver);
    connect(m_harvester, &Harvester::writeFailed, this, &HarvesterWindow::showWriteFailure);
    connect(m_harvester, &Harvester::nothingFound, this, [this] { closeWithMessage(tr("No domain names found.")); });
    connect(m_harvester, &Harvester::downloadFailed, this, [this](const QString &reason) {
        closeWithMessage(tr("The search page could not be downloaded: %1").arg(reason) + QStringLiteral("\r\n\r\n") +
                         tr("No list was created."));
    });
    m_harvester->start(request);
}

HarvesterWindow::~HarvesterWindow() = default;

void HarvesterWindow::handOver(int entryCount, int uniqueCount)
{
    emit listWritten(entryCount);
    hide();
    if (m_services.messages) {
        m_services.messages->inform(tr("List of %1 unique domains was created successfully!").arg(uniqueCount));
    }
    emit runRequested();
    close();
}

void HarvesterWindow::showWriteFailure(const QString &path)
{
    closeWithMessage(tr("File %1 could not be written.").arg(path));
}

void HarvesterWindow::closeWithMessage(const QString &text)
{
    hide();
    if (m_services.messages)
        m_services.messages->inform(text);
    close();
}

void HarvesterWindow::closeEvent(QCloseEvent *event)
{
    m_harvester->stop();
    QWidget::closeEvent(event);
}

} // namespace sources
