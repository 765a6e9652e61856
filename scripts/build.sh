#!/usr/bin/env bash
# Configures and builds Quarrytide in build/ (or $1) with the dev preset's choices. Extra arguments go
# to CMake.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${1:-$root/build}
shift || true
cmake --preset dev -S "$root" -B "$build_dir" "$@"
cmake --build "$build_dir" --parallel 2
