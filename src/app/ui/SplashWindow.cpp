#include "app/ui/SplashWindow.h"

#include "app/AppContext.h"
#include "app/ui/Artwork.h"
#include "platform/Intervals.h"

#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace app {

SplashWindow::SplashWindow(AppContext &context, std::function<void()> showMainWindow, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), m_context(context),
      m_showMainWindow(std::move(showMainWindow))
{
    setObjectName(QStringLiteral("frmSplash"));
    m_timer2.setObjectName(QStringLiteral("Timer2"));
    connect(&m_timer2, &QTimer::timeout, this, &SplashWindow::tick);
}

void SplashWindow::load()
{
    app::initPartnerLinks(m_context.links);
    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("imgSplash"));
    picture->setAlignment(Qt::AlignCenter);
    const QPixmap artwork =
        splashPicture(m_context.links, QStringLiteral(QUARRYTIDE_VERSION_TEXT), devicePixelRatioF());
    if (artwork.isNull()) {
        picture->setText(QStringLiteral("<h1>%1</h1><p>%2</p><p>%3</p>")
                             .arg(m_context.links.productName,
                                  tr("Version %1").arg(QStringLiteral(QUARRYTIDE_VERSION_TEXT)),
                                  m_context.links.productWebAddress));
    } else {
        picture->setPixmap(artwork);
    }
    picture->setAccessibleName(m_context.links.productName);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picture);
    setFixedSize(480, 280);
    if (const QScreen *display = screen())
        move(display->availableGeometry().center() - rect().center());
    m_timer2.start(platform::intervals().splashTickMs);
}

void SplashWindow::tick()
{
    m_counter = qint16(m_counter + 2);
    if (m_counter != 2 * platform::intervals().splashTicks)
        return;
    m_timer2.stop();
    if (m_showMainWindow)
        m_showMainWindow();
    hide();
}

} // namespace app
