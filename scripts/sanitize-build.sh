#!/usr/bin/env bash
# Configures build-sanitize/ with AddressSanitizer and UndefinedBehaviorSanitizer and builds the
# given targets (every target when none is given). Shared by the sanitized test run and the
# random-input run so both use one build.
set -euo pipefail
cd "$(dirname "$0")/.."
echo "Compilando com sanitizadores / building with sanitizers (build-sanitize/)"
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DORVANE_BUILD_BENCH=OFF \
    -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
targets=()
for target in "$@"; do targets+=(--target "$target"); done
cmake --build build-sanitize --parallel "$(nproc)" "${targets[@]}"
