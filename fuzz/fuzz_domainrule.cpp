// The rule for what a domain is: whatever the entry, a name it lets through can be sent as one query
// line, reads the same when read again, and keeps within the lengths registries accept.
#include "FuzzInput.h"
#include "platform/TextCodec.h"
#include "tld/DomainRule.h"

namespace {

bool isAsciiName(const QString &ascii)
{
    if (ascii.isEmpty() || ascii.size() > 253)
        return false;
    for (const QStringView label : QStringView(ascii).split(u'.')) {
        if (label.isEmpty() || label.size() > 63 || label.front() == u'-' || label.back() == u'-')
            return false;
        for (const QChar c : label) {
            const char16_t u = c.unicode();
            if (!((u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') || u == '-'))
                return false;
        }
    }
    return true;
}

void checkName(const tld::EntryName &read)
{
    if (read.problem != tld::NameProblem::None) {
        if (tld::problemText(read.problem).isEmpty())
            __builtin_trap();
        return;
    }
    if (!isAsciiName(read.ascii) || !tld::isSafeQueryName(read.name))
        __builtin_trap();
    // A name the rule gave is a name the rule keeps as it is.
    const tld::EntryName again = tld::readEntry(read.name);
    if (again.problem != tld::NameProblem::None || again.name != read.name || again.isWord != read.isWord)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 4096)
        return -1; // entries are short; long inputs only slow the search down
    const QString entry = platform::decodeText(fuzzing::bytesOf(data, size));
    const tld::EntryName read = tld::readEntry(entry);
    checkName(read);
    if (read.isWord) {
        for (const QString &extension : {QStringLiteral("com"), QStringLiteral(".co.uk"), QStringLiteral("uk")}) {
            const tld::EntryName domain = tld::completeWord(read, extension);
            if (domain.isWord)
                __builtin_trap();
            checkName(domain);
        }
    }
    (void)tld::isBlankOrComment(entry);
    return 0;
}
