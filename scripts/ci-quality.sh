#!/usr/bin/env bash
# The quality pass: the whole test suite once more under AddressSanitizer and
# UndefinedBehaviorSanitizer, then every libFuzzer target for a bounded time.
#
#   scripts/ci-quality.sh [BUILD]     (builds in BUILD-asan and BUILD-fuzz;
#                                      BUILD defaults to build-quality)
#
# Environment: NALVO_FUZZ_SECONDS (per target, default 20), NALVO_JOBS
# (default: the number of cores). Without clang++ the fuzz step is skipped
# with a notice. Exits non-zero on any failing test or any fuzzer finding.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/build-quality}
jobs=${NALVO_JOBS:-$(nproc)}
fuzz_seconds=${NALVO_FUZZ_SECONDS:-20}
supp=$root/tests/robustness/sanitizer

# Leak reports stay on; Qt's, fontconfig's and GLib's one-time allocations
# that live until exit are listed in lsan.supp.
export ASAN_OPTIONS="halt_on_error=1:detect_stack_use_after_return=0:suppressions=$supp/asan.supp"
export LSAN_OPTIONS="suppressions=$supp/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:suppressions=$supp/ubsan.supp"

echo "== sanitizer build (address,undefined) in $out-asan"
cmake -S "$root" -B "$out-asan" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" \
      -DNALVO_SANITIZE=address,undefined -DNALVO_BENCH=OFF -DNALVO_FUZZ=OFF >/dev/null
cmake --build "$out-asan" -j "$jobs"
status=0
ctest --test-dir "$out-asan" --output-on-failure -j "$jobs" || status=1

if ! command -v clang++ >/dev/null; then
    echo "== fuzz targets skipped: clang++ is not installed"
    exit $status
fi

echo "== fuzz build (clang++, libFuzzer) in $out-fuzz"
cmake -S "$root" -B "$out-fuzz" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DNALVO_SANITIZE=address,undefined -DNALVO_FUZZ=ON -DNALVO_TESTS=OFF -DNALVO_BENCH=OFF >/dev/null
cmake --build "$out-fuzz" -j "$jobs" --target nalvo_fuzz_targets

for target in "$out"-fuzz/tests/fuzz/fuzz_*; do
    [ -f "$target" ] && [ -x "$target" ] || continue
    name=$(basename "$target")
    corpus="$out-fuzz/corpus/$name"
    mkdir -p "$corpus" "$out-fuzz/findings"
    echo "== $name for ${fuzz_seconds}s"
    if ! QT_QPA_PLATFORM=offscreen "$target" "$corpus" "$root/tests/fuzz/seeds/${name#fuzz_}" \
            -max_total_time="$fuzz_seconds" -timeout=10 -rss_limit_mb=4096 \
            -artifact_prefix="$out-fuzz/findings/$name-" -print_final_stats=1 2>"$out-fuzz/$name.log"; then
        echo "$name found a fault; the reproducer is in $out-fuzz/findings:"
        tail -n 60 "$out-fuzz/$name.log"
        status=1
    else
        grep -E '^(stat::number_of_executed_units|Done )' "$out-fuzz/$name.log" || true
    fi
done
exit $status
