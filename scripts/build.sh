#!/usr/bin/env bash
# Configures Orvane in build/ (never in the source tree) and builds the given targets, or all of
# them (program, tests and benchmarks) when none is given.
set -euo pipefail
cd "$(dirname "$0")/.."
echo "Configurando / configuring (build/)"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
if [ $# -gt 0 ]; then
    targets=()
    for target in "$@"; do targets+=(--target "$target"); done
    echo "Compilando / building: $*"
    cmake --build build --parallel "$(nproc)" "${targets[@]}"
else
    echo "Compilando tudo / building everything"
    cmake --build build --parallel "$(nproc)"
fi
