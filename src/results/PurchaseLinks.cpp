#include "results/PurchaseLinks.h"

#include <QUrl>

namespace results {

QString purchaseLink(const PurchaseLinks &links, const QString &domain)
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
