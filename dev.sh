#!/usr/bin/env bash
# Builds, runs and tests KIRV on Debian 12; installs whatever Debian packages are missing first.
#   ./dev.sh run    build and start KIRV (under Xvfb when there is no display)
#   ./dev.sh test   build and run the whole test suite
#   ./dev.sh build  build only
set -euo pipefail
cd "$(dirname "$0")"

BUILD_DIR=${BUILD_DIR:-build}
PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-qpa-plugins libgl-dev fonts-dejavu-core
  libnl-3-dev libnl-route-3-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth trayer iproute2 util-linux
)

install_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return
  echo "dev.sh: installing ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -q --no-install-recommends "${missing[@]}"
}

build() {
  install_packages
  cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKIRV_WERROR=ON >/dev/null
  cmake --build "$BUILD_DIR" -j2
}

run() {
  build
  if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "$BUILD_DIR/src/app/kirv"
  fi
  echo "dev.sh: no display found, starting KIRV under Xvfb"
  exec xvfb-run -a -s "-screen 0 1280x800x24" "$BUILD_DIR/src/app/kirv"
}

run_tests() {
  build
  QT_QPA_PLATFORM=offscreen ctest --test-dir "$BUILD_DIR" -j2 --output-on-failure
}

case "${1:-}" in
  run) run ;;
  test) run_tests ;;
  build) build ;;
  *) echo "usage: $0 run|test|build" >&2; exit 2 ;;
esac
