#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs each target for SECONDS on a working
# copy of its seed corpus (build-fuzz/corpus/TARGET), at the lowest CPU
# priority. Names after SECONDS run only those targets. Fails on the first
# target that finds a crash, a leak or a hang; what it found is left in
# build-fuzz/findings/.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:-}
if ! [[ $seconds =~ ^[0-9]+$ ]]; then
    echo "usage: bash tools/fuzz.sh SECONDS [TARGET...]" >&2
    exit 2
fi
shift
build="$root/build-fuzz"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKVISTRA_FUZZ=ON -DKVISTRA_SANITIZE=ON -DBUILD_TESTING=OFF >/dev/null
targets=("$@")
if ((${#targets[@]} == 0)); then
    targets=(items split dates courseline numeric coursecheck runcheck write)
fi
nice -n 19 cmake --build "$build" -j2 --target "${targets[@]/#/fuzz_}"

mkdir -p "$build/findings"
for target in "${targets[@]}"; do
    corpus="$build/corpus/$target"
    mkdir -p "$corpus"
    echo "fuzz_$target: $seconds s"
    nice -n 19 "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -max_len=4096 -print_final_stats=1 -artifact_prefix="$build/findings/$target-" \
        "$corpus" "$root/fuzz/corpus/$target"
done
