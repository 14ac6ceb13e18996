#!/usr/bin/env bash
# Draws the main panel with a sample configuration into docs/mainpanel-en.png and
# docs/mainpanel-de.png. Run after a build; BUILD_DIR names another build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
cmake --build "$build" --target mainpanel_screenshot zaro_translations
for lang in en de; do
  QT_QPA_PLATFORM=offscreen "$build/tests/mainpanel_screenshot" "docs/mainpanel-$lang.png" "$lang"
  echo "docs/mainpanel-$lang.png"
done
# The module logger panel with a log from the simulated module.
cmake --build "$build" --target logger57_screenshot
QT_QPA_PLATFORM=offscreen "$build/tests/logger57_screenshot" docs/logger57-en.png en
echo "docs/logger57-en.png"
