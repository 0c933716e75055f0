#!/usr/bin/env bash
# Writes PNG pictures of the main window's pages, rendered offscreen, into the
# given folder: calendar and graph (all units and one), settings check pages
# 1-5 for variants A, B and C, the menu and the about picture.
#
#     bash scripts/screenshots.sh <out folder>
#
# Uses the binaries in $TEVARO_DEMO_BIN (default build/default) and builds
# nothing; the units come from scripts/make-demo-data.sh.
set -euo pipefail
out=${1:?usage: screenshots.sh <out folder>}
bin=${TEVARO_DEMO_BIN:-build/default}
here=$(cd "$(dirname "$0")" && pwd)
screens="$bin/tools/tevaro-screens"
if [ ! -x "$screens" ]; then
    echo "screenshots.sh: $screens not found (build the target tevaro-screens)" >&2
    exit 1
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bash "$here/make-demo-data.sh" "$work/demo.dat"
mkdir -p "$out"
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work" "$screens" "$out" "$work/demo.dat"
