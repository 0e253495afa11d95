#!/usr/bin/env bash
# Builds the fuzz targets of tests/fuzz with clang and libFuzzer, then runs each for SECONDS
# (default 60), one after another; given TARGET names (such as scenario_file), only those. Exits
# non-zero when any target finds a fault: the input is left in build/fuzz/findings/TARGET/ (crash-*,
# leak-*, timeout-*, oom-*); once the fault is fixed it belongs in tests/fuzz/reproducers/TARGET/,
# which the test suite replays.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
all=(response_records usb_enumeration scenario_file language_file command_line)
targets=("${@:2}")
[ ${#targets[@]} -eq 0 ] && targets=("${all[@]}")
for name in "${targets[@]}"; do
    [[ " ${all[*]} " == *" $name "* ]] || seconds=invalid
done
if ! [[ "$seconds" =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: scripts/fuzz.sh [SECONDS [TARGET...]]; targets: ${all[*]}" >&2
    exit 2
fi
scripts/setup-deps.sh --fuzz

build=build/fuzz
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DORV_FUZZ=ON \
      "${launcher[@]}" >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target "${targets[@]/#/fuzz_}"

failed=()
for name in "${targets[@]}"; do
    # The working corpus grows in the build folder; the seeds and reproducers in the tree stay as they are.
    corpus="$build/corpus/$name"
    findings="$build/findings/$name"
    mkdir -p "$corpus" "$findings"
    inputs=("$corpus" "tests/fuzz/corpus/$name")
    [ -d "tests/fuzz/reproducers/$name" ] && inputs+=("tests/fuzz/reproducers/$name")
    dictionary=()
    [ -f "tests/fuzz/$name.dict" ] && dictionary=(-dict="tests/fuzz/$name.dict")
    echo "== fuzz_$name for $seconds s"
    if ! "$build/bin/fuzz_$name" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
            -artifact_prefix="$findings/" "${dictionary[@]}" "${inputs[@]}"; then
        failed+=("$name")
    fi
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "Findings in: ${failed[*]} (inputs in $build/findings/)" >&2
    exit 1
fi
echo "No findings in ${#targets[@]} targets, $seconds s each."
