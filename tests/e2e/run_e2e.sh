#!/usr/bin/env bash
# Runs the end-to-end suite: the real dcsim in an X server of its own, on a
# session bus and an accessibility bus of its own, driven by e2e.py through
# AT-SPI. Every process started here is stopped again, whatever happens; the
# caller's display and buses are never used. The program is the build
# installed into a scratch prefix, started through its launcher from an
# empty folder, with a stand-in for xdg-open that notes what it is handed.
#
#   run_e2e.sh <build folder> <folder for the screenshots>
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
python=/usr/bin/python3 # Debian's Python: pyatspi, Xlib and PIL live there
launcher=/usr/libexec/at-spi-bus-launcher

say() { echo "run_e2e: $*" >&2; }

# Waits up to $1 seconds for the command after it to succeed; gives up at
# once when it answers 2 (what it waits for cannot happen any more).
wait_until() {
    local seconds=$1 status
    shift
    local deadline=$((SECONDS + seconds))
    while :; do
        "$@"
        status=$?
        [ "$status" -eq 0 ] && return 0
        [ "$status" -eq 2 ] && return 1
        [ "$SECONDS" -ge "$deadline" ] && return 1
        sleep 0.1
    done
}

# Stops a process we started: politely, then for good after a few seconds.
stop() {
    local pid=$1
    [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null || return 0
    kill -TERM "$pid" 2>/dev/null
    wait_until 5 eval "! kill -0 $pid 2>/dev/null" || kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    return 0
}

# ---------------------------------------------------------------------------
# Second stage, inside dbus-run-session: the accessibility bus, then the suite.
if [ "${1:-}" = "--inside-bus" ]; then
    dcsim=$2 out=$3 work=$4
    launcher_pid="" registry_pid=""
    cleanup_inner() {
        # The suite stops dcsim itself; this is for a suite that died.
        [ -s "$work/dcsim.pid" ] && stop "$(cat "$work/dcsim.pid")"
        stop "$registry_pid"
        # The launcher takes its bus daemon with it.
        stop "$launcher_pid"
    }
    trap cleanup_inner EXIT
    trap 'exit 130' INT TERM

    "$launcher" --launch-immediately >"$work/at-spi-bus-launcher.log" 2>&1 &
    launcher_pid=$!

    has_owner() {
        kill -0 "$launcher_pid" 2>/dev/null || return 2
        dbus-send --session --print-reply=literal --reply-timeout=2000 --dest=org.freedesktop.DBus \
            /org/freedesktop/DBus org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null |
            grep -q true
    }
    if ! wait_until 20 has_owner; then
        if kill -0 "$launcher_pid" 2>/dev/null; then
            say "the accessibility bus did not start: at-spi-bus-launcher never took the name org.a11y.Bus"
        else
            say "the accessibility bus did not start: at-spi-bus-launcher exited"
        fi
        cat "$work/at-spi-bus-launcher.log" >&2
        exit 1
    fi
    a11y_address=$(dbus-send --session --print-reply=literal --reply-timeout=5000 --dest=org.a11y.Bus \
        /org/a11y/bus org.a11y.Bus.GetAddress 2>/dev/null | tr -d ' ')
    if [ -z "$a11y_address" ]; then
        say "the accessibility bus did not start: org.a11y.Bus gave no address"
        exit 1
    fi
    # The registry starts on first use; asking it for its name proves that
    # assistive technology can reach applications.
    if ! dbus-send --bus="$a11y_address" --print-reply --reply-timeout=20000 \
        --dest=org.a11y.atspi.Registry /org/a11y/atspi/accessible/root \
        org.freedesktop.DBus.Properties.Get string:org.a11y.atspi.Accessible string:Name >/dev/null; then
        say "the AT-SPI registry did not answer on the accessibility bus $a11y_address"
        exit 1
    fi
    registry_pid=$(dbus-send --bus="$a11y_address" --print-reply=literal --dest=org.freedesktop.DBus \
        /org/freedesktop/DBus org.freedesktop.DBus.GetConnectionUnixProcessID string:org.a11y.atspi.Registry |
        awk '{print $2}')

    "$python" "$here/e2e.py" --dcsim "$dcsim" --out "$out" --pidfile "$work/dcsim.pid" \
        --caller "$work/caller" --opened "$work/opened" --orca "$work/orca"
    exit $?
fi

# ---------------------------------------------------------------------------
# First stage: check the tools, start the X server, then the session bus.
if [ $# -ne 2 ]; then
    echo "usage: $0 <build folder> <folder for the screenshots>" >&2
    exit 2
fi
build=$(realpath "$1")
out=$(realpath -m "$2")
started=$SECONDS

missing=()
for tool in cmake Xvfb dbus-run-session dbus-send "$launcher" "$python" orca speech-dispatcher localedef; do
    command -v "$tool" >/dev/null || missing+=("$tool")
done
if [ ${#missing[@]} -eq 0 ] && ! "$python" -c 'import pyatspi, Xlib, PIL.ImageGrab' 2>/dev/null; then
    missing+=("python3-pyatspi, python3-xlib or python3-pil for $python")
fi
if [ ${#missing[@]} -gt 0 ]; then
    say "missing: ${missing[*]}; ./test.sh installs what the end-to-end suite needs"
    exit 1
fi
mkdir -p "$out"

# Nothing of the caller's desktop leaks in.
unset DISPLAY WAYLAND_DISPLAY XAUTHORITY DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS SESSION_MANAGER \
    QT_QPA_PLATFORM QT_ACCESSIBILITY QT_LINUX_ACCESSIBILITY_ALWAYS_ON NO_AT_BRIDGE
export LC_ALL=C.UTF-8 # numbers with a decimal point, Russian texts intact
work=$(mktemp -d "${TMPDIR:-/tmp}/dcsim-e2e.XXXXXX")
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime

xvfb_pid=""
session=""
# The session bus and everything started inside it form one process group.
group_left() { pgrep -g "$session" >/dev/null; }
stop_group() {
    [ -n "$session" ] && group_left || return 0
    kill -TERM -- "-$session" 2>/dev/null
    wait_until 5 eval '! group_left' || kill -KILL -- "-$session" 2>/dev/null
    return 0
}
cleanup() {
    stop_group
    stop "$xvfb_pid"
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# The build installed into a scratch prefix; an empty folder to start its
# launcher from; first in PATH, a stand-in for xdg-open that notes the
# documents the program hands it.
cmake --install "$build" --prefix "$work/prefix" >"$work/install.log" 2>&1 ||
    { say "cmake --install $build failed"; cat "$work/install.log" >&2; exit 1; }
dcsim=$work/prefix/bin/dcsim
mkdir "$work/caller" "$work/opener"
cat >"$work/opener/xdg-open" <<EOF
#!/bin/sh
printf '%s\n' "\$1" >>"$work/opened"
EOF
chmod +x "$work/opener/xdg-open"
export PATH=$work/opener:$PATH

# Xvfb picks a free display and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
display_ready() {
    kill -0 "$xvfb_pid" 2>/dev/null || return 2
    grep -q '^[0-9]' "$work/display" 2>/dev/null
}
if ! wait_until 20 display_ready; then
    say "Xvfb did not start"
    cat "$work/xvfb.log" >&2
    exit 1
fi
export DISPLAY=:$(head -n1 "$work/display")
say "X server on $DISPLAY"

# setsid gives the session its own process group, so that nothing started
# inside it can outlive the suite.
setsid dbus-run-session -- "$0" --inside-bus "$dcsim" "$out" "$work" &
session=$!
# The suite keeps its own time; this is the last resort, well before CTest's.
deadline=$((SECONDS + 150))
while kill -0 "$session" 2>/dev/null && [ "$SECONDS" -lt "$deadline" ]; do
    sleep 0.2
done
if kill -0 "$session" 2>/dev/null; then
    say "gave up after 150 s; stopping everything"
    exit 1
fi
wait "$session"
status=$?
# A clean run has stopped everything it started by now.
if ! wait_until 5 eval '! group_left'; then
    say "left running after the suite: $(pgrep -g "$session" -l | tr '\n' ' ')"
    [ "$status" -eq 0 ] && status=1
fi
say "finished with status $status after $((SECONDS - started)) s"
exit "$status"
