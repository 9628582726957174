#!/bin/sh
# Runs a command on a fresh virtual X display under the openbox window manager, started before the
# command so that every window the command shows is framed; exits with the command's exit code.
# Usage: under_window_manager.sh COMMAND [ARGUMENT...]   (no spaces in them)
set -eu
if [ "${1:-}" = "--managed" ]; then
    # openbox runs this once it manages the display.
    shift
    status=0
    "$@" || status=$?
    echo "$status" > "$ORVANE_WM_STATUS"
    exec openbox --exit
fi
if [ -z "${DISPLAY_READY:-}" ]; then
    exec env DISPLAY_READY=1 xvfb-run -a -s "-screen 0 1366x768x24" "$0" "$@"
fi
ORVANE_WM_STATUS=$(mktemp)
export ORVANE_WM_STATUS
echo 1 > "$ORVANE_WM_STATUS"
openbox --sm-disable --startup "$0 --managed $*" 2>/dev/null
status=$(cat "$ORVANE_WM_STATUS")
rm -f "$ORVANE_WM_STATUS"
exit "$status"
