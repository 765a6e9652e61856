#pragma once

#include <memory>

namespace app {

/// Runs the desktop program: application object, services, splash, main window, event loop.
int runDesktopProgram(int argc, char **argv);

} // namespace app
