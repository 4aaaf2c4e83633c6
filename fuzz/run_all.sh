#!/usr/bin/env bash
# Runs every fuzz target within one budget:  fuzz/run_all.sh SECONDS
# A first round gives each target an equal share of a third of the budget; the rest goes to the
# targets by how many new inputs each still found in that round, since a target that has stopped
# finding anything new gains little from more time. Every target gets at least a few seconds of
# the second round, so that none is starved by one lucky round. Logs land in build-fuzz (or
# $TESSARY_FUZZ_BUILD); a finding makes the script fail with the end of its log.
set -euo pipefail
if [ $# -ne 1 ]; then
    echo "usage: fuzz/run_all.sh SECONDS" >&2
    exit 2
fi
budget=$1
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TESSARY_FUZZ_BUILD:-$root/build-fuzz}
targets=(fuzz_index fuzz_font fuzz_image fuzz_journal fuzz_recovery fuzz_tga fuzz_png fuzz_archive fuzz_manifest)
mkdir -p "$build"

# Builds every target before any clock runs, so that no target's time goes to compiling.
"$root/fuzz/run.sh" --build >"$build/build.log" 2>&1 || { tail -n 60 "$build/build.log"; exit 1; }

stat() { grep -E "^stat::$2:" "$1" | awk '{print $2}' | tail -n1; }

fuzz() {
    local target=$1 seconds=$2 round=$3
    local log="$build/$target.round$round.log"
    if ! "$root/fuzz/run.sh" "$target" "$seconds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $target found a fault" >&2
        exit 1
    fi
}

probe=$(( budget / 3 / ${#targets[@]} ))
[ "$probe" -ge 1 ] || probe=1
declare -A found
total_found=0
for target in "${targets[@]}"; do
    fuzz "$target" "$probe" 1
    found[$target]=$(stat "$build/$target.round1.log" new_units_added)
    found[$target]=${found[$target]:-0}
    total_found=$(( total_found + found[$target] ))
done

least=3
rest=$(( budget - probe * ${#targets[@]} - least * ${#targets[@]} ))
[ "$rest" -ge 0 ] || rest=0
for target in "${targets[@]}"; do
    if [ "$total_found" -eq 0 ]; then
        share=$(( least + rest / ${#targets[@]} ))
    else
        share=$(( least + rest * found[$target] / total_found ))
    fi
    fuzz "$target" "$share" 2
    runs=$(( $(stat "$build/$target.round1.log" number_of_executed_units) + $(stat "$build/$target.round2.log" number_of_executed_units) ))
    echo "$target: ${probe} s + ${share} s (${found[$target]} new inputs in the first round, $(stat "$build/$target.round2.log" new_units_added) in the second), $runs inputs, no finding"
done
