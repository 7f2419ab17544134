#!/usr/bin/env bash
# Starts the real game under Xvfb a few times and prints, as medians of the
# runs: the time from launch to the titled window and to its first frame, the
# resident memory on the menu and in a level (all of it, and the game's own
# heap and anonymous memory without the shared libraries' pages), and the CPU
# the whole process burns per second on the menu, the adventure map and a
# level.
# usage: bash scripts/perfcheck.sh [RUNS] [GAME]   (default 3, build/tidewrack)
# CPU is user + system time of every thread from /proc/PID/stat, so a loaded
# machine changes the wall time but hardly the figures.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-3}
game=$(readlink -f "${2:-build/tidewrack}")
probe=$(dirname "$game")/tools/firstframe/firstframe  # built where X11's headers are
[ -x "$game" ] || { echo "no game at $game (build it first)"; exit 1; }

if [ -z "${PERFCHECK_INNER:-}" ]; then
    # A private network namespace keeps the game's single-instance lock apart
    # from other runs on this machine; xvfb-run gives it a display of its own.
    exec env PERFCHECK_INNER=1 unshare -n xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$runs" "$game"
fi

hz=$(getconf CLK_TCK)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

cputicks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
# CPU of the whole process over N seconds, in percent of one core.
cpuover() {
    local pid=$1 secs=$2 a b
    a=$(cputicks "$pid")
    sleep "$secs"
    b=$(cputicks "$pid")
    echo $(( (b - a) * 100 / (hz * secs) ))
}
# Resident kB: every mapping, and only the anonymous ones (heap, stack,
# malloc arenas: what the game and its libraries allocated, not their code).
rsskb() { awk '/^VmRSS:/ {print $2}' "/proc/$1/status"; }
ownkb() {
    awk '/^[0-9a-f]+-[0-9a-f]+ / { anon = (NF < 6 || $6 ~ /^\[(heap|stack|anon)/) }
         /^Rss:/ { if (anon) s += $2 } END { print s + 0 }' "/proc/$1/smaps"
}
# The game's window is 800 x 600 showing the 1024 x 768 canvas.
click() {
    local wid=$1 x=$(( $2 * 800 / 1024 )) y=$(( $3 * 600 / 768 ))
    xdotool mousemove --window "$wid" "$x" "$y" sleep 0.1 click 1 >/dev/null 2>&1 || true
    sleep 0.1
}
msnow() { date +%s%3N; }
# Waits until the game's log holds LINE (a screen change), at most 60 s.
waitlog() {
    local i
    for i in $(seq 600); do grep -q "$2" "$1" && return 0; sleep 0.1; done
    return 1
}

median() { sort -n | awk '{a[NR] = $1} END {print (NR % 2) ? a[(NR + 1) / 2] : int((a[NR / 2] + a[NR / 2 + 1]) / 2)}'; }

for r in $(seq "$runs"); do
    home="$tmp/run$r"
    mkdir -p "$home"
    python3 tools/harness/scripts/map_player.py "$home" 6 >/dev/null
    log="$tmp/log$r"
    t0=$(msnow)
    (cd "$(dirname "$game")" && exec env XDG_DATA_HOME="$home" SDL_AUDIODRIVER=dummy "$game") >"$log" 2>&1 &
    pid=$!
    if [ -x "$probe" ]; then
        # To the millisecond: the window, then its first pixel that is not
        # black (the splash fades in, so this is its first, darkest frame).
        read -r tw tf < <("$probe" "Tidewrack-Solitaire" "$t0" || echo "20000 20000")
        echo "$tw" >>"$tmp/window"
        echo "$tf" >>"$tmp/frame"
        wid=$(xdotool search --pid "$pid" 2>/dev/null | tail -1 || true)
    else
        # Without the probe: the window's title polled with xwininfo, the
        # first frame with ImageMagick's import, which takes a tenth of a
        # second or more a look, so that figure comes late.
        until xwininfo -root -tree 2>/dev/null | grep -q '"Tidewrack-Solitaire"'; do
            [ $(( $(msnow) - t0 )) -lt 20000 ] || break
            sleep 0.005
        done
        echo $(( $(msnow) - t0 )) >>"$tmp/window"
        wid=$(xdotool search --pid "$pid" 2>/dev/null | tail -1 || true)
        until [ -n "$wid" ] && import -window "$wid" -depth 8 gray:- 2>/dev/null |
                python3 -c 'import sys; sys.exit(0 if any(sys.stdin.buffer.read()) else 1)'; do
            [ $(( $(msnow) - t0 )) -lt 20000 ] || break
            [ -n "$wid" ] || wid=$(xdotool search --pid "$pid" 2>/dev/null | tail -1 || true)
        done
        echo $(( $(msnow) - t0 )) >>"$tmp/frame"
    fi
    [ -n "$wid" ] || wid=$(xdotool search --sync --pid "$pid" 2>/dev/null | tail -1 || true)
    # The menu comes after the splash pages and the loading screen.
    sleep 22
    cpuover "$pid" 5 >>"$tmp/cpumenu"
    rsskb "$pid" >>"$tmp/rssmenu"
    ownkb "$pid" >>"$tmp/ownmenu"
    click "$wid" 512 550      # play: the continue question for the player
    sleep 0.8
    click "$wid" 594 520      # continue: the adventure map
    sleep 4
    cpuover "$pid" 5 >>"$tmp/cpumap"
    click "$wid" 512 738      # the map's play button: level 6
    sleep 8                   # the deal is over
    cpuover "$pid" 5 >>"$tmp/cpulevel"
    rsskb "$pid" >>"$tmp/rsslevel"
    ownkb "$pid" >>"$tmp/ownlevel"
    kill -TERM "$pid" 2>/dev/null || true  # it saves and ends at once
    wait "$pid" 2>/dev/null || true
    grep -q "^instgame" "$log" || echo "run $r: the level did not start (see the clicks above)" >&2
done

printf 'runs: %s, game: %s, first frame seen by %s\n' "$runs" "$game" "$([ -x "$probe" ] && echo firstframe || echo import)"
printf 'titled window after launch:   %6s ms\n' "$(median <"$tmp/window")"
printf 'first frame after launch:     %6s ms\n' "$(median <"$tmp/frame")"
printf 'resident, menu (all / own):   %6s / %s MB\n' "$(( $(median <"$tmp/rssmenu") / 1024 ))" "$(( $(median <"$tmp/ownmenu") / 1024 ))"
printf 'resident, level (all / own):  %6s / %s MB\n' "$(( $(median <"$tmp/rsslevel") / 1024 ))" "$(( $(median <"$tmp/ownlevel") / 1024 ))"
printf 'CPU, menu / map / level:      %6s / %s / %s %% of a core\n' "$(median <"$tmp/cpumenu")" "$(median <"$tmp/cpumap")" "$(median <"$tmp/cpulevel")"
