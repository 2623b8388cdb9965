#!/usr/bin/env bash
# Command-line face of common.sh for the C++ end-to-end harness.
#
#   orvwine.sh prepare          makes what every run needs (locale, prefix template, the 64-bit tools)
#                               and prints the environment for Wine runs as KEY=VALUE lines
#   orvwine.sh new-prefix DIR   copies the template to DIR
#   orvwine.sh stop-prefix DIR  ends every process of the prefix DIR
#   orvwine.sh xvfb-start LOG   starts a private X server; prints "DISPLAY PID"
#   orvwine.sh xvfb-stop PID
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

case "${1:-}" in
  prepare)
    orv_wine_env && orv_template && orv_tools || exit 1
    for name in LOCPATH LANG LC_ALL QEMU_RESERVED_VA WINEARCH WINEDEBUG WINEDLLOVERRIDES; do
      echo "$name=${!name}"
    done
    echo "ORVELLA_WINE64=$ORV_WINE64"
    echo "ORVELLA_WINE32=$ORV_WINE32"
    echo "ORVELLA_TOOLS_DIR=$ORV_TOOLS_DIR"
    ;;
  new-prefix) orv_prefix_new "${2:?folder}" ;;
  stop-prefix) orv_prefix_stop "${2:?folder}" ;;
  xvfb-start) orv_xvfb_start "${2:-/dev/null}" && echo "$ORV_XVFB_DISPLAY $ORV_XVFB_PID" ;;
  xvfb-stop) orv_xvfb_stop "${2:?pid}" ;;
  *) sed -n '2,9p' "${BASH_SOURCE[0]}" >&2; exit 2 ;;
esac
