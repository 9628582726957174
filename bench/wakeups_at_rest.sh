#!/usr/bin/env bash
# Wake-ups at rest: how often the program, left alone with its window open, is woken up, beside the
# floor (a bare Qt window showing one line of text). Counts the context switches of every thread of
# each process (/proc/PID/task/*/status) over the same stretch of time, after both have settled.
#   bench/wakeups_at_rest.sh [BUILD_DIR] [SECONDS] [PROGRAM]   (needs a display: xvfb-run -a)
# PROGRAM defaults to BUILD_DIR/src/orvane; give another build's to compare.
set -euo pipefail
build=${1:-build}
seconds=${2:-20}
program=${3:-$build/src/orvane}
runtime=$(mktemp -d) # a private runtime folder: no other running copy takes the hand-over
floor=""; main=""
trap 'kill $floor $main 2>/dev/null || true; rm -rf "$runtime"' EXIT

switches() { # all threads of a process: voluntary + involuntary context switches
  cat /proc/"$1"/task/*/status 2>/dev/null | awk '/^(non)?voluntary_ctxt_switches/ {n += $2} END {print n + 0}'
}

"$build/bench/bench_startup" text 0 rest >/dev/null 2>&1 &
floor=$!
XDG_RUNTIME_DIR=$runtime "$program" >/dev/null 2>&1 &
main=$!
sleep 3 # both windows shown and start-up work done
floor0=$(switches $floor); main0=$(switches $main)
sleep "$seconds"
floor1=$(switches $floor); main1=$(switches $main)
kill -0 $floor && kill -0 $main # both still running: the figures are theirs
awk -v s="$seconds" -v f=$((floor1 - floor0)) -v m=$((main1 - main0)) 'BEGIN {
  printf "over %d s at rest: floor %d wake-ups (%.2f/s)   program %d wake-ups (%.2f/s)\n", s, f, f / s, m, m / s }'
