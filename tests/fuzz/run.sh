#!/usr/bin/env bash
# Builds the fuzz harnesses with clang (libFuzzer, ASan, UBSan) and runs
# each for a while on a copy of its seed corpus.
#   tests/fuzz/run.sh [SECONDS] [HARNESS...]
# SECONDS per harness (default 10; a harness stops sooner after CX_FUZZ_RUNS
# inputs when that is set); every harness when none is named. New
# inputs go to $CX_FUZZ_WORK/<harness> (default build-fuzz/work), a crash or
# leak to $CX_FUZZ_WORK/<harness>-crash-*; the script then fails.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
here=$top/tests/fuzz
build=${CX_FUZZ_BUILD:-$top/build-fuzz}
work=${CX_FUZZ_WORK:-$build/work}
seconds=${1:-10}
shift || true
harnesses=("$@")
[ ${#harnesses[@]} -gt 0 ] || harnesses=(skinfile description connection jet searchinput convert sections strokemovie)

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" --target "${harnesses[@]/#/fuzz_}"

# Returning freed memory to the system stalls in madvise on a busy machine
# long enough to look like a hang.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:allocator_release_to_os_interval_ms=-1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export QT_QPA_PLATFORM=offscreen
for h in "${harnesses[@]}"; do
  mkdir -p "$work/$h"
  opts=()
  [ -f "$here/$h.dict" ] && opts=(-dict="$here/$h.dict")
  [ -n "${CX_FUZZ_RUNS:-}" ] && opts+=(-runs="$CX_FUZZ_RUNS")
  echo "fuzz: $h for ${seconds}s"
  "$build/fuzz_$h" "$work/$h" "$here/corpus/$h" "${opts[@]}" \
    -max_total_time="$seconds" -timeout=60 -rss_limit_mb=2560 -max_len=65536 \
    -artifact_prefix="$work/$h-" -print_final_stats=1 2>"$work/$h.log" \
    || { tail -n 60 "$work/$h.log"; echo "fuzz: $h FAILED (log $work/$h.log)"; exit 1; }
  grep -E '^stat::number_of_executed_units|^Done' "$work/$h.log" || true
done
