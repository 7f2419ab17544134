#!/usr/bin/env bash
# Plays the screenshots of the metainfo with the harness, at 1366 x 768, into
# OUTDIR under the names the metainfo gives them.
# usage: packaging/screenshots.sh HARNESS OUTDIR
set -euo pipefail
cd "$(dirname "$0")/.."
harness=$1
out=$2
mkdir -p "$out"
out=$(cd "$out" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
# The game holds a per-user single-instance lock; a network namespace of its
# own keeps other running copies from blocking this one (where allowed).
iso=()
if unshare -n true 2>/dev/null; then iso=(unshare -n); fi

play() {  # name script [maxlevel of a prepared player]
    local name=$1 script=$2 level=${3:-}
    mkdir -p "$tmp/$name"
    [ -z "$level" ] || python3 tools/harness/scripts/map_player.py "$tmp/$name" "$level"
    sed "s#%o#$out#g" "$script" >"$tmp/$name.txt"
    "${iso[@]}" "$harness" --width 1366 --userdir "$tmp/$name" "$tmp/$name.txt" >"$out/$name.log" 2>&1 ||
        { echo "harness failed, see $out/$name.log" >&2; exit 1; }
}

play newplayer packaging/screenshots_newplayer.txt
play map packaging/screenshots_map.txt 18

# Every screenshot the metainfo names must have been made.
for url in $(grep -o 'https://[^<]*/screenshots/[^<]*\.png' packaging/*.metainfo.xml); do
    f="$out/$(basename "$url")"
    [ -s "$f" ] || { echo "missing screenshot $f" >&2; exit 1; }
done
echo "screenshots in $out"
