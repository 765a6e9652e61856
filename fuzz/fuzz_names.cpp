// Name cleaning, URL unescaping, the ASCII form of international names and the routing they feed.
#include "FuzzInput.h"
#include "platform/TextCodec.h"
#include "tld/NameCleaning.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 4096)
        return -1; // names are short; long inputs only slow the search down
    const QString raw = platform::decodeText(fuzzing::bytesOf(data, size));

    const QString name = tld::correctName(tld::urlUnescape(raw));
    const QString ascii = tld::asciiDomain(name);
    for (const QChar c : ascii) {
        if (c.unicode() > 0x7f)
            __builtin_trap();
    }
    const bool safe = tld::isSafeQueryName(name);
    const QByteArray query = tld::queryText(name);
    // A name that passes as safe makes exactly one query line.
    if (safe && (query.count('\n') != 1 || !query.endsWith("\r\n") || query.count('\r') != 1))
        __builtin_trap();
    const int row = tld::findTldIndex(fuzzing::builtInTable(), name, false);
    if (row >= 0 && !safe)
        __builtin_trap();
    (void)tld::correctName(raw);
    return 0;
}
