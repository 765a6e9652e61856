#pragma once

#include <QString>

namespace platform {
class ProgramSettings;
}

namespace results {

/// Where a domain is bought, and whether a double-click goes there (off: the lookup window opens).
struct PurchaseLinks {
    bool purchaseLinksEnabled = false;
    /// The registrar's search address; domainMark marks the domain's place. An address without the mark
    /// gets the domain at its end.
    QString purchaseLinkPrefix;
};

/// The mark of the domain's place in a purchase address.
inline const QString domainMark = QStringLiteral("{domain}");

/// A registrar's public domain search, used until the user sets another address.
QString defaultPurchaseAddress();

/// The purchase address for @p domain: the domain, encoded as a query value so that a name cut from a
/// web page cannot change the rest of the link, put in place of every mark (or at the end).
QString purchaseLink(const PurchaseLinks &links, const QString &domain);

/// True for an address a purchase link can be made from: http or https with a host.
bool isPurchaseAddress(const QString &address);

/// The start page of the registrar behind @p links ("https://host/"), or empty text.
QString registrarHome(const PurchaseLinks &links);

/// Reads the settings "PurchaseLinks" ("1" on, "0" off; on by default) and "PurchaseAddress"; an unfit
/// address is passed over for the default.
void readPurchaseLinks(PurchaseLinks &links, const platform::ProgramSettings &settings);
/// Stores both settings.
void savePurchaseLinks(const PurchaseLinks &links, platform::ProgramSettings &settings);

} // namespace results
