#include "results/ui/PurchaseLinksWindow.h"

#include "platform/DesktopServices.h"
#include "results/PurchaseLinks.h"

#include "platform/ui/WindowKeys.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace results {

namespace {

QPushButton *button(const char *name, const QString &caption, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

} // namespace

PurchaseLinksWindow::PurchaseLinksWindow(PurchaseLinks &links, platform::ProgramSettings &settings,
                                         platform::MessageBoxes *messages, QWidget *parent)
    : QWidget(parent, Qt::Window), m_links(links), m_settings(settings), m_messages(messages),
      m_enabled(new QCheckBox(tr("Double-click opens the registrar's page (otherwise the WHOIS record)"), this)),
      m_address(new QLineEdit(links.purchaseLinkPrefix, this))
{
    setObjectName(QStringLiteral("frmPurchaseLinks"));
    setWindowTitle(tr("Purchase Links"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_enabled->setObjectName(QStringLiteral("chkPurchaseLinks"));
    m_enabled->setChecked(links.purchaseLinksEnabled);
    m_address->setObjectName(QStringLiteral("txtPurchaseAddress"));
    m_address->setToolTip(tr("The registrar's domain search; %1 marks where the domain goes.").arg(domainMark));
    auto *label = new QLabel(tr("Registrar's search address (%1 marks the domain):").arg(domainMark), this);
    label->setObjectName(QStringLiteral("lblPurchaseAddress"));
    QPushButton *standard = button("cmdDefault", tr("Default"), this);
    QPushButton *ok = button("cmdOK", tr("OK"), this);
    QPushButton *cancel = button("cmdCancel", tr("Cancel"), this);
    connect(standard, &QPushButton::clicked, this, [this] { m_address->setText(defaultPurchaseAddress()); });
    connect(ok, &QPushButton::clicked, this, [this] {
        if (accept())
            close();
    });
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    label->setBuddy(m_address);
    platform::closeOnEscape(this);
    platform::acceptOnReturn(ok);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(standard);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_enabled);
    layout->addWidget(label);
    layout->addWidget(m_address);
    layout->addLayout(buttons);
    resize(560, 140);
    platform::giveMnemonics(this, {m_enabled, label, standard, ok, cancel});
}

bool PurchaseLinksWindow::accept()
{
    const QString address = m_address->text().trimmed();
    if (!isPurchaseAddress(address)) {
        if (m_messages) {
            m_messages->show({tr("Purchase Links"),
                              tr("The address must begin with http:// or https:// and name a host, "
                                 "for example https://registrar.example/search?domain=%1")
                                  .arg(domainMark),
                              platform::MessageRequest::Icon::Warning, platform::MessageRequest::Buttons::Ok});
        }
        return false;
    }
    m_links.purchaseLinksEnabled = m_enabled->isChecked();
    m_links.purchaseLinkPrefix = address;
    savePurchaseLinks(m_links, m_settings);
    emit changed();
    return true;
}

} // namespace results
