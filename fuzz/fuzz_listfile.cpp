// The list reader: a list file indexed and read entry by entry, the saved list and the affix file.
#include "FuzzInput.h"
#include "results/RememberedList.h"
#include "sources/AffixFile.h"
#include "sources/ListFile.h"
#include "tld/DomainRule.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const fuzzing::ScratchFile scratch("list");
    const QByteArray bytes = fuzzing::bytesOf(data, size);
    const QString &path = scratch.write(bytes);

    sources::ListFile list(path);
    const int count = list.countListEntries();
    if (count != sources::countEntriesInText(bytes))
        __builtin_trap();
    QString entry;
    for (int n = 0; n <= count + 1; ++n) {
        const sources::ListFile::Read read = list.readListEntry(n, entry);
        if ((n > count) != (read == sources::ListFile::Read::End) || entry.contains(QLatin1Char('\r')))
            __builtin_trap();
        // Blank and comment lines are never handed out as entries.
        if (n >= 1 && n <= count && tld::isBlankOrComment(entry))
            __builtin_trap();
    }

    for (const QString &saved : results::RememberedList::parse(bytes)) {
        if (saved.isEmpty() || saved.contains(QLatin1Char('\n')))
            __builtin_trap();
    }
    (void)sources::AffixFile(path).readAffixes();
    return 0;
}
