#!/usr/bin/env bash
# Builds, runs, tests and packages KIRV on Debian 12; installs whatever Debian packages are
# missing first (as root, or through sudo).
#   ./dev.sh run          build the program alone and start it (without a display: how to use
#                         kirv log and kirv report instead)
#   ./dev.sh test         build everything and run the whole test suite
#   ./dev.sh test --sanitize [core]
#                         the same with AddressSanitizer and UndefinedBehaviorSanitizer; with
#                         "core", only the core and platform test programs and the fuzz replays
#   ./dev.sh fuzz [SECONDS]
#                         build the fuzz targets with clang and fuzz each for SECONDS (60)
#   ./dev.sh build        build everything, tests and benchmarks included
#   ./dev.sh package      build the Debian package build-package/kirv_<version>_amd64.deb
#   ./dev.sh screenshots  renew the pictures of every window, in French in docs/screenshots/ and
#                         in English in docs/screenshots/en/
set -euo pipefail
cd "$(dirname "$0")"

BUILD_DIR=${BUILD_DIR:-build}                         # the program, the tests and the benchmarks
RUN_BUILD_DIR=${RUN_BUILD_DIR:-build-run}             # the program alone
PACKAGE_BUILD_DIR=${PACKAGE_BUILD_DIR:-build-package} # the program for /usr, and the package
SANITIZE_BUILD_DIR=${SANITIZE_BUILD_DIR:-build-sanitize} # the tests with both sanitizers
FUZZ_BUILD_DIR=${FUZZ_BUILD_DIR:-build-fuzz}          # the fuzz targets, their corpus and finds

# What building and running the program needs.
RUN_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-qpa-plugins libgl-dev fonts-dejavu-core
  libxcb1-dev qt6-translations-l10n qt6-tools-dev qt6-l10n-tools
)
# What the tests and benchmarks add.
TEST_PACKAGES=(
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth trayer iproute2 util-linux
  desktop-file-utils appstream man-db python3
  openbox xdotool x11-utils imagemagick dbus python3-dbus python3-gi weston qt6-wayland
  prometheus-node-exporter prometheus curl
)
# What CPack's Debian generator adds (dpkg-shlibdeps, and file to find the programs).
PACKAGE_PACKAGES=(dpkg-dev file)
# What the screenshots add.
SCREENSHOT_PACKAGES=(xvfb xauth openbox trayer xdotool imagemagick python3 iproute2 util-linux)

# What the fuzz targets add: clang and its sanitizer and libFuzzer runtimes.
FUZZ_PACKAGES=(clang libclang-rt-14-dev)

# Installs those of the given packages that are missing.
install_packages() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
      echo "dev.sh: neither root nor sudo; as root, run: apt-get install ${missing[*]}" >&2
      exit 1
    fi
    sudo=(sudo)
  fi
  echo "dev.sh: installing ${missing[*]}"
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# configure DIR [CMAKE_OPTION...]
configure() {
  local dir=$1
  shift
  local launcher=()
  command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKIRV_WERROR=ON \
    "${launcher[@]}" "$@" >/dev/null
}

build_program() {
  install_packages "${RUN_PACKAGES[@]}"
  configure "$RUN_BUILD_DIR" -DKIRV_BUILD_TESTS=OFF
  cmake --build "$RUN_BUILD_DIR" -j2 --target kirv
}

build() {
  install_packages "${RUN_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
  configure "$BUILD_DIR" -DKIRV_BUILD_TESTS=ON
  cmake --build "$BUILD_DIR" -j2
}

run() {
  build_program
  if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "$RUN_BUILD_DIR/src/app/kirv"
  fi
  # Without a display there is no desktop program to start; logging and reading need none.
  local kirv="$RUN_BUILD_DIR/src/app/kirv"
  echo "dev.sh: no display found, so the desktop program cannot start." >&2
  echo "  Log the monitored interfaces without a window:  $kirv log" >&2
  echo "  Read the archives:  $kirv report [ARCHIVE] [--json | --csv]" >&2
  echo "  Draw a graph:  $kirv graph ARCHIVE --period day -o graph.png" >&2
  exit 1
}

run_tests() {
  build
  QT_QPA_PLATFORM=offscreen ctest --test-dir "$BUILD_DIR" -j2 --output-on-failure
}

