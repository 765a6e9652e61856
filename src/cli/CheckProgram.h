#pragma once

namespace cli {

/// quarrytide-check: parses the command line, runs the check and returns the exit status.
int runCheckProgram(int argc, char **argv);

} // namespace cli
