#pragma once

#include <QString>

namespace results {

/// Where a double-clicked domain is bought: the registrar's address, with the domain appended.
struct PurchaseLinks {
    bool purchaseLinksEnabled = false;
    QString purchaseLinkPrefix;
};

/// The purchase address for @p domain: the prefix followed by the domain, encoded as a query value so
/// that a name cut from a web page cannot change the rest of the link.
QString purchaseLink(const PurchaseLinks &links, const QString &domain);

/// Puts "http://" in front of an address that names neither http:// nor https://.
QString webPageAddress(const QString &address);

} // namespace results
