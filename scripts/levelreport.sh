#!/usr/bin/env bash
# Builds the game's data and the solver, plays every level without boosters
# and writes the level report: docs/levels.md (the table) and
# docs/levels-winrate.svg (win rate along the 74 levels).
#   scripts/levelreport.sh [GAMES]     (default 200 games per level)
set -euo pipefail
cd "$(dirname "$0")/.."
GAMES="${1:-200}"
BUILD="${BUILD:-build}"

[ -f "$BUILD/build.ninja" ] || cmake -S . -B "$BUILD" -G Ninja >/dev/null
ninja -C "$BUILD" -j2 twsolver twdata >/dev/null

table="$(mktemp)"
trap 'rm -f "$table"' EXIT
"$BUILD/tools/solver/twsolver" --all --games "$GAMES" --data "$BUILD" --svg docs/levels-winrate.svg >"$table"

{
cat <<'HEAD'
# The 74 levels

Written by `scripts/levelreport.sh`; run it again after changing a level
source in `assets/levels/` (each source opens with a note on the level's idea).

## How the levels are built

- Layouts lie in the 1024 x 768 field on the 16-pixel deal grid, between the
  top bars (card tops from y 80) and the stable and open card (card bottoms
  at most y 560), x 16..1008. Stacks never lie over each other.
- Fish swim in open water above or beside the table. The boss levels 16, 17,
  32..34, 52..54 and 72..74 keep the table low (card tops from y 256) so the
  boss has the water above it.
- Features come one at a time: helpers (level 2), oil and the sponge (3),
  stars (4: many small stacks), fish orders (5), shells and the light (6),
  the fishslap card (7), plants and the antiplant (8), pearls (9), the marker
  (10), fixed values in a single stack (11), fish with two orders (12),
  face-down cards (15), fish with three orders (20); from then on they mix.
- Every obstacle has its tool in another stack, lying free or near the top.

## How the numbers are made

Each level is played by the solver (`build/tools/solver/twsolver --all`)
with the engine's own deal, rules and stable, seeds 1..N, without boosters
(no shop extras, helpers or bought stable). The player sees every face-up
card, plans the best run before each move, holds a tool until the cards under
its obstacle are free and draws only when no run is left. "Wanted" is the win
rate chosen for the level's place in the curve: nearly always on the
tutorial levels, then harder page by page, each boss a step harder than its
page and the level after a boss a breather. "3 stars" is the share of games
won with 500 points or more (stars at 325, 400 and 500 points). Level 1 is
played as a new player meets it, the tutorial dealing the six first; level 11
(a single stack) has too few stacks for the third star.

![Win rate along the levels](levels-winrate.svg)

HEAD
cat "$table"
} > docs/levels.md
echo "wrote docs/levels.md and docs/levels-winrate.svg ($GAMES games per level)"
