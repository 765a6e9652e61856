// The command line's name stream, read from a file the way a list given on the command line is.
#include "FuzzInput.h"
#include "cli/NameStream.h"
#include "sources/ListFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const fuzzing::ScratchFile scratch("names");
    const QString &path = scratch.write(fuzzing::bytesOf(data, size));

    const qint64 counted = cli::NameStream::countEntries({path});
    cli::NameStream stream({path});
    if (!stream.checkInputs())
        __builtin_trap();
    qint64 read = 0;
    for (int n = 1;; ++n) {
        const QString entry = stream.readEntry(n);
        if (entry == sources::endMarker)
            break;
        if (entry.isEmpty() || entry.contains(QLatin1Char('\n')) || entry.contains(QLatin1Char('\r')))
            __builtin_trap();
        ++read;
    }
    if (stream.state() != cli::NameStream::State::Ended || read != counted)
        __builtin_trap();
    return 0;
}
