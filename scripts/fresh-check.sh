#!/usr/bin/env bash
# By hand, not in CI: the README's commands on a fresh minimal Debian 12.
#   sudo scripts/fresh-check.sh [WORK_DIR]      (default /var/tmp/zaro-fresh; half an hour)
# 1. debootstrap a minimal Debian 12 root from the package source apt uses here;
# 2. clone this repository (its committed HEAD) into a copy of it, run the README's test
#    command there, then zaro-cli --help, an offscreen start of zaro, and build the .deb;
# 3. install that .deb into another copy of the untouched root and start what it installed.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
work=${1:-/var/tmp/zaro-fresh}
[ "$(id -u)" -eq 0 ] || { echo "fresh-check: run as root (debootstrap and chroot need it)" >&2; exit 1; }
command -v debootstrap >/dev/null || "$repo/scripts/setup.sh"

say() { echo "fresh-check: $*"; }
mounted=()
cleanup() {
  local m
  for m in "${mounted[@]}"; do umount -l "$m" 2>/dev/null || true; done
}
trap cleanup EXIT

# The first Debian source apt has here: the fresh root gets the same packages.
mirror=$(apt-get indextargets --format '$(REPO_URI) $(RELEASE)' | awk '$2 == "bookworm" { print $1; exit }')
[ -n "$mirror" ] || { echo "fresh-check: apt has no source for bookworm" >&2; exit 1; }

enter() { # root, command: runs command in the root as root, with /proc, /sys, /dev mounted
  local root=$1 m
  shift
  for m in proc sys dev dev/pts; do
    if ! mountpoint -q "$root/$m"; then
      mount --bind "/$m" "$root/$m"
      mounted=("$root/$m" "${mounted[@]}")
    fi
  done
  chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 CI=true \
    /bin/bash -c "$*"
}

rm -rf "$work"
mkdir -p "$work"
say "debootstrap --variant=minbase bookworm from $mirror"
debootstrap --variant=minbase bookworm "$work/base" "$mirror" >"$work/debootstrap.log" 2>&1 ||
  { tail -20 "$work/debootstrap.log"; exit 1; }
# The same sources as here (updates and security too), so versions match this machine.
rm -f "$work/base/etc/apt/sources.list"
cp /etc/apt/sources.list.d/*.sources "$work/base/etc/apt/sources.list.d/" 2>/dev/null || true
[ -s /etc/apt/sources.list ] && cp /etc/apt/sources.list "$work/base/etc/apt/"
cp -a "$work/base" "$work/test-root"
cp -a "$work/base" "$work/deb-root"

say "the README's test command in a fresh root"
git clone -q "$repo" "$work/test-root/root/zaro"
enter "$work/test-root" 'cd /root/zaro && scripts/test.sh' >"$work/test.log" 2>&1 ||
  { tail -40 "$work/test.log"; say "FAILED: scripts/test.sh (log: $work/test.log)"; exit 1; }
tail -1 "$work/test.log"
enter "$work/test-root" 'cd /root/zaro &&
  build/bin/zaro-cli --help >/dev/null &&
  { QT_QPA_PLATFORM=offscreen timeout 6 build/bin/zaro 2>/tmp/zaro.err; test $? = 124; } &&
  ! grep -i "no translation\|could not" /tmp/zaro.err &&
  scripts/package.sh' >"$work/package.log" 2>&1 ||
  { tail -20 "$work/package.log"; say "FAILED: zaro-cli, zaro or the package"; exit 1; }
say "zaro-cli --help and an offscreen start of zaro: ok; $(tail -1 "$work/package.log")"

say "the .deb in another fresh root"
cp "$work"/test-root/root/zaro/build-deb/zaro_*.deb "$work/deb-root/tmp/"
enter "$work/deb-root" '
  set -e
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq && apt-get install -y -qq --no-install-recommends /tmp/zaro_*.deb >/dev/null
  zaro-cli --help >/dev/null
  export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=/tmp/config TMPDIR=/tmp/run
  mkdir -p $TMPDIR
  zaro --version
  timeout 6 zaro 2>/tmp/zaro.err || test $? = 124
  if grep -i "no translation" /tmp/zaro.err; then exit 1; fi
  test -f /tmp/config/zaro/ZARO.ini && echo "settings in \$XDG_CONFIG_HOME/zaro"
  test -f /usr/share/zaro/help/en/index.html && echo "help in /usr/share/zaro/help"
  zaro --demo 2>/tmp/demo.err & pid=$!
  for i in $(seq 100); do grep -qs "COMPortPath = \"/dev/pts" $TMPDIR/zaro-*/ZARO.ini && break; sleep 0.1; done
  grep -qs "COMPortPath = \"/dev/pts" $TMPDIR/zaro-*/ZARO.ini && echo "zaro --demo runs against /usr/bin/zaro-sim"
  kill $pid; wait $pid
  test -z "$(ls -d $TMPDIR/zaro-* 2>/dev/null)" && echo "zaro --demo ended cleanly"' >"$work/deb.log" 2>&1 ||
  { cat "$work/deb.log"; say "FAILED: the installed package"; exit 1; }
cat "$work/deb.log"
say "passed"
