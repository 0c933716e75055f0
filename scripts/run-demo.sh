#!/usr/bin/env bash
# Sets everything up, builds, and runs the main job.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset default
cmake --build --preset default
echo "Build complete; the demonstration arrives with the database tools."
