#!/bin/sh
# Follows the README in order: build only what its first command (scripts/run.sh) builds, then
# install, here into a staging folder, and check that the files arrived. The build folder's
# configuration is reused, but every file the install copies out of it is removed first, as a
# build folder that never built more than the first command builds would lack it; configuring again
# brings back what configuring makes, and the first command's build must make the rest.
# Usage: install_after_run.sh SOURCE_DIR BUILD_DIR
set -eu
source_dir=$1
build_dir=$(cd "$2" && pwd)

targets=$(sed -n 's|^bash scripts/build.sh ||p' "$source_dir/scripts/run.sh")
[ -n "$targets" ] || { echo "scripts/run.sh names no target to build"; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
find "$build_dir" -name cmake_install.cmake -exec awk '/^ *file\(INSTALL/ { copying = 1 }
                                                      copying { print }
                                                      /\)$/ { copying = 0 }' {} + |
    grep -o "\"$build_dir/[^\"]*\"" | tr -d '"' | sort -u > "$work/built-files"
[ -s "$work/built-files" ] || { echo "the install copies nothing from $build_dir"; exit 1; }
xargs rm -f < "$work/built-files"
cmake "$build_dir" > /dev/null
for target in $targets; do
    case $target in -*) continue ;; esac # build.sh's own options
    cmake --build "$build_dir" --target "$target" > /dev/null
done

cmake --install "$build_dir" --prefix "$work/stage" > /dev/null

id=org.example.Orvane
expected="bin/orvane share/applications/$id.desktop share/icons/hicolor/scalable/apps/$id.svg"
for size in 16 24 32 48 64 128 256; do
    expected="$expected share/icons/hicolor/${size}x${size}/apps/$id.png"
done
status=0
for file in $expected; do
    [ -s "$work/stage/$file" ] || { echo "not installed: $file"; status=1; }
done
exit $status
