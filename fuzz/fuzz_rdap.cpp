// RDAP answers as JSON, the Retry-After header and IANA's bootstrap file.
#include "FuzzInput.h"
#include "lookup/RdapLookup.h"
#include "tld/CurrentTlds.h"

#include <QUrl>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzing::bytesOf(data, size);

    QString why;
    const QJsonObject domain = lookup::rdapDomainObject(bytes, QStringLiteral("quarrytide.com"), why);
    if (domain.isEmpty() == why.isEmpty())
        __builtin_trap(); // either a domain object or a reason, never both or neither

    const int seconds = lookup::retryAfterSeconds(bytes.left(80), QDateTime(QDate(2026, 1, 1), QTime(0, 0), Qt::UTC));
    if (seconds < -1 || seconds > lookup::longestRetryAfter)
        __builtin_trap();

    const tld::RdapBootstrap bootstrap = tld::parseRdapBootstrap(bytes);
    for (auto base = bootstrap.bases.cbegin(); base != bootstrap.bases.cend(); ++base) {
        if (!tld::isUsableRdapBase(base.value()))
            __builtin_trap();
        (void)lookup::rdapDomainUrl(base.value(), QStringLiteral("quarrytide.") + base.key());
    }
    return 0;
}
