#!/usr/bin/env bash
# Builds tarnex.dll for 64- and 32-bit Windows with Debian's mingw-w64 and
# checks each export and import table:
#   windows/build.sh            both: build-win64/tarnex.dll, build-win32/tarnex.dll
#   windows/build.sh win64      one of them (win64 or win32)
#   windows/build.sh --release [win64|win32]
#                               and a release folder per architecture,
#                               release/tarnex-VERSION-win64 (-win32): the DLL,
#                               its import libraries, the header, the def file
#                               and a short integration note
# Each build also links a small C host through the import library
# (tarnex_consumer.exe; windows/test.sh runs it).
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

release=0
targets=()
for arg in "$@"; do
  if [ "$arg" = --release ]; then release=1; else targets+=("$arg"); fi
done
[ ${#targets[@]} -gt 0 ] || targets=(win64 win32)
version="$(sed -n 's/^project(tarnex VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"

# release/tarnex-VERSION-TARGET from a finished build.
make_release() {
  local target="$1" build="$2" triple="$3" arch="$4" dir="release/tarnex-$version-$1"
  rm -rf "$dir"
  mkdir -p "$dir"
  cp "$build/tarnex.dll" "$build/libtarnex.dll.a" include/tarnex/tarnex.h src/exports/tarnex.def "$dir/"
  "$triple-dlltool" -d src/exports/tarnex.def -D tarnex.dll -l "$dir/tarnex.lib"
  sed "s/@VERSION@/$version/g; s/@ARCH@/$arch/g" windows/INTEGRATION.txt > "$dir/INTEGRATION.txt"
  echo "== $dir: $(cd "$dir" && ls | tr '\n' ' ')"
}
with_tests="${TARNEX_WINDOWS_TESTS:-ON}"

for target in "${targets[@]}"; do
  case "$target" in
    win64) toolchain=cmake/toolchains/mingw-w64-x86_64.cmake triple=x86_64-w64-mingw32 arch=64-bit ;;
    win32) toolchain=cmake/toolchains/mingw-w64-i686.cmake triple=i686-w64-mingw32 arch=32-bit ;;
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
  "$triple-gcc-posix" -std=c11 -Wall -Wextra -Werror -I include windows/consumer/consumer.c \
    "$build/libtarnex.dll.a" -o "$build/tarnex_consumer.exe"
  [ "$release" = 0 ] || make_release "$target" "$build" "$triple" "$arch"
done
