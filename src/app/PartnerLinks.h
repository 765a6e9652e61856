#pragma once

#include "results/PurchaseLinks.h"

namespace app {

/// The program's partner-link configuration: where purchase links go and how the product presents itself.
struct PartnerLinks : results::PurchaseLinks {
    QString productName;
    QString makerName;
    QString productWebAddress;
};

/// Fills the configuration; calling it again gives the same values.
void initPartnerLinks(PartnerLinks &links);

} // namespace app
