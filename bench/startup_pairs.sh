#!/usr/bin/env bash
# Start-up of the main window beside the floor (a bare Qt window showing one line of text): the time
# from launch (before the program is loaded) and from main() to the first frame, and the resident
# memory then. The two run in turn, pair by pair, so that a drift of the machine's speed touches
# both alike. Prints each figure's median and the median of the per-pair ratios.
# With Debian's python3-xlib it also times the installed-like program itself, as the display server
# sees it (bench/first_frame_x.py: start to the first drawing into the window), against the floor.
#   bench/startup_pairs.sh [BUILD_DIR] [PAIRS]      (needs a display without a window manager:
#                                                    xvfb-run)
set -euo pipefail
build=${1:-build}
pairs=${2:-15}
bench="$build/bench/bench_startup"
median() { sort -n | awk '{v[NR]=$1} END {print (NR % 2) ? v[(NR+1)/2] : (v[NR/2] + v[NR/2+1]) / 2}'; }
# The display server and the kernel are still tidying up after a process for a few hundred
# milliseconds; a program started meanwhile takes up to 40 ms longer to connect. Each run starts
# on a quiet machine.
settle() { sleep 0.5; }
run() { ORVANE_BENCH_LAUNCHED=$EPOCHREALTIME "$bench" "$1" 0 2>/dev/null; }
xside=$(dirname "$0")/first_frame_x.py
/usr/bin/python3 -c 'import Xlib.ext.damage' 2>/dev/null || xside=
# One figure of the floor's and the program's last output, as "floor main": both '$4'
both() { echo "$(awk "{print $1}" <<<"$floor") $(awk "{print $1}" <<<"$main")"; }
frames=() ; launches=() ; rss=() ; server=() ; serverRss=()
for ((i = 0; i < pairs; i++)); do
  settle
  floor=$(run text)
  settle
  main=$(run main)
  frames+=("$(both '$4')")
  launches+=("$(both '$(NF-1)')")
  rss+=("$(both '$7')")
  if [ -n "$xside" ]; then
    settle
    floor=$("$xside" "$bench" text 0)
    settle
    main=$("$xside" "$build/src/orvane")
    server+=("$(both '$3')")
    serverRss+=("$(both '$6')")
  fi
done
report() { # label, unit, then "floor main" pairs
  local label=$1 unit=$2; shift 2
  local f m r
  f=$(printf '%s\n' "$@" | awk '{print $1}' | median)
  m=$(printf '%s\n' "$@" | awk '{print $2}' | median)
  r=$(printf '%s\n' "$@" | awk '{printf "%.3f\n", $2 / $1}' | median)
  printf '%-12s floor %8s %s   main %8s %s   main/floor (median of pairs) %s\n' "$label" "$f" "$unit" "$m" "$unit" "$r"
}
echo "$pairs pairs"
report "from launch" ms "${launches[@]}"
report "from main()" ms "${frames[@]}"
report "resident" KiB "${rss[@]}"
if [ -n "$xside" ]; then
  echo "the program itself, as the display server sees it:"
  report "from launch" ms "${server[@]}"
  report "resident" KiB "${serverRss[@]}"
fi
