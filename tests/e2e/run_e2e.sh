#!/usr/bin/env bash
# Runs the end-to-end suite: the real dcsim in an X server of its own, on a
# session bus of its own (which starts the accessibility bus and its
# registry when they are first asked for), driven by e2e.py through AT-SPI.
# Every process started here is stopped again, whatever happens; the
# caller's display and buses are never used. The program is the build
# installed into a scratch prefix, started through its launcher from an
# empty folder, with a stand-in for xdg-open that notes what it is handed.
#
#   run_e2e.sh <build folder> <folder for the screenshots>
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
python=/usr/bin/python3 # Debian's Python: pyatspi, Xlib and PIL live there
say() { echo "run_e2e: $*" >&2; }

# Waits up to $1 seconds for the command after it to succeed.
wait_until() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -ge "$deadline" ] && return 1
        sleep 0.1
    done
}

[ $# -eq 2 ] || { echo "usage: $0 <build folder> <folder for the screenshots>" >&2; exit 2; }
build=$(realpath "$1") out=$(realpath -m "$2") started=$SECONDS
for tool in cmake Xvfb dbus-run-session /usr/libexec/at-spi-bus-launcher orca localedef; do
    command -v "$tool" >/dev/null || { say "$tool is missing; ./test.sh installs what the suite needs"; exit 1; }
done
"$python" -c 'import pyatspi, Xlib, PIL.ImageGrab' || { say "./test.sh installs what the suite needs"; exit 1; }
mkdir -p "$out"

# Nothing of the caller's desktop leaks in.
unset DISPLAY WAYLAND_DISPLAY XAUTHORITY DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS SESSION_MANAGER \
    QT_QPA_PLATFORM QT_ACCESSIBILITY QT_LINUX_ACCESSIBILITY_ALWAYS_ON NO_AT_BRIDGE LANGUAGE LC_MESSAGES
export LC_ALL=C.UTF-8 # numbers with a decimal point; the program speaks Russian, its texts intact
work=$(mktemp -d "${TMPDIR:-/tmp}/dcsim-e2e.XXXXXX")
mkdir -m 700 "$work/runtime" "$work/caller" "$work/opener"
export XDG_RUNTIME_DIR=$work/runtime
xvfb_pid="" session=""
# The session bus and everything started inside it form one process group:
# stopped politely, then for good after a few seconds.
group_left() { [ -n "$session" ] && pgrep -g "$session" >/dev/null; }
stop_all() {
    group_left && kill -TERM -- "-$session" 2>/dev/null
    wait_until 5 eval '! group_left' || kill -KILL -- "-$session" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid"
    rm -rf "$work"
}
trap stop_all EXIT
trap 'exit 130' INT TERM

# The build installed into a scratch prefix; first in PATH, a stand-in for
# xdg-open that notes the documents the program hands it.
cmake --install "$build" --prefix "$work/prefix" >"$work/install.log" 2>&1 ||
    { say "cmake --install $build failed"; cat "$work/install.log" >&2; exit 1; }
printf '#!/bin/sh\nprintf "%%s\\n" "$1" >>"%s"\n' "$work/opened" >"$work/opener/xdg-open"
chmod +x "$work/opener/xdg-open"
export PATH=$work/opener:$PATH

# Xvfb picks a free display and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
wait_until 20 grep -q '^[0-9]' "$work/display" || { say "Xvfb did not start"; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=:$(head -n1 "$work/display")
say "X server on $DISPLAY"

# setsid gives the session its own process group, so that nothing started
# inside it can outlive the suite. The suite keeps its own time; 150 s is the
# last resort, well before CTest's.
setsid dbus-run-session -- "$python" "$here/e2e.py" "$work/prefix/bin/dcsim" "$out" "$work" &
session=$!
wait_until 150 eval "! kill -0 $session 2>/dev/null" || { say "gave up after 150 s; stopping everything"; exit 1; }
wait "$session"
status=$?
# A clean run has stopped everything it started by now.
if ! wait_until 5 eval '! group_left'; then
    say "left running after the suite: $(pgrep -g "$session" -l | tr '\n' ' ')"
    [ "$status" -eq 0 ] && status=1
fi
say "finished with status $status after $((SECONDS - started)) s"
exit "$status"
