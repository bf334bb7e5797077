#!/usr/bin/env bash
# Builds tarnex.dll for 64- and 32-bit Windows with Debian's mingw-w64 and
# checks each export and import table:
#   windows/build.sh            both: build-win64/tarnex.dll, build-win32/tarnex.dll
#   windows/build.sh win64      one of them (win64 or win32)
# With TARNEX_WINDOWS_TESTS=ON (the default) the simulated COM servers and the
# Windows export tests are built too (windows/test.sh runs them).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

# Debian's cross toolchain, GoogleTest sources and build tools, when missing.
missing=()
command -v x86_64-w64-mingw32-g++-posix > /dev/null || missing+=(g++-mingw-w64-x86-64-posix)
command -v i686-w64-mingw32-g++-posix > /dev/null || missing+=(g++-mingw-w64-i686-posix)
[ -f /usr/src/googletest/CMakeLists.txt ] || missing+=(googletest)
command -v cmake > /dev/null || missing+=(cmake)
command -v ninja > /dev/null || missing+=(ninja-build)
if [ ${#missing[@]} -gt 0 ]; then
  apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" > /dev/null
fi

targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(win64 win32)
with_tests="${TARNEX_WINDOWS_TESTS:-ON}"

for target in "${targets[@]}"; do
  case "$target" in
    win64) toolchain=cmake/toolchains/mingw-w64-x86_64.cmake ;;
    win32) toolchain=cmake/toolchains/mingw-w64-i686.cmake ;;
    *) echo "unknown target $target (win64 or win32)" >&2; exit 2 ;;
  esac
  build="build-$target"
  mkdir -p "$build"
  cmake -S . -B "$build" -G Ninja --toolchain "$toolchain" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTARNEX_BUILD_TESTS=OFF -DTARNEX_BUILD_TOOLS=OFF -DTARNEX_BUILD_BENCH=OFF \
    -DTARNEX_WINDOWS_TESTS="$with_tests" > "$build/configure.log" 2>&1 || { cat "$build/configure.log"; exit 1; }
  if [ "$with_tests" = ON ]; then
    cmake --build "$build" -j 2 --target tarnex simpim_com simpim_relay tarnex_export_tests_win
  else
    cmake --build "$build" -j 2 --target tarnex
  fi
  windows/check_dll.sh "$build/tarnex.dll"
done
