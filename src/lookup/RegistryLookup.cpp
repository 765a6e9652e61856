#include "lookup/RegistryLookup.h"

#include "lookup/WhoisQuery.h"

namespace lookup {

std::unique_ptr<RegistryLookup> createLookup(const tld::TldRecord &row, QObject *parent)
{
    Q_UNUSED(row)
    return std::make_unique<WhoisQuery>(parent);
}

} // namespace lookup
