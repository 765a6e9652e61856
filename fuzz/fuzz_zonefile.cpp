// The zone-file reader: the bytes as a zone file (plain or gzip) read through the streaming input and
// the master-file reader, whole and in two pieces; and the same bytes opened as a zone index.
#include "FuzzInput.h"
#include "zones/MasterFileReader.h"
#include "zones/ZoneIndex.h"
#include "zones/ZoneInput.h"

#include <string>
#include <vector>

namespace {

struct Labels : zones::DelegationSink {
    std::vector<std::string> seen;
    void delegated(std::string_view label) override
    {
        // A delegated name is one label: no dot, no escape, never empty.
        if (label.empty() || label.find_first_of(".\\") != std::string_view::npos)
            __builtin_trap();
        seen.emplace_back(label);
    }
};

struct Outcome {
    bool ok = false;
    std::string apex;
    std::vector<std::string> labels;
    bool operator==(const Outcome &) const = default;
};

Outcome readText(std::string_view text, size_t cut)
{
    Labels labels;
    zones::MasterFileReader reader(labels);
    const bool fed = reader.feed(text.substr(0, cut)) && reader.feed(text.substr(cut));
    const bool ok = fed && reader.finish();
    if (ok && !zones::isHostName(reader.apex()))
        __builtin_trap();
    return {ok, reader.apex(), labels.seen};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    // The text may come in pieces of any size: the reading must not depend on where they break.
    if (!(readText(text, size) == readText(text, size / 3)))
        __builtin_trap();

    static const fuzzing::ScratchFile scratch("zone");
    const QString &path = scratch.write(fuzzing::bytesOf(data, size));
    zones::ZoneInput input;
    if (input.open(path)) {
        Labels labels;
        zones::MasterFileReader reader(labels);
        std::string_view block;
        while (input.read(block) == zones::ZoneInput::Read::Text && reader.feed(block)) {
        }
        if (input.consumed() > input.size())
            __builtin_trap();
    }

    QString error;
    if (const auto index = zones::ZoneIndex::open(path, QString(), &error)) {
        for (quint64 hash : {quint64(0), ~quint64(0), quint64(0x8000000000000000ULL), zones::labelHash("example")})
            (void)index->containsHash(hash);
    }
    return 0;
}
