#!/bin/sh
# Follows the README in order: build only what its first command (scripts/run.sh) builds, then
# install, here into a staging folder, and check that every file arrived. The build folder's
# configuration is reused; what the build makes for the install alone is removed first, as a build
# folder that never built more than the program would lack it.
# Usage: install_after_run.sh SOURCE_DIR BUILD_DIR
set -eu
source_dir=$1
build_dir=$2

targets=$(sed -n 's|^bash scripts/build.sh ||p' "$source_dir/scripts/run.sh")
[ -n "$targets" ] || { echo "scripts/run.sh names no target to build"; exit 1; }
rm -rf "$build_dir/src/icons"
for target in $targets; do
    cmake --build "$build_dir" --target "$target" > /dev/null
done

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cmake --install "$build_dir" --prefix "$stage" > /dev/null

id=org.example.Orvane
expected="bin/orvane share/applications/$id.desktop share/metainfo/$id.metainfo.xml
          share/icons/hicolor/scalable/apps/$id.svg share/man/man1/orvane.1"
for size in 16 24 32 48 64 128 256; do
    expected="$expected share/icons/hicolor/${size}x${size}/apps/$id.png"
done
status=0
for file in $expected; do
    [ -s "$stage/$file" ] || { echo "not installed: $file"; status=1; }
done
exit $status
