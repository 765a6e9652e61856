#pragma once

namespace platform {

/// Settles what the embedded web browser needs before the application object exists: its sandbox
/// cannot run for the root user, so it is switched off there.
void prepareEmbeddedBrowser();

} // namespace platform
