#!/usr/bin/env bash
# Sets everything up, builds, and runs the main job: two simulated remote
# controllers are read with tevaro-cli on five evenings, then the month is
# shown, all against a data folder laid down here (the program creates none).
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
stop_sim() {
    if [ -n "$sim_pid" ]; then
        kill "$sim_pid" 2>/dev/null || true
        wait "$sim_pid" 2>/dev/null || true
        sim_pid=
    fi
}
trap 'stop_sim; rm -rf "$demo"' EXIT

mkdir -p -m 0700 "$demo/data/Morvane/aircon"
export TEVARO_DATA_DIR="$demo/data"
export TEVARO_SYSFS_ROOT="$demo/sim/sys" TEVARO_DEV_ROOT="$demo/sim/dev"
today=$(date +%Y%m%d)

# Each simulated remote controller reports one day of its log per read, as a
# nightly `tevaro-cli read` would collect them.
for back in 5 4 3 2 1; do
    "$bin/sim/tevaro-sim" --root "$demo/sim" \
        --unit "mac=0011223344556601,model=RAS-DEMO1,room=L,variant=B,date=$today,back=$back,bill=$((180 + back * 37)),use=$((30 + back * 4)),outdoor=$((8 + back))" \
        --unit "mac=0011223344556602,model=RAS-DEMO2,room=B,variant=C,date=$today,back=$back,bill=$((90 + back * 11)),use=$((12 + back)),outdoor=$((6 + back))" \
        >"$demo/sim.out" &
    sim_pid=$!
    for _ in $(seq 100); do
        grep -q '^ready ' "$demo/sim.out" && break
        sleep 0.1
    done
    grep -q '^ready ' "$demo/sim.out" || { echo "tevaro-sim did not start" >&2; exit 1; }
    echo "== tevaro-cli read ($back days ago) =="
    "$bin/cli/tevaro-cli" read
    stop_sim
done

yesterday=$(date -d yesterday +%Y%m%d)
echo "== tevaro-cli month ${yesterday:0:4} $((10#${yesterday:4:2})) =="
"$bin/cli/tevaro-cli" month "${yesterday:0:4}" "$((10#${yesterday:4:2}))"
