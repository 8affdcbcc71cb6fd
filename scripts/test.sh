#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test in parallel.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/build.sh"
cd "$root"
export QT_QPA_PLATFORM=offscreen
ctest --preset default -j "$(( $(nproc) * 2 ))" "$@"
