// The page scanner of the browse window and the link-text helpers it shares with the harvester.
#include "FuzzInput.h"
#include "browse/FoundNames.h"
#include "browse/PageNameExtractor.h"
#include "platform/TextCodec.h"
#include "sources/LinkText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString page = platform::decodeText(fuzzing::bytesOf(data, size));

    const QStringList lines = browse::preparePageLines(page, fuzzing::builtInMatcher());
    browse::FoundNames session;
    browse::PageNameExtractor scanner(fuzzing::builtInMatcher(), session);
    for (qsizetype index = 0; index < lines.size();) {
        const qsizetype next = scanner.scanLine(lines, index);
        if (next <= index)
            __builtin_trap(); // a scan that does not move on never ends
        index = next;
    }
    for (const QString &name : scanner.pageFound().split(platform::crlf, Qt::SkipEmptyParts)) {
        if (!fuzzing::builtInMatcher().containsEnabledTld(name))
            __builtin_trap();
    }

    (void)sources::breakAtLinks(page, true);
    const QString head = page.left(512);
    (void)sources::isExcludedLink(head);
    (void)sources::linkHost(head);
    (void)sources::textAfterFirst(head, QLatin1Char('/'));
    QString cut = head;
    sources::cutAfterFirst(cut, QLatin1Char('.'));
    sources::removeFirst(cut, QStringLiteral("www."));
    return 0;
}
