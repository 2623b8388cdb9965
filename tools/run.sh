#!/usr/bin/env bash
# Sets the machine up, builds the program and starts it under Wine with a demo desktop.
# Arguments are passed to Orvella.exe (e.g. -change). ORVELLA_PROGRAM_DIR names a program folder
# to run instead of the demo one.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/tools/setup.sh"
"$root/tools/build.sh" windows tools
if [ -n "${ORVELLA_PROGRAM_DIR:-}" ]; then
  exec "$root/tools/demo.sh" "$ORVELLA_PROGRAM_DIR" "$@"
fi
exec "$root/tools/demo.sh" "$@"
