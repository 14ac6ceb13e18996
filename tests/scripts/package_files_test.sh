#!/usr/bin/env bash
# The files the package installs beside the programs: the manual pages format without a
# warning, the desktop file and the AppStream metainfo pass their validators.
# usage: package_files_test.sh SOURCE_DIR
set -uo pipefail
src=$1
failed=0
for page in "$src"/man/*.1; do
  # groff exits 0 on warnings; anything on stderr is one.
  out=$(LC_ALL=C.UTF-8 groff -man -ww -z -Tutf8 "$page" 2>&1)
  if [ -n "$out" ]; then echo "$page: $out"; failed=1; fi
done
[ "$(ls "$src"/man/*.1 | wc -l)" -eq 3 ] || { echo "expected the pages of zaro, zaro-cli and zaro-sim"; failed=1; }
desktop-file-validate "$src"/resources/desktop/*.desktop || failed=1
out=$(appstreamcli validate --no-net --pedantic "$src"/resources/desktop/*.metainfo.xml 2>&1) ||
  { echo "$out"; failed=1; }
# Software centres pair the two by name.
for f in "$src"/resources/desktop/*.metainfo.xml; do
  id=$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' "$f")
  [ -f "$src/resources/desktop/$id.desktop" ] || { echo "$f: no desktop file $id.desktop"; failed=1; }
done
exit $failed
