#!/usr/bin/env bash
# Builds the core, the headless programs and their tests with AddressSanitizer and
# UndefinedBehaviorSanitizer (configure preset "asan", into build-asan/) and runs those tests,
# the fuzz corpora's replays among them; any sanitizer finding fails the run. The window and its
# QtTest suites are left out of this build: scripts/test.sh runs them.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset asan >/dev/null
cmake --build --preset asan
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:strict_string_checks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
ctest --test-dir build-asan --output-on-failure -j "$(nproc)"
