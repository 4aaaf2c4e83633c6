#!/usr/bin/env bash
# Runs one fuzz target for a while:  fuzz/run.sh TARGET SECONDS [more libFuzzer options]
# Targets: fuzz_index, fuzz_font, fuzz_image, fuzz_journal, fuzz_recovery, fuzz_tga, fuzz_png,
# fuzz_archive, fuzz_manifest. Builds them with clang, ASan and UBSan in build-fuzz (or
# $TESSARY_FUZZ_BUILD). New inputs go to a work copy of the corpus; a finding is saved under the
# build folder's findings/ and makes the script fail.
set -euo pipefail
if [ $# -lt 2 ]; then
    echo "usage: fuzz/run.sh TARGET SECONDS [libFuzzer options]" >&2
    exit 2
fi
target=$1
seconds=$2
shift 2
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TESSARY_FUZZ_BUILD:-$root/build-fuzz}

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
        -DTESSARY_CORE_ONLY=ON -DTESSARY_FUZZ=ON -DTESSARY_SANITIZE=ON >/dev/null
fi
cmake --build "$build" --target "$target" -j2 >/dev/null

work="$build/corpus-work/$target"
findings="$build/findings"
mkdir -p "$work" "$findings"
starting="$root/fuzz/corpus/$target"

"$build/bin/$target" "$work" "$starting" \
    -max_total_time="$seconds" -rss_limit_mb=512 -max_len=140000 -timeout=10 \
    -artifact_prefix="$findings/$target-" -print_final_stats=1 "$@"
