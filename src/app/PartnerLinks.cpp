#include "app/PartnerLinks.h"

namespace app {

void initPartnerLinks(PartnerLinks &links)
{
    links.purchaseLinksEnabled = true;
    links.purchaseLinkPrefix =
        QStringLiteral("https://www.quarrytide.net/go/registrar?checkavail=1&aid=QT20417&pid=QTDESK01"
                       "&url=https%3A%2F%2Fwww.quarrytide.net%2Fregistrar%2Fdomain-search&domainToCheck=");
    links.productName = QStringLiteral("Quarrytide");
    links.makerName = QStringLiteral("Marlowfen");
    links.productWebAddress = QStringLiteral("www.quarrytide.net");
}

} // namespace app
