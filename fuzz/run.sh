#!/usr/bin/env bash
# Builds the codec fuzz target with clang in build-fuzz/ and runs it for the
# given number of seconds (default 60) over a scratch copy of the committed
# corpus. Exits non-zero on any finding; its input is kept in
# build-fuzz/artifacts/.
set -euo pipefail

seconds="${1:-60}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-fuzz"

CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DTARNEX_BUILD_FUZZ=ON \
  -DTARNEX_BUILD_TESTS=OFF -DTARNEX_BUILD_BENCH=OFF -DTARNEX_BUILD_TOOLS=OFF
cmake --build "$build" --target tarnex_codec_fuzz -j "${FUZZ_BUILD_JOBS:-2}"

corpus="$(mktemp -d)"
trap 'rm -rf "$corpus"' EXIT
cp "$root"/fuzz/corpus/codec/* "$corpus"/
mkdir -p "$build/artifacts"

"$build/fuzz/tarnex_codec_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix="$build/artifacts/" -print_final_stats=1 "$corpus"