# run_sanitized_tests [core]: a fault found ends its program with a report on standard error.
run_sanitized_tests() {
  install_packages "${RUN_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
  configure "$SANITIZE_BUILD_DIR" -DKIRV_BUILD_TESTS=ON -DKIRV_SANITIZE=ON
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1
  if [ "${1:-}" != core ]; then
    cmake --build "$SANITIZE_BUILD_DIR" -j2
    QT_QPA_PLATFORM=offscreen ctest --test-dir "$SANITIZE_BUILD_DIR" -j2 --output-on-failure
    return
  fi
  cmake --build "$SANITIZE_BUILD_DIR" -j2 --target kirv_core_tests kirv_fuzz_targets
  # The programs of the tests labelled "core", each run once whole rather than test by test.
  local programs
  mapfile -t programs < <(ctest --test-dir "$SANITIZE_BUILD_DIR" -N -L core --show-only=json-v1 |
    python3 -c 'import json, sys
seen = []
for t in json.load(sys.stdin)["tests"]:
    if "--gtest_filter" in " ".join(t["command"]) and t["command"][0] not in seen:
        seen.append(t["command"][0])
print("\n".join(seen))')
  for p in "${programs[@]}"; do
    echo "dev.sh: $(basename "$p"), sanitized"
    "$p" --gtest_brief=1
  done
  ctest --test-dir "$SANITIZE_BUILD_DIR" -L core -R '^fuzz_replay[.]' --output-on-failure
}

# fuzz SECONDS: every target in turn; the corpus it grows and the inputs that fail stay in the
# build folder, the seeds and the inputs of fixed faults in tests/fuzz/corpus.
fuzz() {
  local seconds=$1 failed=()
  install_packages "${RUN_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}"
  configure "$FUZZ_BUILD_DIR" -DKIRV_BUILD_TESTS=ON -DKIRV_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++
  cmake --build "$FUZZ_BUILD_DIR" -j2 --target kirv_fuzz_targets
  local targets=("$FUZZ_BUILD_DIR"/tests/fuzz/fuzz_*)
  targets=("${targets[@]##*/fuzz_}")
  for t in "${targets[@]}"; do
    local corpus="$FUZZ_BUILD_DIR/corpus/$t" finds="$FUZZ_BUILD_DIR/finds/$t"
    local log="$FUZZ_BUILD_DIR/$t.log"
    mkdir -p "$corpus" "$finds"
    echo "dev.sh: fuzzing $t for $seconds s (log: $log)"
    if ! "$FUZZ_BUILD_DIR/tests/fuzz/fuzz_$t" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix="$finds/" "$corpus" "tests/fuzz/corpus/$t" >"$log" 2>&1; then
      tail -n 30 "$log"
      failed+=("$t")
    fi
    grep -E '^#[0-9]+[[:space:]]+DONE' "$log" || true
  done
  if [ ${#failed[@]} -gt 0 ]; then
    echo "dev.sh: faults found by ${failed[*]}; the inputs are in $FUZZ_BUILD_DIR/finds" >&2
    exit 1
  fi
}

package() {
  install_packages "${RUN_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"
  # The tested build type (GCC 12 warns falsely about std::string at -O3); CPack strips it.
  configure "$PACKAGE_BUILD_DIR" -DKIRV_BUILD_TESTS=OFF -DCMAKE_INSTALL_PREFIX=/usr
  cmake --build "$PACKAGE_BUILD_DIR" -j2
  (cd "$PACKAGE_BUILD_DIR" && cpack -G DEB >/dev/null)
  ls "$PACKAGE_BUILD_DIR"/kirv_*.deb
}

screenshots() {
  install_packages "${RUN_PACKAGES[@]}" "${SCREENSHOT_PACKAGES[@]}"
  build_program
  tools/screenshots.sh "$RUN_BUILD_DIR/src/app/kirv"
}

main() {
  case "${1:-}" in
    run) run ;;
    test)
      if [ "${2:-}" = --sanitize ]; then run_sanitized_tests "${3:-}"; else run_tests; fi
      ;;
    fuzz) fuzz "${2:-60}" ;;
    build) build ;;
    package) package ;;
    screenshots) screenshots ;;
    *)
      echo "usage: $0 run|test [--sanitize [core]]|build|package|screenshots|fuzz [SECONDS]" >&2
      exit 2
      ;;
  esac
}

# One line, read whole before it runs: a dev.sh edited during a long build is not read on from
# a shifted offset when the build returns.
main "$@"; exit
