#!/usr/bin/env bash
# Tries the README's two commands as a new user would, on a fresh minimal Debian system made for
# the purpose with debootstrap (variant minbase: nothing installed beyond apt):
#   sudo bash scripts/fresh-debian.sh bookworm|trixie
# A clean copy of the committed HEAD goes into the new system. The first command (scripts/run.sh)
# runs on a private Xvfb until the main window shows, and is then ended; the second
# (scripts/test.sh) must then pass every test, none skipped. Each step prints its time and how many
# packages it installed; one summary line ends the run.
#
# The downloaded .deb files are kept between runs in $ORVANE_FRESH_CACHE/SUITE (default
# /var/cache/orvane-fresh/SUITE), outside the system, which is still made and installed afresh.
# Everything runs in a private mount and process namespace: its mounts and processes end with it,
# on success, failure and Ctrl+C alike. The system and logs live in a temporary folder, kept only
# when a step fails.
set -euo pipefail
script=$(cd "$(dirname "$0")" && pwd)/$(basename "$0")
repo=$(cd "$(dirname "$0")/.." && pwd)
mirror=${ORVANE_DEBIAN_MIRROR:-http://deb.debian.org/debian}

say() { echo "[fresh-debian ${suite:-}] $*"; }
fail() { say "FALHOU / FAILED: $*"; exit 1; }
elapsed() { REPLY="$(( (EPOCHSECONDS - $1) / 60 ))m$(( (EPOCHSECONDS - $1) % 60 ))s"; }
# The processor time the run's processes used, user and system (this shell is the first process of
# its namespace, so every process of the run has been waited for by the time it asks).
cpu_used() {
    local total=0 part
    times >"$work/times"
    for part in $(tail -n 1 "$work/times"); do
        [[ $part =~ ^([0-9]+)m([0-9]+)\. ]] && total=$(( total + BASH_REMATCH[1] * 60 + 10#${BASH_REMATCH[2]} ))
    done
    REPLY="$(( total / 60 ))m$(( total % 60 ))s"
}
count_packages() { chroot "$root" dpkg-query -W -f='${Status}\n' | grep -c "install ok installed"; }

# ---------------------------------------------------------------------------------------------
# Inside the private namespaces (this script again, as their first process).
# ---------------------------------------------------------------------------------------------
inside() {
    suite=$1 work=$2
    root=$work/root logs=$work/logs
    trap 'exit 130' INT TERM
    local started=$EPOCHSECONDS
    # A /tmp of its own (the work folder is elsewhere): the X server started here writes its lock
    # file and socket there, and this process namespace cannot see the other servers' processes,
    # so it must not meet, and take for stale, the lock files of servers outside.
    mount -t tmpfs -o mode=1777 tmp /tmp
    # The new system's commands see only this environment, as a login shell of root would.
    in_system=(chroot "$root" /usr/bin/env -i HOME=/root TERM=dumb LANG=C.UTF-8
               PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin)

    say "debootstrap --variant=minbase $suite ($mirror)"
    local step=$EPOCHSECONDS attempt
    for attempt in 1 2; do
        # The system lives in memory: it is thrown away at the end, so the disk need not keep it,
        # and installing and building are not held up by every write reaching the disk.
        mountpoint -q "$root" && umount "$root"
        mkdir -p "$root"
        mount -t tmpfs -o size=10G,mode=755 system "$root"
        if debootstrap --variant=minbase --cache-dir="$cache/debootstrap" "$suite" "$root" "$mirror" \
            >"$logs/debootstrap.log" 2>&1; then
            break
        fi
        [ "$attempt" = 2 ] && { tail -n 20 "$logs/debootstrap.log"; fail "debootstrap failed twice (log: $logs/debootstrap.log)"; }
        say "debootstrap failed; trying once more"
        sleep 10
    done
    elapsed "$step"; local system_time=$REPLY
    local base_count; base_count=$(count_packages)
    say "sistema mínimo / minimal system: $base_count packages, $system_time"

    # What a booted system has and a chroot lacks; the .deb cache; a clean copy of the commit.
    mount -t proc proc "$root/proc"
    mount -t sysfs sys "$root/sys"
    mount -t tmpfs -o mode=755 dev "$root/dev"
    local node
    for node in null zero full random urandom tty; do
        touch "$root/dev/$node"; mount --bind "/dev/$node" "$root/dev/$node"
    done
    mkdir -p "$root/dev/pts" "$root/dev/shm"
    mount -t devpts -o newinstance,ptmxmode=0666 devpts "$root/dev/pts"
    ln -s pts/ptmx "$root/dev/ptmx"
    mount -t tmpfs -o mode=1777 shm "$root/dev/shm"
    mount --bind "$cache/apt" "$root/var/cache/apt/archives"
    echo 'Acquire::Retries "3";' >"$root/etc/apt/apt.conf.d/80retries"
    mkdir -p "$root/root/orvane"
    tar -x -C "$root/root/orvane" -f "$work/source.tar"

    # --- the first command, on a private X display, until the main window shows -----------------
    : >"$work/display"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$logs/xvfb.log" 2>&1 &
    local xvfb=$!
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
    [ -s "$work/display" ] || fail "Xvfb did not start (log: $logs/xvfb.log)"
    local display=":$(head -n1 "$work/display")"

    say "comando 1 / command 1: bash scripts/run.sh (display $display)"
    step=$EPOCHSECONDS
    "${in_system[@]}" DISPLAY="$display" bash /root/orvane/scripts/run.sh >"$logs/command1.log" 2>&1 &
    local program=$! shown=""
    while kill -0 "$program" 2>/dev/null; do
        shown=$(DISPLAY=$display xdotool search --onlyvisible --name '^ Orvane - ' 2>/dev/null || true)
        [ -n "$shown" ] && break
        sleep 1
    done
    if [ -z "$shown" ]; then
        wait "$program" && status=0 || status=$?
        tail -n 30 "$logs/command1.log"
        fail "command 1 ended (status $status) without showing the main window (log: $logs/command1.log)"
    fi
    elapsed "$step"; local run_time=$REPLY
    kill "$program"; wait "$program" || true
    kill "$xvfb"; wait "$xvfb" || true
    local run_count; run_count=$(count_packages)
    say "comando 1 / command 1: window shown after $run_time; $(( run_count - base_count )) packages installed"

    # --- the second command: every test passes, none skipped --------------------------------------
    say "comando 2 / command 2: bash scripts/test.sh"
    step=$EPOCHSECONDS
    local status=0
    "${in_system[@]}" bash /root/orvane/scripts/test.sh >"$logs/command2.log" 2>&1 || status=$?
    elapsed "$step"; local test_time=$REPLY
    local test_count; test_count=$(count_packages)
    local summary total failed skipped
    summary=$(grep -E "tests passed, [0-9]+ tests? failed out of [0-9]+" "$logs/command2.log" | tail -n1 || true)
    if [ -z "$summary" ]; then
        tail -n 30 "$logs/command2.log"
        fail "command 2 ended (status $status) before any test ran (log: $logs/command2.log)"
    fi
    total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$summary")
    failed=$(sed -E 's/.* ([0-9]+) tests? failed.*/\1/' <<<"$summary")
    skipped=$(grep -cE "^[[:space:]]*[0-9]+ - .*\((Skipped|Not Run|Disabled)\)" "$logs/command2.log" || true)
    local counts="$total tests: $(( total - failed - skipped )) passed, $failed failed, $skipped skipped"
    say "comando 2 / command 2: $counts, after $test_time; $(( test_count - run_count )) more packages installed"
    if [ "$status" -ne 0 ] || [ "$failed" -ne 0 ] || [ "$skipped" -ne 0 ]; then
        grep -E "^[[:space:]]*[0-9]+ - |\*\*\*(Failed|Timeout)|SKIP" "$logs/command2.log" | tail -n 20 || true
        fail "command 2 (status $status): $counts (log: $logs/command2.log)"
    fi
    elapsed "$started"; local total_time=$REPLY
    cpu_used
    say "RESULTADO / RESULT: ok: $suite minbase $base_count packages in $system_time;" \
        "command 1 +$(( run_count - base_count )) packages, window after $run_time;" \
        "command 2 +$(( test_count - run_count )) packages, $counts in $test_time;" \
        "total $total_time (processor time $REPLY)"
}

# ---------------------------------------------------------------------------------------------
# Outside: checks, the work folder, and the cleanup that runs however the run ends.
# ---------------------------------------------------------------------------------------------
if [ "${1:-}" = "--inside" ]; then
    cache=$4
    inside "$2" "$3"
    exit 0
fi
suite=${1:-}
case "$suite" in
    bookworm | trixie) ;;
    *) echo "usage: fresh-debian.sh bookworm|trixie" >&2; exit 2 ;;
esac
[ "$(id -u)" -eq 0 ] || { echo "fresh-debian.sh runs as root (debootstrap, chroot, mounts)" >&2; exit 2; }
host_tools=(debootstrap xvfb xdotool git wget)
has_host_tools() {
    local tool
    for tool in debootstrap unshare chroot Xvfb xdotool git wget; do
        command -v "$tool" >/dev/null || return 1
    done
}
# A machine that lacks the tools (a CI machine made anew) gets them here. The two releases' runs
# may start together: one installs while the other waits for the lock, then finds them there.
if ! has_host_tools; then
    say "installing what this check needs here: ${host_tools[*]}"
    (
        flock 9
        export DEBIAN_FRONTEND=noninteractive
        has_host_tools || { apt-get update -qq && apt-get install -y -qq --no-install-recommends "${host_tools[@]}"; }
    ) 9>/run/orvane-fresh-tools.lock >/dev/null 2>&1 || true
    has_host_tools || fail "could not install ${host_tools[*]} here"
fi
git -C "$repo" diff --quiet HEAD || say "note: uncommitted changes are not in the copy; it is HEAD $(git -C "$repo" rev-parse --short HEAD)"

# The archive answers, or the run says so (after one more try) instead of failing somewhere inside.
reachable() { wget -q -T 20 -t 1 -O /dev/null "$mirror/dists/$suite/InRelease"; }
if ! reachable; then
    say "the Debian archive did not answer; trying once more in 30 s"
    sleep 30
    reachable || fail "the Debian archive ($mirror/dists/$suite) cannot be reached: the fresh-system check cannot run"
fi

cache=${ORVANE_FRESH_CACHE:-/var/cache/orvane-fresh}/$suite
mkdir -p "$cache/debootstrap" "$cache/apt/partial"
# One run of a release at a time: two would share its cache, and apt locks the cache folder.
exec 9>"$cache/.lock"
if ! flock -n 9; then
    say "another fresh-debian.sh $suite run is using $cache; waiting for it to end"
    flock 9
fi
work=$(mktemp -d /var/tmp/orvane-fresh-$suite.XXXXXX) # not in /tmp: see inside()
mkdir "$work/logs"
# The committed source, taken before the run gets a /tmp of its own: the checkout may live there.
git -C "$repo" archive --format=tar -o "$work/source.tar" HEAD
child=""
cleanup() {
    local status=$?
    trap - EXIT INT TERM
    # The namespaces end with their first process, and with them every mount and process inside.
    if [ -n "$child" ] && kill -0 "$child" 2>/dev/null; then
        kill -TERM "$child" 2>/dev/null || true
        sleep 2
        kill -KILL "$child" 2>/dev/null || true
    fi
    wait 2>/dev/null || true
    # Anything still mounted under the folder (there should be nothing) goes, deepest first.
    local mounts
    mounts=$(awk -v prefix="$work/" 'index($2, prefix) == 1 { print $2 }' /proc/self/mounts | sort -r)
    for mount in $mounts; do umount -l "$mount" 2>/dev/null || true; done
    if [ "$status" -eq 0 ]; then
        rm -rf "$work"
    else
        rm -rf "$work/root"
        say "logs kept in $work/logs"
    fi
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM
unshare --mount --propagation private --pid --fork --mount-proc --kill-child \
    "$script" --inside "$suite" "$work" "$cache" 9>&- &
child=$!
wait "$child"
