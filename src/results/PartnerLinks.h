#pragma once

#include <QString>

namespace results {

/// The program's partner-link configuration: where purchase links go and how the product presents itself.
struct PartnerLinks {
    bool purchaseLinksEnabled = false;
    bool skinEnabled = false;
    QString purchaseLinkPrefix;
    QString productName;
    QString makerName;
    QString productWebAddress;
};

/// Fills the configuration; calling it again gives the same values.
void initPartnerLinks(PartnerLinks &links);

/// The purchase address for @p domain: the prefix followed by the domain, encoded as a query value so
/// that a name cut from a web page cannot change the rest of the link.
QString purchaseLink(const PartnerLinks &links, const QString &domain);

/// Puts "http://" in front of an address that names neither http:// nor https://.
QString webPageAddress(const QString &address);

} // namespace results
