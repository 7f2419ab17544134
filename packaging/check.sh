#!/usr/bin/env bash
# The game as a desktop program: the menu entry and the metainfo validate; an
# install into a temporary prefix, started from another folder, finds its data
# there and reaches the main menu; the Debian package holds what it should and
# asks for the run-time libraries only.
# usage: packaging/check.sh BUILD_DIR   (built, configured with the /usr prefix)
# Writes the installed game's main menu to out/packaging/installed_menu.png.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(cd "$1" && pwd)
id=net.quillbarrow.TidewrackSolitaire
sizes=(16 32 48 64 128 256 512)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
tmp=$(realpath "$tmp")
mkdir -p out/packaging
fail() { echo "FAILED: $*" >&2; exit 1; }
# The game holds a per-user single-instance lock; a network namespace of its
# own keeps other running copies from blocking this one (where allowed).
iso=()
if unshare -n true 2>/dev/null; then iso=(unshare -n); fi

echo "-- desktop entry"
desktop-file-validate packaging/$id.desktop
echo "-- metainfo"
appstreamcli validate --no-net packaging/$id.metainfo.xml

# What an install puts under its prefix (the package puts the same under /usr).
expected=(
  bin/tidewrack
  share/applications/$id.desktop
  share/metainfo/$id.metainfo.xml
  share/man/man6/tidewrack.6.gz
  share/tidewrack/data/icon32.ico
  share/tidewrack/data/branding/splashconfig.txt
  share/tidewrack/data/texts/menutexts.txt
  share/tidewrack/data/levelz/001.lvl
  share/tidewrack/data/levelz/074.lvl
)
for px in "${sizes[@]}"; do expected+=("share/icons/hicolor/${px}x${px}/apps/$id.png"); done

echo "-- install into a temporary prefix"
prefix=$tmp/prefix
cmake --install "$build" --prefix "$prefix" >"$tmp/install.log"
for f in "${expected[@]}"; do [ -s "$prefix/$f" ] || fail "the install lacks $f"; done
[ ! -e "$prefix/share/tidewrack/data/desktopicons" ] || fail "the theme icons were copied into the data folder too"
for px in "${sizes[@]}"; do
  file "$prefix/share/icons/hicolor/${px}x${px}/apps/$id.png" | grep -q "PNG image data, $px x $px," ||
    fail "the ${px}x${px} icon is not a $px-pixel PNG"
done
# The menu entry names what was installed.
grep -qx "Exec=tidewrack" "$prefix/share/applications/$id.desktop" || fail "the menu entry does not start tidewrack"
grep -qx "Icon=$id" "$prefix/share/applications/$id.desktop" || fail "the menu entry's icon is not $id"
zcat "$prefix/share/man/man6/tidewrack.6.gz" | grep -q '^\.TH TIDEWRACK 6' || fail "the man page is not for section 6"

echo "-- the installed game, started from another folder"
mkdir -p "$tmp/elsewhere" "$tmp/home"
log=$tmp/game.log
# Under a virtual display, as from a desktop menu: the splash pages and the
# loading screen take about 18 seconds (minutes on a busy machine); the main
# menu's entry loads its background after the loading screen's. Its buttons
# slide in during the next seconds. A close request only opens the game's
# exit question, so the game is killed.
cat >"$tmp/run.sh" <<EOF
cd "$tmp/elsewhere"
"$prefix/bin/tidewrack" >"$log" 2>&1 &
pid=\$!
for i in \$(seq 1 600); do
  [ "\$(grep -c '^loadbg\$' "$log")" -ge 2 ] && break
  kill -0 \$pid 2>/dev/null || break
  sleep 0.5
done
sleep 8
if command -v import >/dev/null; then import -window root "$PWD/out/packaging/installed_menu.png"; fi
kill -KILL \$pid 2>/dev/null || true
wait \$pid 2>/dev/null || true
EOF
env -u DISPLAY XDG_DATA_HOME="$tmp/home" HOME="$tmp/home" SDL_AUDIODRIVER=dummy \
  "${iso[@]}" xvfb-run -a -s "-screen 0 1366x768x24" bash "$tmp/run.sh"
cp "$log" out/packaging/installed_game.log
grep -qx "Datapath: $prefix/share/tidewrack" "$log" || fail "the installed game did not take its data from $prefix/share/tidewrack (see out/packaging/installed_game.log)"
! grep -E "^missing text file|^font widths missing|^level file missing|^Musikfehler" "$log" || fail "the installed game missed some of its data"
[ "$(grep -c '^loadbg$' "$log")" -ge 2 ] || fail "the installed game did not reach the main menu"
[ -s "$tmp/home/quillbarrow/Tidewrack-Solitaire-v-0-0-24/settings.txt" ] || fail "no player's folder was made"

echo "-- Debian package"
rm -rf "$build/package"
(cd "$build" && cpack -G DEB >"$tmp/cpack.log") || { cat "$tmp/cpack.log"; fail "cpack"; }
deb=$(ls "$build"/package/tidewrack_*_*.deb)
dpkg -c "$deb" >"$tmp/contents"
for f in "${expected[@]}"; do
  grep -q " \./usr/$f\$" "$tmp/contents" || fail "the package lacks /usr/$f"
done
! grep -q "/data/desktopicons" "$tmp/contents" || fail "the package copies the theme icons into the data folder"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for lib in libsdl2-2.0-0 libsdl2-image-2.0-0 libsdl2-mixer-2.0-0; do
  grep -q "$lib" <<<"$depends" || fail "the package does not depend on $lib"
done
! grep -qE -- '-dev|cairo|gtest|benchmark|clang|xvfb' <<<"$depends" || fail "the package depends on build or test tools"
# The package installs under the prefix the build compiled in as the game's
# last-resort share folder.
configured=$(sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p' "$build/CMakeCache.txt")
[ "$configured" = /usr ] || fail "a distribution package is built with the /usr prefix, not $configured"
echo "package: $deb"
echo "-- packaging checks passed"
