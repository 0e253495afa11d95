#!/usr/bin/env bash
# Sets up, builds with sanitizers and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-deps.sh

build=build/test
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORV_SANITIZE=ON >/dev/null
cmake --build "$build" --parallel "$(nproc)"

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}:verify_asan_link_order=0"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)"
