#!/usr/bin/env bash
# Draws the main panel with a sample configuration into docs/mainpanel-en.png and
# docs/mainpanel-de.png, and the page editor, the simulation panel and the brightness
# popup into docs/{pages,simulation,brightness}-{en,de}.png. Run after a build;
# BUILD_DIR names another build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
cmake --build "$build" --target mainpanel_screenshot zaro_translations
for lang in en de; do
  QT_QPA_PLATFORM=offscreen "$build/tests/mainpanel_screenshot" "docs/mainpanel-$lang.png" "$lang"
  echo "docs/mainpanel-$lang.png"
done
cmake --build "$build" --target frontpanels_screenshot
for lang in en de; do
  QT_QPA_PLATFORM=offscreen "$build/tests/frontpanels_screenshot" docs "$lang"
done
