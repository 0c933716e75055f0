#!/usr/bin/env bash
# Sets everything up, builds, and runs the main job, in a data folder laid
# down here (the program creates none) and removed afterwards.
#
# With a display ($DISPLAY or $WAYLAND_DISPLAY): about three months of use of
# two air conditioners are imported from a generated data-duplication file,
# the same two units are plugged in as simulated remote controllers, and the
# desktop program starts on that display; it reads today's record at start-up.
# The job ends when the program is closed.
#
# Without a display: the two simulated remote controllers are read with
# tevaro-cli on five evenings, the month is shown, and screenshots of the main
# pages are written to $TEVARO_DEMO_SHOTS (default build/demo-screenshots).
#
# TEVARO_DEMO_BIN=<build folder> skips setup and build and uses those
# binaries; TEVARO_DEMO_CLI=1 runs the command-line job even with a display.
set -euo pipefail
cd "$(dirname "$0")/.."
bin=${TEVARO_DEMO_BIN:-build/default}
if [ -z "${TEVARO_DEMO_BIN:-}" ]; then
    bash scripts/setup.sh
    cmake --preset default
    cmake --build --preset default
fi

demo=$(mktemp -d "${TMPDIR:-/tmp}/tevaro-demo.XXXXXX")
sim_pid=
app_pid=
stop_sim() {
    if [ -n "$sim_pid" ]; then
        kill "$sim_pid" 2>/dev/null || true
        wait "$sim_pid" 2>/dev/null || true
        sim_pid=
    fi
}
# The program closes on SIGTERM as on its close button; it is waited for so
# its database is closed before the folder goes.
stop_app() {
    if [ -n "$app_pid" ]; then
        kill "$app_pid" 2>/dev/null || true
        wait "$app_pid" 2>/dev/null || true
        app_pid=
    fi
}
trap 'stop_app; stop_sim; rm -rf "$demo"' EXIT
trap 'exit 130' INT
trap 'exit 143' TERM HUP

mkdir -p -m 0700 "$demo/data/Morvane/aircon"
export TEVARO_DATA_DIR="$demo/data"
export TEVARO_SYSFS_ROOT="$demo/sim/sys" TEVARO_DEV_ROOT="$demo/sim/dev"
today=$(date +%Y%m%d)

# Plugs in the two demo units, reporting the day `back` days before today.
start_sim() {
    local back=$1 bill1=$2 use1=$3 out1=$4 bill2=$5 use2=$6 out2=$7
    "$bin/sim/tevaro-sim" --root "$demo/sim" \
        --unit "mac=0011223344556601,model=RAS-DEMO1,room=L,variant=B,date=$today,back=$back,bill=$bill1,use=$use1,outdoor=$out1" \
        --unit "mac=0011223344556602,model=RAS-DEMO2,room=B,variant=C,date=$today,back=$back,bill=$bill2,use=$use2,outdoor=$out2" \
        >"$demo/sim.out" &
    sim_pid=$!
    for _ in $(seq 100); do
        grep -q '^ready ' "$demo/sim.out" && return 0
        sleep 0.1
    done
    echo "tevaro-sim did not start" >&2
    exit 1
}

if [ -z "${TEVARO_DEMO_CLI:-}" ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
    if [ ! -x "$bin/app/tevaro" ]; then
        echo "$bin/app/tevaro is missing (built with TEVARO_BUILD_GUI=ON?)" >&2
        exit 1
    fi
    echo "== demo data: about 90 days of two air conditioners, ending yesterday =="
    bash scripts/make-demo-data.sh "$demo/demo.dat"
    result=$("$bin/cli/tevaro-cli" import "$demo/demo.dat")
    echo "tevaro-cli import: $result"
    [ "$result" = "result 0" ] || { echo "the demo data were not imported" >&2; exit 1; }
    "$bin/cli/tevaro-cli" units

    # Today's record comes from the remote controllers, read at start-up.
    start_sim 0 150 24 9 80 10 8

    # A runtime folder of the demo's own keeps its single-instance socket
    # apart from a copy the user may have open. Wayland's socket stays
    # reachable by its full path.
    if [ -n "${WAYLAND_DISPLAY:-}" ] && [ "${WAYLAND_DISPLAY#/}" = "$WAYLAND_DISPLAY" ]; then
        export WAYLAND_DISPLAY="${XDG_RUNTIME_DIR:-/run/user/$(id -u)}/$WAYLAND_DISPLAY"
    fi
    mkdir -m 0700 "$demo/runtime"
    export XDG_RUNTIME_DIR="$demo/runtime"

    echo "== $bin/app/tevaro (close its window to end the demo) =="
    "$bin/app/tevaro" &
    app_pid=$!
    status=0
    wait "$app_pid" || status=$?
    app_pid=
    echo "tevaro closed ($status)"
    # Still two units: the read at start-up matched the imported ones.
    "$bin/cli/tevaro-cli" units
    exit "$status"
fi

# Each simulated remote controller reports one day of its log per read, as a
# nightly `tevaro-cli read` would collect them.
for back in 5 4 3 2 1; do
    start_sim "$back" $((180 + back * 37)) $((30 + back * 4)) $((8 + back)) \
        $((90 + back * 11)) $((12 + back)) $((6 + back))
    echo "== tevaro-cli read ($back days ago) =="
    "$bin/cli/tevaro-cli" read
    stop_sim
done

yesterday=$(date -d yesterday +%Y%m%d)
echo "== tevaro-cli month ${yesterday:0:4} $((10#${yesterday:4:2})) =="
"$bin/cli/tevaro-cli" month "${yesterday:0:4}" "$((10#${yesterday:4:2}))"

shots=${TEVARO_DEMO_SHOTS:-build/demo-screenshots}
if [ -f scripts/screenshots.sh ]; then
    echo "== screenshots of the main pages into $shots =="
    mkdir -p "$shots"
    # The pictures are a bonus to the command-line job: a display server
    # that cannot start here is reported, not a failure of the job.
    if timeout "${TEVARO_DEMO_SHOT_SECONDS:-20}" bash scripts/screenshots.sh "$shots"; then
        echo "screenshots: $(cd "$shots" && pwd)"
    else
        echo "note: screenshots were not written (scripts/screenshots.sh failed or took too long)"
    fi
else
    echo "note: no screenshots (scripts/screenshots.sh is not there yet)"
fi
