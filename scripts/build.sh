#!/usr/bin/env bash
# Configures Orvane in build/ (never in the source tree) and builds it:
#   build.sh [TARGET...]             the given targets, or everything (program, tests, benchmarks)
#   build.sh --program [TARGET...]   configured without tests and benchmarks, so that the tools only
#                                    the tests need may be missing (what run.sh builds)
set -euo pipefail
cd "$(dirname "$0")/.."
with_tests=ON
targets=()
if [ "${1:-}" = "--program" ]; then
    with_tests=OFF
    shift
fi
for target in "$@"; do targets+=(--target "$target"); done
mkdir -p build
echo "Configurando / configuring (build/)"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DORVANE_BUILD_TESTS=$with_tests -DORVANE_BUILD_BENCH=$with_tests >build/configure.log 2>&1 \
    || { cat build/configure.log; exit 1; }
# What the configuration left out, and why (an optional tool that is not installed).
grep "^-- Left out" build/configure.log || true
echo "Compilando / building: ${targets[*]:-everything}"
cmake --build build --parallel "$(nproc)" "${targets[@]}"
