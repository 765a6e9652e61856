#include "results/PurchaseLinks.h"

#include "platform/ProgramSettings.h"

#include <QUrl>

namespace results {

namespace {} // namespace

QString defaultPurchaseAddress()
{
    return QStringLiteral("https://www.namecheap.com/domains/registration/results/?domain=") + domainMark;
}

QString purchaseLink(const PurchaseLinks &links, const QString &domain)
{
    const QString encoded = QString::fromLatin1(QUrl::toPercentEncoding(domain));
    if (!links.purchaseLinkPrefix.contains(domainMark))
        return links.purchaseLinkPrefix + encoded;
    QString link = links.purchaseLinkPrefix;
    return link.replace(domainMark, encoded);
}

bool isPurchaseAddress(const QString &address)
{
    QString sample = address.trimmed();
    sample.replace(domainMark, QStringLiteral("example.com"));
    const QUrl url(sample, QUrl::StrictMode);
    return url.isValid() && (url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http")) &&
           !url.host().isEmpty() && !address.trimmed().contains(QLatin1Char(' '));
}

QString registrarHome(const PurchaseLinks &links)
{
    QString sample = links.purchaseLinkPrefix;
    const QUrl url(sample.replace(domainMark, QString()));
    if (!url.isValid() || url.host().isEmpty())
        return {};
    return url.scheme() + QStringLiteral("://") + url.authority() + QLatin1Char('/');
}

void readPurchaseLinks(PurchaseLinks &links, const platform::ProgramSettings &settings)
{
    links.purchaseLinksEnabled = settings.purchaseLinksEnabled();
    const QString address = settings.purchaseAddress();
    links.purchaseLinkPrefix = isPurchaseAddress(address) ? address : defaultPurchaseAddress();
}

void savePurchaseLinks(const PurchaseLinks &links, platform::ProgramSettings &settings)
{
    settings.setPurchaseLinksEnabled(links.purchaseLinksEnabled);
    settings.setPurchaseAddress(links.purchaseLinkPrefix);
}

} // namespace results
