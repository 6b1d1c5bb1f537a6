#!/usr/bin/env bash
# Sets up a Debian 12 machine for Zendaro, builds it, and runs the editor or
# the tests.
#   ./build.sh run    install what is missing, build, start the editor
#   ./build.sh test   install what is missing, build, run every test
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-documentation-tools qt6-translations-l10n
  libpulse-dev libgl-dev libdeflate-dev fonts-dejavu-core fonts-dejavu-extra
  libbenchmark-dev
)
# Only the tests need these: a virtual X display and screenshots for the
# end-to-end tests, clang's libFuzzer for the map reader, dpkg-shlibdeps for
# the package's dependency line, and lintian and appstreamcli, which check the
# package and its AppStream metadata.
TEST_PACKAGES=(xvfb xdotool x11-utils imagemagick clang clang-tidy libclang-rt-14-dev dpkg-dev file
  shared-mime-info desktop-file-utils xdg-utils libglib2.0-bin lintian appstream)

install_missing() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}

build() {
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
  cmake --build build
}

fuzz() {
  local seconds=$1
  CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZENDARO_FUZZ=ON
  cmake --build build-fuzz
  local corpus
  corpus=$(mktemp -d)
  cp tests/fuzz/corpus/* "$corpus"/
  echo "Fuzzing the map reader for ${seconds} s"
  build-fuzz/bin/kartendatei_fuzz -max_total_time="$seconds" -max_len=4096 -timeout=10 \
    -artifact_prefix=build-fuzz/ -print_final_stats=1 "$corpus" 2>&1 | tail -n 12
}

sanitized_tests() {
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZENDARO_SANITIZE=ON -DZENDARO_BENCH=OFF
  cmake --build build-asan
  ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 \
  LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0 \
  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j2 -E '^e2e_'
}

tidy() {
  run-clang-tidy -quiet -p build -j2 "$PWD/src/" > build/clang-tidy.log 2>&1 || {
    grep -E "(warning|error):" build/clang-tidy.log | sort -u
    echo "clang-tidy found problems (build/clang-tidy.log)"
    return 1
  }
  echo "clang-tidy: src/ is clean"
}

package_check() {
  (cd build && cpack -G DEB)
  tests/package/check_installed.sh build/zendaro_*.deb
}

case "${1:-}" in
  run)
    install_missing "${PACKAGES[@]}"
    build
    exec build/bin/zendaro
    ;;
  test)
    install_missing "${PACKAGES[@]}" "${TEST_PACKAGES[@]}"
    build
    ctest --test-dir build --output-on-failure -j2
    tidy
    fuzz "${FUZZ_SECONDS:-60}"
    sanitized_tests
    package_check
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 64
    ;;
esac
