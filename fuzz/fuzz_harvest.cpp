// The harvester's extraction of names from a search result page.
#include "FuzzInput.h"
#include "platform/TextCodec.h"
#include "sources/HarvestExtractor.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString page = platform::decodeText(fuzzing::bytesOf(data, size));
    sources::HarvestExtractor extractor(fuzzing::builtInMatcher());
    const int fresh = extractor.extractFromPage(page);
    if (fresh < 0 || fresh != extractor.uniqueCount())
        __builtin_trap();
    // The same page again brings nothing new.
    if (extractor.extractFromPage(page) != 0)
        __builtin_trap();
    const QStringList kept = extractor.finishedList().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    if (kept.size() > fresh)
        __builtin_trap();
    return 0;
}
