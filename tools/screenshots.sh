#!/usr/bin/env bash
# Takes the screenshots of the program's windows that we look at (the change panel normal,
# hovered and in placement mode, the preview over a picture and with "Отменить" only, each page of
# the settings window with a hint in its status bar, the saved layouts with their context menu, the
# report window) by running the end-to-end cases that make them, and gathers them in
# build/screenshots.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/tools/setup.sh"
"$root/tools/build.sh" native windows tools
rm -rf "$root/build/e2e-shots" "$root/build/screenshots"
"$root/build/native/orvella_e2e" --gtest_brief=1 \
  --gtest_filter='PanelLooks.*:DeleteFlow.*:ChangePanel.Is160*:SettingsWindow.EveryPage*:LayoutsPage.*'
mkdir -p "$root/build/screenshots"
find "$root/build/e2e-shots" -name '*.png' ! -name '*-bar.png' -exec cp {} "$root/build/screenshots/" \;
echo "screenshots in $root/build/screenshots:"
ls "$root/build/screenshots"
