#!/usr/bin/env bash
# Fails when a source file includes a header of a higher layer:
#   platform <- core <- present <- cards, menus, meta, story <- app
# (each folder may include its own layer and the ones below it; the four
# sibling folders may include each other's headers). Also fails when game
# code includes the test-only platform controls or an SDL header.
set -euo pipefail
cd "$(dirname "$0")/.."

rank() {
    case "$1" in
        platform) echo 0 ;;
        core) echo 1 ;;
        present) echo 2 ;;
        cards | menus | meta | story) echo 3 ;;
        app) echo 4 ;;
        *) echo -1 ;;
    esac
}
allowed() {
    case "$1" in
        platform) echo "platform" ;;
        core) echo "platform, core" ;;
        present) echo "platform, core, present" ;;
        cards | menus | meta | story) echo "platform, core, present, cards, menus, meta, story" ;;
        app) echo "every folder" ;;
    esac
}

bad=0
while IFS= read -r file; do
    layer=${file#src/}
    layer=${layer%%/*}
    own=$(rank "$layer")
    [ "$own" -ge 0 ] || continue
    while IFS=: read -r line inc; do
        target=${inc#*\"}
        target=${target%%\"*}
        folder=${target%%/*}
        [ "$folder" != "$target" ] || continue  # a header beside the file
        theirs=$(rank "$folder")
        [ "$theirs" -ge 0 ] || continue
        if [ "$theirs" -gt "$own" ]; then
            echo "$file:$line: includes $target, but $layer/ may include only $(allowed "$layer")"
            bad=1
        fi
        if [ "$target" = platform/control.h ] && [ "$layer" != platform ]; then
            echo "$file:$line: includes platform/control.h, which only tests and tools may include"
            bad=1
        fi
    done < <(grep -n '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file" | sed 's/^\([0-9]*\):/\1:/' || true)
    if [ "$layer" != platform ] && grep -nq '#[[:space:]]*include[[:space:]]*<SDL' "$file"; then
        echo "$file: includes an SDL header; only src/platform talks to SDL"
        bad=1
    fi
done < <(find src -name '*.cpp' -o -name '*.h' | sort)

if [ "$bad" -ne 0 ]; then
    echo "layercheck: backward includes found (see HACKING.md, the layer table)"
    exit 1
fi
echo "layercheck: every include points down the layers"
