// The page reader of the browse window and the harvester: every name it gives is one the domain rule
// takes as it stands, and a page read in small pieces gives what the whole page gives.
#include "FuzzInput.h"
#include "browse/FoundNames.h"
#include "browse/PageNameExtractor.h"
#include "platform/TextCodec.h"
#include "tld/DomainRule.h"

namespace {

QStringList namesOf(const QString &page, qsizetype pieceSize)
{
    browse::FoundNames session;
    browse::PageNameExtractor scanner(fuzzing::builtInMatcher(), session);
    for (qsizetype at = 0; at < page.size(); at += pieceSize)
        scanner.read(QStringView(page).mid(at, pieceSize));
    scanner.finish();
    QStringList names = scanner.pageFound().split(platform::crlf, Qt::SkipEmptyParts);
    names.sort();
    return names;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString page = platform::decodeText(fuzzing::bytesOf(data, size));
    const QStringList names = namesOf(page, std::max<qsizetype>(page.size(), 1));
    for (const QString &name : names) {
        const tld::EntryName read = tld::readEntry(name);
        if (!read.isDomain() || read.name != name || !read.listedSuffix)
            __builtin_trap();
    }
    if (namesOf(page, 7) != names)
        __builtin_trap();
    return 0;
}
