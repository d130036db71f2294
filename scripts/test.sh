#!/usr/bin/env bash
# Install what is missing, build, run every test; then the same suite under the sanitizers.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
build=${SELCOMP_BUILD_DIR:-$top/build}
SELCOMP_BUILD_DIR=$build "$top/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"

if [ "${SELCOMP_SKIP_SANITIZE:-0}" != "1" ]; then
  san=${build}-sanitize
  SELCOMP_BUILD_DIR=$san "$top/scripts/build.sh" -DSELCOMP_SANITIZE=ON -DSELCOMP_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
  export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  ctest --test-dir "$san" --output-on-failure -j "$(nproc)"
fi
