#!/usr/bin/env bash
# Runs chosen tests many times while every core is kept busy, to find the ones that fail by chance.
#   repeat-under-load.sh [N] [TEST-REGEX]
# N (default 30) runs of the tests whose CTest names match TEST-REGEX (default: the tests that
# start processes, servers or timers). Each core runs a busy loop at normal priority meanwhile.
# Prints, per test, how many runs passed, and the output of every failed run under build/repeat/.
# For people, not for CI: it takes minutes. Build first (scripts/build.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-30}
pattern=${2:-'tst_keysandwindows|tst_startup|tst_singleinstance|tst_localsocket|tst_atspi_table|tst_waylandsession|tst_placement|tst_soak|install_after_run'}
[ -d build ] || { echo "build/ is missing: run scripts/build.sh first" >&2; exit 2; }
mapfile -t tests < <(cd build && ctest -N -R "$pattern" | sed -n 's/^ *Test *#[0-9]*: //p')
[ ${#tests[@]} -gt 0 ] || { echo "no test matches: $pattern" >&2; exit 2; }

busy=()
stop_busy() { [ ${#busy[@]} -eq 0 ] || kill "${busy[@]}" 2>/dev/null || true; }
trap stop_busy EXIT
for _ in $(seq "$(nproc)"); do
    (while :; do :; done) &
    busy+=($!)
done

mkdir -p build/repeat
status=0
for test in "${tests[@]}"; do
    passed=0
    for run in $(seq "$runs"); do
        log=build/repeat/$test.$run.log
        if (cd build && QT_QPA_PLATFORM=offscreen ctest -R "^${test}\$" --output-on-failure >"../$log" 2>&1); then
            passed=$((passed + 1))
            rm -f "$log"
        fi
    done
    printf '%-28s %d of %d under load\n' "$test" "$passed" "$runs"
    [ "$passed" -eq "$runs" ] || status=1
done
exit "$status"
