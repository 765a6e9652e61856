#!/usr/bin/env bash
# Installs what is missing, builds and starts Quarrytide. Its files go to ~/.local/share/quarrytide,
# never into build/ (see "Where Quarrytide keeps its files" in README.md).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "$root/build"
exec "$root/build/src/app/quarrytide"
