#!/usr/bin/env bash
# Draws the main panel with a sample configuration into docs/mainpanel-en.png and
# docs/mainpanel-de.png, and the interface dialog with simulated gateways and modules
# into docs/interface-gateways.png and docs/interface-modules.png (in the test netns).
# Run after a build; BUILD_DIR names another build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
cmake --build "$build" --target mainpanel_screenshot zaro_translations
for lang in en de; do
  QT_QPA_PLATFORM=offscreen "$build/tests/mainpanel_screenshot" "docs/mainpanel-$lang.png" "$lang"
  echo "docs/mainpanel-$lang.png"
done
ZARO_SCREENSHOT_DIR=$PWD/docs ZARO_BIN_DIR=$PWD/$build/bin QT_QPA_PLATFORM=offscreen \
  tests/netns-run "$build/tests/gui_netdevices_test" >/dev/null
echo docs/interface-gateways.png docs/interface-modules.png
