#!/usr/bin/env bash
# Builds the tests with AddressSanitizer and UndefinedBehaviorSanitizer (the "sanitize" preset, in
# build-sanitize/) and runs them; any report fails the run.
#   scripts/sanitize.sh               every test
#   scripts/sanitize.sh --no-widgets  only the libraries without widgets: helper, model,
#                                     persistence and the device library
# Further arguments go to ctest (for example -R FileTransfer).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh"
cd "$root"
export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=true

build_targets=()
test_filter=()
if [ "${1:-}" = "--no-widgets" ]; then
  shift
  # The test programs labelled "core" (tests/CMakeLists.txt) and what they run against.
  build_targets=(--target test_helper test_model test_persistence test_vorna pelandrix_lang pelandrix_res)
  test_filter=(-L '^core$')
fi

# The same options for the test discovery at build time and for the runs.
supp="$root/scripts/sanitizers"
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:detect_stack_use_after_return=0"
export LSAN_OPTIONS="suppressions=$supp/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:suppressions=$supp/ubsan.supp"
export QT_QPA_PLATFORM=offscreen

if [ ! -f build-sanitize/build.ninja ]; then
  cmake --preset sanitize >/dev/null
fi
cmake --build --preset sanitize -j "$(nproc)" "${build_targets[@]}"
ctest --preset sanitize -j "$(nproc)" "${test_filter[@]}" "$@"
