#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up as the display server sees it: the time from starting a program to the first drawing
# into its first top-level window (the first DAMAGE event the server reports on it), and the
# program's resident memory at that moment. The program is stopped then.
#   bench/first_frame_x.py PROGRAM [ARGS...]    (needs DISPLAY, without a window manager, and
#                                                Debian's python3-xlib)
# Prints "first frame 41.2 ms, resident 31624 KiB".
import select
import signal
import subprocess
import sys
import time

from Xlib import X, display
from Xlib.ext import damage


def resident_kib(pid):
    try:
        with open(f"/proc/{pid}/status") as status:
            for line in status:
                if line.startswith("VmRSS:"):
                    return int(line.split()[1])
    except OSError:
        pass
    return -1


def main():
    if len(sys.argv) < 2:
        print("usage: first_frame_x.py PROGRAM [ARGS...]", file=sys.stderr)
        return 2
    screen = display.Display()
    if not screen.has_extension("DAMAGE"):
        print("the display has no DAMAGE extension", file=sys.stderr)
        return 2
    screen.damage_query_version()
    root = screen.screen().root
    root.change_attributes(event_mask=X.SubstructureNotifyMask)
    screen.sync()

    started = time.monotonic()
    program = subprocess.Popen(sys.argv[1:], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    watched = {}
    result = None
    deadline = started + 20
    while result is None and time.monotonic() < deadline:
        if not screen.pending_events():
            if program.poll() is not None and not watched:
                break
            # Sleep until the server writes, so that this watcher takes no processor time from
            # the program it times.
            select.select([screen.fileno()], [], [], 0.05)
            continue
        event = screen.next_event()
        if event.type == X.CreateNotify and event.parent == root and event.window.id not in watched:
            # Every top-level window the program makes: its first drawing is the first frame.
            watched[event.window.id] = event.window.damage_create(damage.DamageReportNonEmpty)
            screen.sync()
        elif event.type == screen.extension_event.DamageNotify and event.drawable.id in watched:
            result = (time.monotonic() - started) * 1000, resident_kib(program.pid)
    if program.poll() is None:
        program.send_signal(signal.SIGTERM)
    try:
        program.wait(timeout=10)
    except subprocess.TimeoutExpired:
        program.kill()
        program.wait()
    if result is None:
        print("no frame was drawn", file=sys.stderr)
        return 1
    print(f"first frame {result[0]:.1f} ms, resident {result[1]} KiB")
    return 0


if __name__ == "__main__":
    sys.exit(main())
