#include "app/ui/AboutWindow.h"

#include "app/PartnerLinks.h"
#include "app/ui/Artwork.h"

#include "platform/ui/WindowKeys.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace app {

AboutWindow::AboutWindow(const app::PartnerLinks &links, QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About %1").arg(links.productName));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(QIcon(iconResource()));
    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("imgIcon"));
    icon->setPixmap(renderArtwork(iconResource(), QSize(96, 96), devicePixelRatioF()));
    icon->setAlignment(Qt::AlignCenter);
    auto *text = new QLabel(this);
    text->setObjectName(QStringLiteral("lblAbout"));
    text->setAlignment(Qt::AlignCenter);
    text->setTextFormat(Qt::RichText);
    text->setOpenExternalLinks(true);
    const QString address = links.productWebAddress;
    text->setText(QStringLiteral("<h2>%1</h2><p>%2</p><p>%3</p><p><a href=\"https://%4\">%4</a></p><p>%5</p>")
                      .arg(links.productName, tr("Version %1").arg(QStringLiteral(QUARRYTIDE_VERSION_TEXT)),
                           tr("by %1").arg(links.makerName), address, tr("Finds domain names nobody has registered.")));
    auto *ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
    platform::closeOnEscape(this);
    platform::acceptOnReturn(ok);
    platform::giveMnemonics(this, {ok});
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(icon);
    layout->addWidget(text);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
}

} // namespace app
