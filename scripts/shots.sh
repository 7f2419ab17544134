#!/usr/bin/env bash
# Plays the harness scripts and writes their frames to out/shots/WIDTH/.
# usage: bash scripts/shots.sh [WIDTH...]   (default: 1024 1280 1366)
set -euo pipefail
cd "$(dirname "$0")/.."
h=build/tools/harness/twharness
s=tools/harness/scripts
widths=("$@")
[ ${#widths[@]} -gt 0 ] || widths=(1024 1280 1366)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
log=out/shots/log
mkdir -p "$log"

run() {  # width name script [maxlevel for a prepared player]
    local w=$1 name=$2 script=$3 level=${4:-}
    local user="$tmp/$name-$w"
    rm -rf "$user"
    [ -z "$level" ] || python3 $s/map_player.py "$user" "$level"
    echo "== $name at $w"
    $h --width "$w" --userdir "$user" "$script" >"$log/$name-$w.txt" 2>&1 || { echo "   failed, see $log/$name-$w.txt"; return 1; }
}

for w in "${widths[@]}"; do
    mkdir -p out/shots/$w
    run $w journey $s/journey_newplayer.txt
    run $w lost $s/level_lost.txt 6
    run $w resume $s/level_menu_resume.txt 6
    run $w popups $s/popups_menus.txt 6
    for n in 17 18 24 40 75; do
        sed "s/%N/$n/g" $s/map_pages_all.txt >"$tmp/map$n.txt"
        run $w map$n "$tmp/map$n.txt" $n
    done
done
echo "frames in out/shots/, logs in $log/"
