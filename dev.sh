#!/usr/bin/env bash
# The two jobs a developer runs on a fresh Debian 12 machine, as root:
#   bash dev.sh demo   builds the library and runs the reference host over
#                      the bundled sample PIM
#   bash dev.sh test   builds everything and runs every test suite
# Each installs the Debian packages it needs that are missing.
set -euo pipefail
cd "$(dirname "$0")"

jobs=$(nproc 2>/dev/null || echo 2)

need_packages() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "== installing: ${missing[*]}"
        if [ "$(id -u)" -ne 0 ]; then
            echo "missing packages; run as root or install them: ${missing[*]}" >&2
            exit 1
        fi
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

base_packages=(build-essential cmake ninja-build tzdata libgtest-dev libgmock-dev googletest
               libbenchmark-dev nlohmann-json3-dev libcli11-dev)

# Every option is given on each configure: build/ is shared by both jobs,
# and CMake would otherwise keep what the other job configured.
build_linux() {
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARNEX_SANITIZE=OFF "$@" >/dev/null
    cmake --build build -j"$jobs"
}

# ctest fails when it finds no tests: a build without them is not a pass.
run_tests() {
    (cd "$1" && ctest --output-on-failure --no-tests=error -j"$jobs")
}

case "${1:-}" in
demo)
    need_packages "${base_packages[@]}"
    build_linux -DTARNEX_BUILD_TESTS=OFF -DTARNEX_BUILD_TOOLS=ON -DTARNEX_BUILD_BENCH=OFF
    ./build/tools/tarnex-host "${@:2}"
    ;;
test)
    need_packages "${base_packages[@]}" clang libclang-rt-14-dev python3 python3-vobject pkg-config valgrind
    build_linux -DTARNEX_BUILD_TESTS=ON -DTARNEX_BUILD_TOOLS=ON -DTARNEX_BUILD_BENCH=ON
    run_tests build
    echo "== the export tests under valgrind: no error, no byte definitely lost"
    valgrind --quiet --error-exitcode=1 --leak-check=full --errors-for-leak-kinds=definite \
        ./build/tests/tarnex_export_tests --gtest_brief=1
    echo "== the same tests under AddressSanitizer and UndefinedBehaviorSanitizer"
    cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTARNEX_SANITIZE=ON \
        -DTARNEX_BUILD_TESTS=ON -DTARNEX_BUILD_TOOLS=OFF -DTARNEX_BUILD_BENCH=OFF >/dev/null
    cmake --build build-sanitize -j"$jobs"
    run_tests build-sanitize
    echo "== mutations of the library that the tests must catch (the short list)"
    bash tests/mutation/run.sh --short
    echo "== fuzzing the value codec and the record writers"
    bash fuzz/run.sh "${TARNEX_FUZZ_SECONDS:-60}"
    echo "== Windows: tarnex.dll over real COM under Wine, 64- and 32-bit"
    bash windows/test.sh win64 win32
    ;;
*)
    echo "usage: bash dev.sh demo|test" >&2
    exit 2
    ;;
esac
