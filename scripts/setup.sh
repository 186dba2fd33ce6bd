#!/usr/bin/env bash
# Prepares a Debian 12 machine for Corvane, builds it, and then starts it or runs its tests.
#
#   scripts/setup.sh run    install what is missing, build (Release), start the window
#   scripts/setup.sh test   install what is missing, build, run every test (normal build and a
#                           build with AddressSanitizer and UndefinedBehaviorSanitizer)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

mode=${1:-run}
jobs=$(nproc 2>/dev/null || echo 2)

# What building and running the window needs. fonts-liberation brings Liberation Sans Narrow,
# which fonts-liberation2 lacks; qt6-svg-dev draws corvane-backtest's chart.
packages=(g++ cmake ninja-build qt6-base-dev qt6-svg-dev fonts-liberation2 fonts-liberation)
# What the tests need besides: GoogleTest, Google Benchmark, Xvfb for bench/startup.sh, clang
# and its runtime for libFuzzer, and lintian, Debian's checker, for the package.
if [ "$mode" = test ]; then
    packages+=(libgtest-dev libbenchmark-dev xvfb xauth clang libclang-rt-14-dev lintian)
fi

install_missing() {
    local missing=() p
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$p")
    done
    ((${#missing[@]} == 0)) && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

build() {  # build DIR [cmake options...]
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
}

install_missing
case "$mode" in
    run)
        build build/release -DCORVANE_BUILD_TESTS=OFF -DCORVANE_BUILD_BENCH=OFF
        exec build/release/app/corvane
        ;;
    test)
        export QT_QPA_PLATFORM=offscreen
        build build/release
        (cd build/release && ctest --output-on-failure -j "$jobs")
        # The Debian package, as Debian's own checker sees it: no error, no warning.
        (cd build/release && rm -f ./*.deb && cpack >/dev/null && lintian --fail-on error,warning ./*.deb)
        # A short run of every fuzz target on its seed corpus.
        CC=clang CXX=clang++ build build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANE_FUZZ=ON \
            -DCORVANE_BUILD_UI=OFF -DCORVANE_BUILD_TESTS=OFF -DCORVANE_BUILD_BENCH=OFF
        tests/fuzz/run.sh build/fuzz 30
        build build/sanitize -DCORVANE_SANITIZE=ON -DCORVANE_BUILD_BENCH=OFF
        (cd build/sanitize && ctest --output-on-failure -j "$jobs")
        ;;
    *)
        echo "usage: $0 run|test" >&2
        exit 2
        ;;
esac
