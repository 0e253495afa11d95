#!/usr/bin/env bash
# Sets up, builds (Release) and starts the program; on the simulated interface unless --hardware is given,
# with the USB and engine trace on standard error when --trace is given.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-deps.sh

hardware=false
trace=()
for argument in "$@"; do
    case "$argument" in
        --hardware) hardware=true ;;
        --trace) trace=(--trace) ;;
        *) echo "usage: scripts/run.sh [--hardware] [--trace]" >&2; exit 64 ;;
    esac
done

build=build/release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target orv-rdm-controller orv-rdm-cli

if $hardware; then
    unset RB604_SIMULATOR
else
    export RB604_SIMULATOR="${RB604_SIMULATOR:-demo}"
fi
# The translations and the icon file sit next to the executable; the program reads them
# from its working directory.
cd "$build/bin"
exec ./orv-rdm-controller "${trace[@]}"
