#!/usr/bin/env bash
# Builds the fuzz targets with clang in build-fuzz/ and runs them for the
# given total number of seconds (default 60): a third for the value codec,
# the rest shared by the record writers and the Eudora identifiers. Each runs over a scratch copy of its
# committed corpus. Exits non-zero on any finding; its input is kept in
# build-fuzz/artifacts/.
set -euo pipefail

seconds="${1:-60}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-fuzz"
writers=(contact appointment task note message)

CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARNEX_BUILD_FUZZ=ON \
  -DTARNEX_BUILD_TESTS=OFF -DTARNEX_BUILD_BENCH=OFF -DTARNEX_BUILD_TOOLS=OFF -DTARNEX_SANITIZE=OFF
targets=(tarnex_codec_fuzz)
for w in "${writers[@]}"; do targets+=("tarnex_${w}_writer_fuzz"); done
targets+=(tarnex_eudora_id_fuzz)
cmake --build "$build" --target "${targets[@]}" -j "${FUZZ_BUILD_JOBS:-2}"

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$build/artifacts"

# fuzz target corpus seconds [libFuzzer options]
fuzz() {
  local target="$1" corpus="$2" time="$3"
  shift 3
  echo "== $target: $time s"
  mkdir -p "$scratch/$corpus"
  cp "$root/fuzz/corpus/$corpus"/* "$scratch/$corpus"/
  "$build/fuzz/$target" -max_total_time="$time" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$build/artifacts/" -print_final_stats=1 "$@" "$scratch/$corpus"
}

codec_time=$(( seconds / 3 > 1 ? seconds / 3 : 1 ))
writer_time=$(( (seconds - codec_time) / (${#writers[@]} + 1) ))
[ "$writer_time" -ge 1 ] || writer_time=1
fuzz tarnex_codec_fuzz codec "$codec_time"
for w in "${writers[@]}"; do
  fuzz "tarnex_${w}_writer_fuzz" "${w}_writer" "$writer_time" -max_len=1024
done
fuzz tarnex_eudora_id_fuzz eudora_id "$writer_time" -max_len=300
