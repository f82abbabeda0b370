#!/usr/bin/env bash
# Installs a KIRV Debian package into a fresh Debian 12 root, as a new user's machine would, and
# checks that its dependencies came along, that `kirv --version` prints the package's version and
# that the desktop entry, the icons, the metainfo, the man page and the user unit are in place.
#
#   tools/package-test.sh [kirv_<version>_amd64.deb]   (as root; default: the newest package that
#                                                        `./dev.sh package` left in build-package/)
#   tools/package-test.sh --root-only                 only prepare the cached Debian 12 root
#
# The bare root is made once by debootstrap and kept as a tarball in $KIRV_ROOT_CACHE
# (/var/cache/kirv-package-test by default), beside the downloaded dependencies; every run
# unpacks a fresh copy of it under /tmp.
# Needs debootstrap and network access to the Debian mirror ($KIRV_MIRROR).
set -euo pipefail
cd "$(dirname "$0")/.."

CACHE=${KIRV_ROOT_CACHE:-/var/cache/kirv-package-test}
MIRROR=${KIRV_MIRROR:-http://deb.debian.org/debian}
TARBALL=$CACHE/bookworm-minbase.tar
APP_ID=org.kirv.kirv
ICON_SIZES=(16 22 24 32 48 64 128 256)

fail() {
  echo "package-test: $*" >&2
  exit 1
}

[ "$(id -u)" -eq 0 ] || fail "must run as root (debootstrap, chroot and mount need it)"
command -v debootstrap >/dev/null || fail "debootstrap is missing: apt-get install debootstrap"

prepare_root() {
  [ -s "$TARBALL" ] && return
  echo "package-test: making a Debian 12 root in $TARBALL (once; a few minutes)"
  mkdir -p "$CACHE"
  local fresh
  fresh=$(mktemp -d /tmp/kirv-debootstrap-XXXXXX)
  debootstrap --variant=minbase bookworm "$fresh" "$MIRROR" >"$fresh.log" 2>&1 ||
    { tail -20 "$fresh.log" >&2; rm -rf "$fresh" "$fresh.log"; fail "debootstrap failed"; }
  rm -f "$fresh.log"
  rm -rf "$fresh"/var/cache/apt/archives/*.deb "$fresh"/var/lib/apt/lists/*
  tar -C "$fresh" -cf "$TARBALL.part" .
  mv "$TARBALL.part" "$TARBALL"
  rm -rf "$fresh"
}

if [ "${1:-}" = --root-only ]; then
  prepare_root
  exit 0
fi

deb=${1:-}
if [ -z "$deb" ]; then # the newest package in build-package/
  for candidate in build-package/kirv_*_amd64.deb; do
    if [ -z "$deb" ] || [ "$candidate" -nt "$deb" ]; then deb=$candidate; fi
  done
fi
[ -f "$deb" ] || fail "no package given and none in build-package/: run ./dev.sh package"
deb=$(realpath "$deb")
version=$(dpkg-deb -f "$deb" Version)
prepare_root

root=$(mktemp -d /tmp/kirv-package-test-XXXXXX)
cleanup() {
  for mount in "$root/proc" "$root/var/cache/apt/archives"; do
    if mountpoint -q "$mount"; then umount "$mount"; fi
  done
  rm -rf "$root"
}
trap cleanup EXIT
tar -C "$root" -xf "$TARBALL"
cp /etc/resolv.conf "$root/etc/resolv.conf"
cp "$deb" "$root/tmp/"
chmod 755 "$root"
mount -t proc proc "$root/proc"
mkdir -p "$CACHE/archives/partial"
mount --bind "$CACHE/archives" "$root/var/cache/apt/archives"

in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }
apt() { in_root env DEBIAN_FRONTEND=noninteractive apt-get -q -o APT::Sandbox::User=root "$@"; }

echo "package-test: apt-get install ./$(basename "$deb") in a fresh Debian 12 root"
apt update >/dev/null
apt install -y "/tmp/$(basename "$deb")" >"$root.apt.log" 2>&1 || { tail -30 "$root.apt.log" >&2; rm -f "$root.apt.log"; fail "apt-get install failed"; }
echo "package-test: $(grep -c '^Setting up ' "$root.apt.log") packages set up"
rm -f "$root.apt.log"

errors=0
check() {
  local what=$1
  shift
  if "$@"; then
    echo "  ok    $what"
  else
    echo "  FAIL  $what" >&2
    errors=$((errors + 1))
  fi
}
libraries_resolved() { ! in_root ldd "$1" | grep -q 'not found'; }
prints_version() {
  local out
  out=$(in_root kirv --version 2>&1) || { echo "    kirv --version: $out" >&2; return 1; }
  echo "    kirv --version: $out"
  grep -qF "$version" <<<"$out"
}
installed() { [ -s "$root/$1" ]; }
# Runs until stopped: it neither crashes nor misses a plugin at start.
starts_offscreen() {
  local status=0
  in_root env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=/tmp timeout 5 kirv >/dev/null 2>&1 ||
    status=$?
  [ "$status" -eq 124 ]
}

# The commands without a display, over a two-record archive written in the root.
reports() {
  printf 'F01/12/2026 10:00:00D1000U200\r\nF01/12/2026 10:05:00D3000U400\r\n' >"$root/tmp/eth0.mdf"
  in_root kirv report /tmp/eth0.mdf --date 01/12/2026 --json | grep -q '"receivedOctets": *4000'
}
draws() {
  in_root kirv graph /tmp/eth0.mdf --period day --at "01/12/2026 12:00" -o /tmp/day.png &&
    [ "$(head -c 8 "$root/tmp/day.png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ]
}
logs_help() { in_root kirv log --help | grep -qF -- "--data-dir"; }
# shellcheck disable=SC2016 # dpkg-query's own field syntax
package_installed() { [ "$(in_root dpkg-query -W -f='${Version}' kirv)" = "$version" ]; }
check "package kirv $version is installed" package_installed
check "every library of /usr/bin/kirv is found" libraries_resolved /usr/bin/kirv
check "every library of /usr/libexec/kirv/kirv-log is found" libraries_resolved \
  /usr/libexec/kirv/kirv-log
check "every library of the desktop module is found" libraries_resolved \
  "/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/kirv/kirv-desktop.so"
check "kirv --version prints $version" prints_version
check "the desktop program starts (offscreen) and runs until stopped" starts_offscreen
check "kirv report gives the archive's totals" reports
check "kirv graph draws a PNG picture" draws
check "desktop entry" installed "usr/share/applications/$APP_ID.desktop"
check "desktop entry passes desktop-file-validate" \
  desktop-file-validate "$root/usr/share/applications/$APP_ID.desktop"
check "scalable icon" installed "usr/share/icons/hicolor/scalable/apps/$APP_ID.svg"
for size in "${ICON_SIZES[@]}"; do
  check "${size}x$size icon" installed "usr/share/icons/hicolor/${size}x$size/apps/$APP_ID.png"
done
check "metainfo" installed "usr/share/metainfo/$APP_ID.metainfo.xml"
check "man page" installed "usr/share/man/man1/kirv.1.gz"
check "French man page" installed "usr/share/man/fr/man1/kirv.1.gz"
check "logger program" installed "usr/libexec/kirv/kirv-log"
check "kirv log runs its logger program" logs_help
check "user unit" installed "usr/lib/systemd/user/kirv-log.service"
check "user unit starts the installed program" grep -q '^ExecStart=/usr/bin/kirv log$' \
  "$root/usr/lib/systemd/user/kirv-log.service"

[ "$errors" -eq 0 ] || fail "$errors check(s) failed"
echo "package-test: all checks passed"
