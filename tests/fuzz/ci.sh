#!/usr/bin/env bash
# CI after ./test.sh: the test suite built with AddressSanitizer and
# UndefinedBehaviorSanitizer (build-asan), then a short run of every fuzz
# harness (build-fuzz, clang). About a minute of fuzzing in all.
#
# The sanitizer suite leaves out the tests that link the window set and the
# start-up test of the whole program: they bring in Qt WebEngine, whose
# browser engine is not built for an AddressSanitizer process, and building
# them twice would double CI's build time. Everything they build on (data,
# text, character table, skins, widgets, speech, shell, player, tools) is in
# the suite.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=${CX_ASAN_BUILD:-$top/build-asan}

cmake -S "$top" -B "$build" -G Ninja -DCX_SANITIZE=ON >/dev/null
linksWindows() {
  local out
  out=$(ninja -C "$build" -t query "$1" | awk '/input: phony/ { getline; print $1; exit }')
  ninja -C "$build" -t query "$out" | grep -c 'libcx_windows\.a' >/dev/null
}
targets=()
for t in $(ninja -C "$build" -t targets all | sed -n 's/^\(test_[a-z0-9_]*\|replay_[a-z0-9_]*\|cxtool\|cx_skinfiles\): .*/\1/p' \
           | grep -v -e '_autogen' -e '^test_startup$' | sort -u); do
  linksWindows "$t" || targets+=("$t")
done
echo "sanitizer suite: ${targets[*]}"
cmake --build "$build" --target "${targets[@]}"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$top/tests/fuzz/lsan.supp
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 --timeout 300 -E "_NOT_BUILT$")

"$top/tests/fuzz/run.sh" "${CX_FUZZ_SECONDS:-8}"
