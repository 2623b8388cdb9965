#!/usr/bin/env bash
# Sets the machine up, builds everything and runs every test: the unit tests, the unit tests again
# under AddressSanitizer and UndefinedBehaviorSanitizer, and the end-to-end tests under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/tools/setup.sh"
"$root/tools/build.sh" native sanitize windows tools

echo "== unit tests"
"$root/build/native/orvella_tests" --gtest_brief=1
echo "== unit tests with sanitizers"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 "$root/build/sanitize/orvella_tests" --gtest_brief=1
echo "== end-to-end tests under Wine"
"$root/build/native/orvella_e2e" --gtest_brief=1
