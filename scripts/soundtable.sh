#!/usr/bin/env bash
# Regenerates the table of sounds and music in docs/sounds.md: runs soundgen
# into a scratch folder and puts its table between the two table markers.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
gen="${1:-$root/build/tools/soundgen/soundgen}"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
"$gen" "$tmp/data" --table "$tmp/table.md"
python3 - "$root/docs/sounds.md" "$tmp/table.md" <<'PY'
import sys
doc, table = sys.argv[1], open(sys.argv[2]).read()
text = open(doc).read()
a, b = "<!-- table start -->\n", "<!-- table end -->"
i, j = text.index(a) + len(a), text.index(b)
open(doc, "w").write(text[:i] + table + text[j:])
PY
echo "docs/sounds.md: table updated"
