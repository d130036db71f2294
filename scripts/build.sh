#!/usr/bin/env bash
# Configures and builds into build/ (or $SELCOMP_BUILD_DIR). Extra arguments go to cmake.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${SELCOMP_BUILD_DIR:-$top/build}
jobs=${SELCOMP_JOBS:-$(nproc)}
cmake -S "$top" -B "$build" -G Ninja "$@"
cmake --build "$build" -j "$jobs"
