#!/usr/bin/env bash
# Draws the panels with sample data into docs/*.png (main panel, communication log, send
# question, profile graphs, ...). Run after a build; BUILD_DIR names another build folder.
# Draws the main panel with a sample configuration into docs/mainpanel-en.png and
# docs/mainpanel-de.png, and the page editor, the simulation panel and the brightness
# popup into docs/{pages,simulation,brightness}-{en,de}.png. Run after a build;
# BUILD_DIR names another build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
cmake --build "$build" --target mainpanel_screenshot commlog_screenshot zaro-sim zaro_translations
for lang in en de fr; do
  QT_QPA_PLATFORM=offscreen "$build/tests/mainpanel_screenshot" "docs/mainpanel-$lang.png" "$lang"
  echo "docs/mainpanel-$lang.png"
done
# The main window with its status bar, against the simulated meter after a receive and an edit.
for lang in en de; do
  QT_QPA_PLATFORM=offscreen "$build/tests/mainpanel_screenshot" --window "docs/statusbar-$lang.png" "$lang"
  echo "docs/statusbar-$lang.png"
done
for lang in en de; do
  QT_QPA_PLATFORM=offscreen "$build/tests/commlog_screenshot" docs "$lang"
  echo "docs/commlog-$lang.png docs/senddiff-$lang.png"
done
cmake --build "$build" --target profile_screenshot
QT_QPA_PLATFORM=offscreen "$build/tests/profile_screenshot" docs
# The acquisition panels against a simulated meter, the main window on a 1366 x 768
# screen (docs/minmax-1366-LANG.png shows the widest of them fits).
cmake --build "$build" --target acqpanels_screenshot zaro-sim zaro_translations
for lang in en de fr; do
  QT_QPA_PLATFORM=offscreen "$build/tests/acqpanels_screenshot" docs "$lang"
done
ZARO_SCREENSHOT_DIR=$PWD/docs ZARO_BIN_DIR=$PWD/$build/bin QT_QPA_PLATFORM=offscreen \
  tests/netns-run "$build/tests/gui_netdevices_test" >/dev/null
echo docs/interface-gateways.png docs/interface-modules.png
cmake --build "$build" --target loggerpanel_screenshot zaro-sim
ZARO_BIN_DIR=$PWD/$build/bin QT_QPA_PLATFORM=offscreen "$build/tests/loggerpanel_screenshot" docs/loggerpanel-en.png
echo docs/loggerpanel-en.png
# The module logger panel with a log from the simulated module.
cmake --build "$build" --target logger57_screenshot
QT_QPA_PLATFORM=offscreen "$build/tests/logger57_screenshot" docs/logger57-en.png en
echo "docs/logger57-en.png"
# The installation check with a current transformer reversed on L2 (a meter on an in-process line).
cmake --build "$build" --target installation_screenshot zaro_translations
for lang in en de; do
  QT_QPA_PLATFORM=offscreen "$build/tests/installation_screenshot" "docs/installation-check-$lang.png" "$lang"
done
cmake --build "$build" --target frontpanels_screenshot
for lang in en de; do
  QT_QPA_PLATFORM=offscreen "$build/tests/frontpanels_screenshot" docs "$lang"
done
# The first page of a commissioning record made against the simulated meter.
cmake --build "$build" --target zaro-cli zaro-sim
record=$(mktemp -d)
mkfifo "$record/in" "$record/out"
"$build/bin/zaro-sim" --rs232 --model zrm3 --system 4 --vt 400/400 --ct 100/5 <"$record/in" >"$record/out" &
exec {sim_in}>"$record/in"
IFS= read -r -t 10 ready <"$record/out"
mkdir "$record/settings"
"$build/bin/zaro-cli" --settings "$record/settings" --interface rs232 --port "${ready#PTY }" report \
  --out "$record/record.pdf" --site "Substation North, feeder 4" --technician "J. Example" \
  --note "CT terminals of L2 tightened; check repeated." >/dev/null
exec {sim_in}>&-
wait
pdftoppm -png -r 60 -f 1 -l 1 -singlefile "$record/record.pdf" docs/commissioning-record-en
rm -rf "$record"
echo docs/commissioning-record-en.png
