#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer in
# build-fuzz/ and runs each for RUNS inputs (default one million), starting from its corpus in
# fuzz/corpus/. New inputs go to build-fuzz/found/; a crash leaves its input in build-fuzz/.
#   bash scripts/fuzz.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-1000000}"
bash scripts/setup-deps.sh tests
missing=()
for package in clang libclang-rt-14-dev; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    as_root=()
    [ "$(id -u)" -eq 0 ] || as_root=(sudo)
    "${as_root[@]}" apt-get update -qq
    "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANE_FUZZ=ON \
    -DORVANE_BUILD_TESTS=OFF -DORVANE_BUILD_BENCH=OFF >/dev/null
targets=(fuzz_search fuzz_colourtext fuzz_handover)
cmake --build build-fuzz --parallel "$(nproc)" --target "${targets[@]}"
export ASAN_OPTIONS="detect_leaks=0" UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
for target in "${targets[@]}"; do
    corpus="fuzz/corpus/${target#fuzz_}"
    found="build-fuzz/found/${target#fuzz_}"
    mkdir -p "$found"
    echo "== $target: $runs entradas / inputs"
    status=0
    "build-fuzz/fuzz/$target" "$found" "$corpus" -runs="$runs" -max_len=256 \
        -artifact_prefix="build-fuzz/$target-" -print_final_stats=1 > "build-fuzz/$target.log" 2>&1 || status=$?
    grep -E "^(Done|stat::number_of_executed_units|==[0-9]+== ERROR|SUMMARY)" "build-fuzz/$target.log" || true
    if [ "$status" -ne 0 ]; then
        echo "$target falhou / failed: see build-fuzz/$target.log"
        exit "$status"
    fi
done
