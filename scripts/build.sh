#!/usr/bin/env bash
# Installs what is missing, configures and builds with Ninja on every core.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh"
cd "$root"
# Compiler cache entries are keyed on paths relative to the checkout, so any clone reuses them.
export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=true
if [ ! -f build/build.ninja ]; then
  cmake --preset default >/dev/null
fi
cmake --build --preset default -j "$(nproc)"
