#!/usr/bin/env bash
# The real window as a screen reader sees it: tevaro on demo data under Xvfb,
# in a private session bus with the accessibility bus, read over AT-SPI by
# tests/app/atspi_tree.py (pyatspi), which prints the tree, checks the named
# controls and presses 「今月」 through its action.
#
#     bash scripts/run-atspi.sh [build dir] [tree file]
#
# The tree is also written to the tree file (default /tmp/access/tree.txt).
set -euo pipefail
cd "$(dirname "$0")/.."
bin=${1:-build/default}
tree=${2:-/tmp/access/tree.txt}
display=${TEVARO_ATSPI_DISPLAY:-:97}

bash scripts/setup.sh xvfb dbus-daemon at-spi2-core python3-pyatspi

work=$(mktemp -d)
xvfb_pid=
cleanup() {
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
export DISPLAY=$display
mkdir -p -m 0700 "$work/run" "$work/data/Morvane/aircon" "$(dirname "$tree")"
export XDG_RUNTIME_DIR=$work/run
export TEVARO_DATA_DIR=$work/data
bash scripts/make-demo-data.sh "$work/demo.dat"
"$bin/cli/tevaro-cli" import "$work/demo.dat" >/dev/null

# Inside the session: the accessibility bus, the program (Qt registers with
# the bus without asking the desktop settings), then the reader.
dbus-run-session -- bash -c '
    set -euo pipefail
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    launcher=$!
    sleep 1
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 "$1/app/tevaro" >"$3/tevaro.log" 2>&1 &
    app=$!
    status=0
    timeout 120 /usr/bin/python3 tests/app/atspi_tree.py "$2" || status=$?
    kill "$app" "$launcher" 2>/dev/null || true
    wait "$app" 2>/dev/null || true
    if [ "$status" -ne 0 ]; then cat "$3/tevaro.log" >&2; fi
    exit "$status"
' run-atspi "$bin" "$tree" "$work"
