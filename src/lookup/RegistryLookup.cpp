#include "lookup/RegistryLookup.h"

#include "lookup/RdapLookup.h"
#include "lookup/WhoisLookup.h"

namespace lookup {

std::unique_ptr<RegistryLookup> createLookup(const tld::TldRecord &row, QObject *parent)
{
    if (tld::isRdapServer(row.server))
        return std::make_unique<RdapLookup>(parent);
    return std::make_unique<WhoisLookup>(parent);
}

AnyRowLookup::~AnyRowLookup() = default;

RegistryLookup &AnyRowLookup::lookupFor(const tld::TldRecord &row)
{
    std::unique_ptr<RegistryLookup> &lookup = tld::isRdapServer(row.server) ? m_rdap : m_whois;
    if (!lookup) {
        lookup = createLookup(row);
        connect(lookup.get(), &RegistryLookup::connected, this, &RegistryLookup::connected);
        connect(lookup.get(), &RegistryLookup::finished, this, &RegistryLookup::finished);
    }
    return *lookup;
}

void AnyRowLookup::start(const LookupRequest &request)
{
    abort();
    lookupFor(request.row).start(request);
}

void AnyRowLookup::abort()
{
    if (m_whois)
        m_whois->abort();
    if (m_rdap)
        m_rdap->abort();
}

} // namespace lookup
