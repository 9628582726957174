#!/usr/bin/env bash
# Compares the main window's pictures made by two builds, pixel for pixel, at 1x and at 2x:
#   bench/compare_pictures.sh BUILD_BEFORE BUILD_AFTER [OUTPUT_DIR]
# Each build's own snapshot program takes the same views and states (a plain view, a family view,
# the lattice view, the family headings, the symbols-only captions, selected elements); ImageMagick
# counts the differing pixels of every pair. Exits 0 only when every pair is identical.
set -euo pipefail

if [ $# -lt 2 ]; then
    echo "usage: $0 BUILD_BEFORE BUILD_AFTER [OUTPUT_DIR]" >&2
    exit 2
fi
before=$1
after=$2
out=${3:-$(mktemp -d /tmp/orvane-pictures.XXXXXX)}
command -v compare >/dev/null || { echo "ImageMagick's compare is missing" >&2; exit 2; }

# One state per line: a name, then the snapshot options and views.
states=(
    "views|Propriedades|Gases Nobres|Rede Cristalográfica"
    "families|--families|Propriedades|Gases Nobres"
    "symbols|--symbols|Propriedades|Rede Cristalográfica"
    "selected|--select|56|Propriedades"
    "selected-last|--symbols|--families|--select|118|Gases Nobres"
    "selected-first|--select|1|Rede Cristalográfica"
)

shoot() { # build scale state-name args...
    local build=$1 scale=$2 name=$3
    shift 3
    local dir="$out/$(basename "$build")-$scale-$name"
    mkdir -p "$dir"
    QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=$scale "$build/bench/snapshot" "$dir" "$@" >/dev/null
    echo "$dir"
}

failed=0
compared=0
for scale in 1 2; do
    for state in "${states[@]}"; do
        IFS='|' read -r -a fields <<<"$state"
        name=${fields[0]}
        args=("${fields[@]:1}")
        dirBefore=$(shoot "$before" "$scale" "before-$name" "${args[@]}")
        dirAfter=$(shoot "$after" "$scale" "after-$name" "${args[@]}")
        for picture in "$dirBefore"/*.png; do
            other="$dirAfter/$(basename "$picture")"
            if [ ! -f "$other" ]; then
                echo "MISSING $other"
                failed=1
                continue
            fi
            differing=$(compare -metric AE "$picture" "$other" "$dirAfter/diff-$(basename "$picture")" 2>&1 || true)
            compared=$((compared + 1))
            if [ "$differing" != "0" ]; then
                echo "DIFFERENT ${scale}x $name $(basename "$picture"): $differing pixels (diff in $dirAfter)"
                failed=1
            fi
        done
    done
done
[ "$compared" -gt 0 ] || { echo "no pictures were made" >&2; exit 1; }
if [ "$failed" -eq 0 ]; then
    echo "identical: $compared pictures (in $out)"
fi
exit "$failed"
