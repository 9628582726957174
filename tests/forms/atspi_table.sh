#!/usr/bin/env bash
# Runs atspi_table.py against the real program on a private X server and D-Bus session bus:
#   atspi_table.sh PROGRAM
# Exits 77 (skipped) with a message where the tools for that are missing.
set -u

program=$1
here=$(cd "$(dirname "$0")" && pwd)
launcher=/usr/libexec/at-spi-bus-launcher
python=/usr/bin/python3
skip() {
    echo "SKIP: $1"
    exit 77
}
[ -x "$python" ] && "$python" -c "import pyatspi" 2>/dev/null || skip "$python has no pyatspi (python3-pyatspi)"
command -v xvfb-run >/dev/null || skip "xvfb-run is missing (xvfb)"
command -v dbus-run-session >/dev/null || skip "dbus-run-session is missing (dbus)"
[ -x "$launcher" ] || skip "$launcher is missing (at-spi2-core)"

# -noreset: an X server resets when its last client leaves, and a connection made meanwhile fails.
# The accessibility bus launcher and the client library each open the display briefly to publish
# or read the bus address; one of them leaving just as the program connects left the program
# with no display (and the client waiting for it in vain), more often the busier the machine.
if [ "${1:-}" != "--inside" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" dbus-run-session -- "$0" --inside "$program"
fi

# Inside the private bus: the accessibility bus, the program with its bridge on, then the client.
program=$2
"$launcher" --launch-immediately &
bus=$!
# The X server, not offscreen: the accessibility bridge comes with the X platform.
env -u QT_QPA_PLATFORM QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 "$program" &
app=$!
"$python" "$here/atspi_table.py"
status=$?
kill "$app" "$bus" 2>/dev/null
wait "$app" "$bus" 2>/dev/null
exit "$status"
