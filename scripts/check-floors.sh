#!/usr/bin/env bash
# Fails when an #include or a library link runs from a lower floor to a higher one.
#
# Floors, lowest first: the widget-free cores platform < tld < lookup < zones < sources < results <
# engine < browse < cli < app, then the windows (<folder>/ui) in the same order above every core. A file
# may use its own floor and the floors below it; a core never uses a window.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root/src"

folders=(platform tld lookup zones sources results engine browse cli app)
declare -A floor
for i in "${!folders[@]}"; do
    floor[${folders[$i]}]=$i
    floor[${folders[$i]}/ui]=$((i + ${#folders[@]}))
done

# The floor of a path such as "engine/QueryEngine.h" or "tld/ui/WhoisWindow.cpp".
floor_of() {
    local path=$1 folder=${1%%/*}
    [[ $path == */ui/* ]] && folder=$folder/ui
    echo "${floor[$folder]:--1}"
}

failures=0
report() {
    echo "floor check: $1" >&2
    failures=$((failures + 1))
}

while IFS= read -r file; do
    own=$(floor_of "$file")
    # The program's entry point starts the windows: it is the top of the house.
    [ "$file" = app/main.cpp ] && own=$(floor_of app/ui/main.cpp)
    [ "$own" -lt 0 ] && continue
    while IFS= read -r included; do
        other=$(floor_of "$included")
        [ "$other" -lt 0 ] && report "$file includes $included, which is in no known folder"
        [ "$other" -gt "$own" ] && report "$file includes $included from a higher floor"
    done < <(sed -nE 's/^#include "([a-z]+\/[^"]+)"/\1/p' "$file")
done < <(find . -name '*.cpp' -o -name '*.h' | sed 's|^\./||' | sort)

# Libraries: <folder>_core and <folder>_ui link only libraries of their floor or below.
library_floor() {
    local name=$1 folder=${1%_*}
    [[ $name == *_ui ]] && folder=$folder/ui
    echo "${floor[$folder]:--1}"
}
while IFS= read -r line; do
    read -r -a words <<<"$line"
    target=${words[0]}
    own=$(library_floor "$target")
    [ "$own" -lt 0 ] && continue
    for lib in "${words[@]:1}"; do
        [[ $lib =~ ^[a-z]+_(core|ui)$ ]] || continue
        other=$(library_floor "$lib")
        [ "$other" -gt "$own" ] && report "$target links $lib from a higher floor"
    done
done < <(find . -name CMakeLists.txt -exec cat {} + | tr '\n' ' ' |
    grep -oE 'target_link_libraries\([^)]*\)' | sed -E 's/target_link_libraries\(//; s/\)//; s/\b(PUBLIC|PRIVATE|INTERFACE)\b//g')

if [ "$failures" -gt 0 ]; then
    echo "floor check: $failures violation(s); the floors are listed in DEVELOPERS.md" >&2
    exit 1
fi
echo "floor check: every include and link respects the floors"
