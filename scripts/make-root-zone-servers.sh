#!/usr/bin/env bash
# Writes data/RootZoneServers.txt from a tab-separated list of the root zone's TLDs with their WHOIS
# servers and RDAP base URLs (columns tld, whois_server, rdap_base_url, type; first line a header), as
# compiled from IANA's records. Run it when a newer list is at hand:
#     scripts/make-root-zone-servers.sh ../shared/tld-servers.tsv
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source=${1:?usage: $0 tld-servers.tsv}
target=$root/data/RootZoneServers.txt
{
    cat <<'HEAD'
# Every top-level domain of the root zone with its registry's WHOIS server (port 43) and RDAP base URL,
# as IANA published them (root zone database and RDAP bootstrap registry for DNS) in April 2025.
# One TLD a line: tld|WHOIS server|RDAP base URL. An empty field: none published. IDN TLDs in their
# xn-- form. Lines that begin with # are notes.
#
# Compiled from the whoisserver-world data package (version 1.0.31, ISC licence: "Permission to use,
# copy, modify, and/or distribute this software for any purpose with or without fee is hereby granted,
# provided that the above copyright notice and this permission notice appear in all copies."), which
# collects these IANA records. Made by scripts/make-root-zone-servers.sh.
HEAD
    tail -n +2 "$source" | tr -d '\r' | LC_ALL=C sort -t "$(printf '\t')" -k1,1 |
        awk -F '\t' 'NF >= 3 && $1 != "" { print tolower($1) "|" tolower($2) "|" $3 }'
} >"$target.tmp"
mv "$target.tmp" "$target"
echo "wrote $(grep -vc '^#' "$target") TLDs to $target"
