#include "results/PartnerLinks.h"

#include <QUrl>

namespace results {

void initPartnerLinks(PartnerLinks &links)
{
    links.purchaseLinksEnabled = true;
    links.skinEnabled = false;
    links.purchaseLinkPrefix =
        QStringLiteral("https://www.quarrytide.net/go/registrar?checkavail=1&aid=QT20417&pid=QTDESK01"
                       "&url=https%3A%2F%2Fwww.quarrytide.net%2Fregistrar%2Fdomain-search&domainToCheck=");
    links.productName = QStringLiteral("Quarrytide");
    links.makerName = QStringLiteral("Marlowfen");
    links.productWebAddress = QStringLiteral("www.quarrytide.net");
}

QString purchaseLink(const PartnerLinks &links, const QString &domain)
{
    return links.purchaseLinkPrefix + QString::fromLatin1(QUrl::toPercentEncoding(domain));
}

QString webPageAddress(const QString &address)
{
    if (address.contains(QLatin1String("http://"), Qt::CaseInsensitive) ||
        address.contains(QLatin1String("https://"), Qt::CaseInsensitive))
        return address;
    return QStringLiteral("http://") + address;
}

} // namespace results
