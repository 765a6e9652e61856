#pragma once

#include <QString>

namespace cli {

struct CheckOptions;

/// quarrytide-check --import-zone FILE: indexes the zone file into the zones folder of @p dataFolder,
/// straight through, with progress on a terminal; the outcome goes to standard output, a failure to
/// standard error. True when the index is in place.
bool importZone(const CheckOptions &options, const QString &dataFolder);

} // namespace cli
