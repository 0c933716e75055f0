#!/usr/bin/env bash
# `tevaro-cli read --notify` on a private session bus whose notification
# server is a stand-in (StandInNotificationServer.py), against a remote
# controller of tevaro-sim: exactly one notification, from 「テヴァロ」 with
# the program's icon, saying what was read. Without a bus nothing is shown
# and the read still succeeds.
#
# usage: ReadNotifyTest.sh <tevaro-cli> <tevaro-sim> <stand-in server> <python3>
# Exit status 77 (skipped) when the programs are not built, as in a build
# folder that built only some tests (the ThreadSanitizer run).
set -euo pipefail
cli=$1 sim=$2 server=$3 python=$4
for program in "$cli" "$sim"; do
    if [ ! -x "$program" ]; then
        echo "ReadNotifyTest: $program is not built" >&2
        exit 77
    fi
done

if [ -z "${TEVARO_NOTIFY_TEST_BUS:-}" ]; then
    exec dbus-run-session -- env TEVARO_NOTIFY_TEST_BUS=1 bash "$0" "$@"
fi

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "ReadNotifyTest: $*" >&2
    exit 1
}

# Waits until the background program writing to $1 printed "$2" (10 s at most).
wait_for_line() {
    for _ in $(seq 100); do
        grep -qx "$2" "$1" 2>/dev/null && return 0
        sleep 0.1
    done
    fail "no '$2' in $1: $(cat "$1" 2>/dev/null)"
}

mkdir -p "$work/data/Morvane/aircon" "$work/run"
chmod 0700 "$work/run"
export TEVARO_DATA_DIR=$work/data XDG_RUNTIME_DIR=$work/run
export TEVARO_SYSFS_ROOT=$work/sim/sys TEVARO_DEV_ROOT=$work/sim/dev

yesterday=$(date -d yesterday +%Y%m%d)
"$sim" --root "$work/sim" \
    --unit "mac=0011223344556671,model=RAS-NOTIFY,room=L,variant=A,date=$yesterday,back=1,bill=321" \
    >"$work/sim.out" </dev/null &
pids+=($!)
wait_for_line "$work/sim.out" "ready $work/sim/sys $work/sim/dev"

# No bus at all: nothing to show it to, and the read is still done.
DBUS_SESSION_BUS_ADDRESS=unix:path=$work/no-bus "$cli" read --notify >"$work/first.out" ||
    fail "read without a bus ended with $?"
grep -q "^0	0011223344556671	" "$work/first.out" || fail "not read: $(cat "$work/first.out")"

"$python" "$server" "$work/notices" >"$work/server.out" 2>&1 &
pids+=($!)
wait_for_line "$work/server.out" ready

"$cli" read --notify >"$work/second.out" || fail "read ended with $?"
[ -f "$work/notices" ] || fail "no notification"
cat "$work/notices"
"$python" - "$work/notices" <<'CHECK'
import json
import sys

calls = [json.loads(line) for line in open(sys.argv[1], encoding="utf-8")]
assert len(calls) == 1, calls
call = calls[0]
assert call["app_name"] == "テヴァロ", call
assert call["app_icon"] == "io.github.tevaro.Tevaro", call
assert call["hints"].get("desktop-entry") == "io.github.tevaro.Tevaro", call
assert call["summary"] == "リモコンを読み込みました", call
assert call["body"].startswith("1台のエアコンから1日分を読み込みました。今月 "), call
CHECK
