#!/usr/bin/env bash
# Builds the project. Targets (default: all but sanitize):
#   native    portable code, unit tests, e2e runner, benchmarks (build/native)
#   sanitize  unit tests with AddressSanitizer and UndefinedBehaviorSanitizer (build/sanitize)
#   windows   the product folder build/win32/Orvella: Orvella.exe, drvdb.dll, db.spb
#   tools     the 64-bit fake shell and driver used by the e2e tests and the demo (build/tools)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(native windows tools)

configure_and_build() {
  local dir=$1; shift
  cmake -S "$root" -B "$root/build/$dir" -G Ninja -Wno-dev "$@" >/dev/null
  cmake --build "$root/build/$dir" -- --quiet
}

for target in "${targets[@]}"; do
  case $target in
    native)   configure_and_build native -DCMAKE_BUILD_TYPE=RelWithDebInfo ;;
    sanitize) configure_and_build sanitize -DCMAKE_BUILD_TYPE=Debug -DORVELLA_SANITIZE=ON ;;
    windows)  configure_and_build win32 -DCMAKE_BUILD_TYPE=Release \
                -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" ;;
    tools)    configure_and_build tools -DCMAKE_BUILD_TYPE=Release -DORVELLA_TOOLS_ONLY=ON \
                -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" ;;
    *) echo "unknown target: $target" >&2; exit 2 ;;
  esac
done
