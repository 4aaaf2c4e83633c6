#!/usr/bin/env bash
# Runs one fuzz target for a while:  fuzz/run.sh TARGET SECONDS [more libFuzzer options]
# Targets: fuzz_index, fuzz_font, fuzz_image, fuzz_journal, fuzz_recovery, fuzz_tga, fuzz_png,
# fuzz_archive, fuzz_manifest. Builds them with clang, ASan and UBSan in build-fuzz (or
# $TESSARY_FUZZ_BUILD). New inputs go to a work copy of the corpus; a finding is saved under the
# build folder's findings/ and makes the script fail. `fuzz/run.sh --build` only builds them all.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TESSARY_FUZZ_BUILD:-$root/build-fuzz}
configure() {
    [ -f "$build/CMakeCache.txt" ] ||
        cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
            -DTESSARY_CORE_ONLY=ON -DTESSARY_FUZZ=ON -DTESSARY_SANITIZE=ON >/dev/null
}
if [ "${1:-}" = --build ]; then
    configure
    exec cmake --build "$build" -j2
fi
if [ $# -lt 2 ]; then
    echo "usage: fuzz/run.sh TARGET SECONDS [libFuzzer options], or fuzz/run.sh --build" >&2
    exit 2
fi
target=$1
seconds=$2
shift 2

configure
cmake --build "$build" --target "$target" -j2 >/dev/null

work="$build/corpus-work/$target"
findings="$build/findings"
mkdir -p "$work" "$findings"
starting="$root/fuzz/corpus/$target"

"$build/bin/$target" "$work" "$starting" \
    -max_total_time="$seconds" -rss_limit_mb=512 -max_len=140000 -timeout=10 \
    -artifact_prefix="$findings/$target-" -print_final_stats=1 "$@"
