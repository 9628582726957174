#!/bin/sh
# Runs a command on a fresh virtual X display under the openbox window manager, started before the
# command so that every window the command shows is framed; exits with the command's exit code.
# Usage: under_window_manager.sh COMMAND [ARGUMENT...]   (no spaces in them)
set -eu
self=$(cd "$(dirname "$0")" && pwd)/$(basename "$0")
if [ "${1:-}" = "--managed" ]; then
    # openbox runs this once it manages the display, from a folder of its own choosing.
    shift
    cd "$ORVANE_WM_FOLDER"
    status=0
    "$@" || status=$?
    echo "$status" > "$ORVANE_WM_STATUS"
    exec openbox --exit
fi
if [ -z "${ORVANE_WM_DISPLAY:-}" ]; then
    exec env ORVANE_WM_DISPLAY=1 xvfb-run -a -s "-screen 0 1366x768x24" "$self" "$@"
fi
ORVANE_WM_STATUS=$(mktemp)
ORVANE_WM_FOLDER=$PWD
export ORVANE_WM_STATUS ORVANE_WM_FOLDER
echo 1 > "$ORVANE_WM_STATUS"
openbox --sm-disable --startup "$self --managed $*" 2>/dev/null
status=$(cat "$ORVANE_WM_STATUS")
rm -f "$ORVANE_WM_STATUS"
exit "$status"
