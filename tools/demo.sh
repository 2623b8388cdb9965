#!/usr/bin/env bash
# Shows Orvella on a fake Windows desktop under Wine.
#
#   tools/demo.sh [program-folder] [Orvella arguments...]      e.g. tools/demo.sh -change
#
# program-folder: a folder with Orvella.exe, drvdb.dll and db.spb, used as it is. Default: the build
# output ($ORVELLA_OUTPUT_DIR or build/win32/Orvella), copied to build/demo/Orvella (the database and settings there are
# kept between runs; its ListDir.txt names a folder of demo pictures). The desktop holds a dozen
# icons. With $DISPLAY the program runs there until it ends; without one it runs
# on a private X server, and after a few seconds a screenshot is saved (its path is printed) and
# everything stops.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine/common.sh"

demo=$ORV_SOURCE_DIR/build/demo
if [ $# -gt 0 ] && [ -d "$1" ]; then
  program=$(cd "$1" && pwd)
  shift
else
  built=${ORVELLA_OUTPUT_DIR:-$ORV_SOURCE_DIR/build/win32/Orvella}
  [ -f "$built/Orvella.exe" ] || { orv_error "no $built/Orvella.exe: build the Windows target first"; exit 1; }
  program=$demo/Orvella
  mkdir -p "$program"
  cp "$built/Orvella.exe" "$built/drvdb.dll" "$program/"
  [ -f "$program/db.spb" ] || cp "$built/db.spb" "$program/"
  demo_folder=1
fi
for file in Orvella.exe drvdb.dll; do
  [ -f "$program/$file" ] || { orv_error "no $file in $program"; exit 1; }
done

# A few pictures of each kind the program takes, made once.
pictures=$demo/pictures
if [ ! -f "$pictures/.made" ]; then
  mkdir -p "$pictures"
  convert -size 1280x1024 gradient:'#1d3557-#a8dadc' "$pictures/Закат.jpg"
  convert -size 1280x1024 radial-gradient:'#f1faee-#457b9d' "$pictures/Утро.jpg"
  convert -size 1280x1024 pattern:checkerboard -fill '#2a9d8f' -colorize 60% "$pictures/Клетка.bmp"
  convert -size 1280x1024 gradient:'#e76f51-#264653' -rotate 90 "$pictures/Полосы.gif"
  touch "$pictures/.made"
fi
# The demo folder's list names the demo pictures (8-bit text in the program's code page, one
# Windows path per line); a folder given by the user is left as it is.
if [ "${demo_folder:-0}" = 1 ] && [ ! -f "$program/ListDir.txt" ]; then
  printf 'Z:%s\r\n' "${pictures//\//\\}" | iconv -f UTF-8 -t CP1251 >"$program/ListDir.txt"
fi

orv_wine_env
orv_tools
export WINEPREFIX=$demo/prefix
[ -f "$WINEPREFIX/system.reg" ] || orv_prefix_new "$WINEPREFIX"

headless=0
xvfb_pid=
program_pid=
# Runs to its end whatever fails on the way, so no Wine or X server process outlives the demo.
cleanup() {
  local status=$?
  set +e
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
  orv_prefix_stop "$WINEPREFIX"
  orv_xvfb_stop "$xvfb_pid"
  exit "$status"
}
trap cleanup EXIT
if [ -z "${DISPLAY:-}" ]; then
  headless=1
  orv_xvfb_start "$demo/xvfb.log"
  xvfb_pid=$ORV_XVFB_PID
  export DISPLAY=$ORV_XVFB_DISPLAY
fi

log=$demo/wine.log
: >"$log"
ready=$demo/shell-ready.txt
rm -f "$ready"
"$ORV_WINE64" "$ORV_TOOLS_DIR/fakeshell.exe" --ready "Z:${ready//\//\\}" >>"$log" 2>&1 &
for _ in $(seq 300); do [ -f "$ready" ] && break; sleep 0.1; done
[ -f "$ready" ] || { orv_error "the fake shell did not start, see $log"; exit 1; }

(cd "$program" && exec "$ORV_WINE32" "Z:${program//\//\\}\\Orvella.exe" "$@") >>"$log" 2>&1 &
program_pid=$!

if [ "$headless" = 0 ]; then
  wait "$program_pid" || true
  program_pid=
  exit 0
fi

# Wait for the first window of the program (a form or a message box), give it a moment to paint,
# and take the picture.
for _ in $(seq 60); do
  "$ORV_WINE64" "$ORV_TOOLS_DIR/orvdriver.exe" windows --visible | grep -qP '\t(TForm\d|#32770)\t' && break
  kill -0 "$program_pid" 2>/dev/null || break
  sleep 0.5
done
sleep 3
shot=$demo/screenshot.png
import -display "$DISPLAY" -window root "$shot"
echo "$shot"

# End the run as a user would, by closing its main window, so that it keeps its settings.
"$ORV_WINE64" "$ORV_TOOLS_DIR/orvdriver.exe" windows --visible | awk -F'\t' '$3 ~ /^TForm[12]$/ { print $1 }' |
  while read -r window; do "$ORV_WINE64" "$ORV_TOOLS_DIR/orvdriver.exe" close "$window" || true; done
for _ in $(seq 50); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
