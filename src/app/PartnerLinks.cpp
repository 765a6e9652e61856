#include "app/PartnerLinks.h"

namespace app {

void initPartnerLinks(PartnerLinks &links)
{
    // The user's own choice from the settings replaces these at the main window's load.
    links.purchaseLinksEnabled = true;
    links.purchaseLinkPrefix = results::defaultPurchaseAddress();
    links.productName = QStringLiteral("Quarrytide");
    links.makerName = QStringLiteral("Marlowfen");
    links.productWebAddress = QStringLiteral("www.quarrytide.net");
}

} // namespace app
