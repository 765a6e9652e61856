#!/usr/bin/env bash
# Fails when an #include or a library link runs from a lower floor to a higher one, or when a library
# includes a folder's headers without linking that folder's library.
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

# The project headers a file includes, in either spelling ("tld/TldFile.h" or <tld/TldFile.h>); angle
# includes of system headers (<sys/stat.h>) are not the project's.
project_includes() {
    sed -nE 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([a-z]+\/[^"]+)".*/\1/p' "$1"
    sed -nE 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*<([a-z]+\/[^>]+)>.*/\1/p' "$1" |
        while IFS= read -r included; do
            [ -n "${floor[${included%%/*}]:-}" ] && echo "$included"
        done
}

# The folder of a path as a library name: "tld/TldFile.h" is tld_core's, "tld/ui/WhoisWindow.h" tld_ui's.
library_of() {
    local path=$1 folder=${1%%/*}
    [[ $path == */ui/* ]] && echo "${folder}_ui" || echo "${folder}_core"
}

declare -A needs
while IFS= read -r file; do
    own=$(floor_of "$file")
    # The program's entry point starts the windows: it is the top of the house.
    [ "$file" = app/main.cpp ] && own=$(floor_of app/ui/main.cpp)
    [ "$own" -lt 0 ] && continue
    while IFS= read -r included; do
        other=$(floor_of "$included")
        [ "$other" -lt 0 ] && report "$file includes $included, which is in no known folder"
        [ "$other" -gt "$own" ] && report "$file includes $included from a higher floor"
        # A program's main.cpp belongs to the program, not to its folder's library.
        [[ $file == */main.cpp ]] || needs[$(library_of "$file")]+=" $(library_of "$included")"
    done < <(project_includes "$file")
done < <(find . -name '*.cpp' -o -name '*.h' | sed 's|^\./||' | sort)

# Libraries: <folder>_core and <folder>_ui link only libraries of their floor or below.
library_floor() {
    local name=$1 folder=${1%_*}
    [[ $name == *_ui ]] && folder=$folder/ui
    echo "${floor[$folder]:--1}"
}
declare -A links
while IFS= read -r line; do
    read -r -a words <<<"$line"
    target=${words[0]}
    own=$(library_floor "$target")
    [ "$own" -lt 0 ] && continue
    for lib in "${words[@]:1}"; do
        [[ $lib =~ ^[a-z]+_(core|ui)$ ]] || continue
        links[$target]+=" $lib "
        other=$(library_floor "$lib")
        [ "$other" -gt "$own" ] && report "$target links $lib from a higher floor"
    done
done < <(find . -name CMakeLists.txt -exec cat {} + | tr '\n' ' ' |
    grep -oE 'target_link_libraries\([^)]*\)' | sed -E 's/target_link_libraries\(//; s/\)//; s/\b(PUBLIC|PRIVATE|INTERFACE)\b//g')

# Each library links, itself, every library whose headers it includes: a header found only through
# another library's links breaks when that library stops linking it.
for target in "${!needs[@]}"; do
    for lib in $(tr ' ' '\n' <<<"${needs[$target]}" | sort -u); do
        [ "$lib" = "$target" ] && continue
        [[ ${links[$target]:-} == *" $lib "* ]] || report "$target includes headers of $lib without linking it"
    done
done

if [ "$failures" -gt 0 ]; then
    echo "floor check: $failures violation(s); the floors are listed in DEVELOPERS.md" >&2
    exit 1
fi
echo "floor check: every include and link respects the floors"
