#!/usr/bin/env bash
# Mutation check: applies single-point changes to the library one at a time,
# rebuilds incrementally, runs the tests, and reports each change as caught
# (some test failed) or survived. Every change must be caught.
#
#   bash tests/mutation/run.sh            the full list, tests/mutation/mutations.txt
#   bash tests/mutation/run.sh --short    the short list that dev.sh test runs
#   bash tests/mutation/run.sh FILE       another list
#   bash tests/mutation/run.sh --check    only that every anchor of the full
#                                         list still matches, and the coverage
#
# A list line is "path: anchor ==> replacement": the anchor, a snippet that
# occurs exactly once in the file, becomes the replacement (which may be
# empty); <NL> in either stands for a line break. Lines starting with # are
# comments. An anchor that no longer
# matches exactly once fails the run, so the list cannot rot silently; the
# full list must also name every source file of src/ that the Linux build
# compiles (the COM backends are exercised by the Windows run).
#
# Works in build/ (configured as dev.sh does) unless TARNEX_MUTATION_BUILD
# names another build directory; each file is restored after its change and
# the build is brought back to the unchanged sources at the end (a restored
# file gets a new time, so that the build never keeps a changed object).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
cd "$root"
build="${TARNEX_MUTATION_BUILD:-build}"
jobs="${TARNEX_MUTATION_JOBS:-2}"

list=tests/mutation/mutations.txt
full=1
check_only=0
case "${1:-}" in
  --short) list=tests/mutation/short.txt; full=0 ;;
  --check) check_only=1 ;;
  "") ;;
  *) list="$1"; full=0 ;;
esac

if [ "$check_only" = 0 ] && [ ! -f "$build/build.ninja" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARNEX_SANITIZE=OFF \
    -DTARNEX_BUILD_TESTS=ON -DTARNEX_BUILD_TOOLS=ON -DTARNEX_BUILD_BENCH=ON >/dev/null
fi
targets=(tarnex tarnex_unit_tests tarnex_export_tests)
build_targets() { cmake --build "$build" --target "${targets[@]}" -j"$jobs" </dev/null >/dev/null 2>&1; }

# The tests, stopping at the first failure: a change is caught when they fail.
run_tests() {
  "$build/tests/tarnex_unit_tests" --gtest_brief=1 --gtest_fail_fast </dev/null >/dev/null 2>&1 &&
    "$build/tests/tarnex_export_tests" --gtest_brief=1 --gtest_fail_fast </dev/null >/dev/null 2>&1
}

backup="$(mktemp -d)"
current=""
restore() {
  if [ -n "$current" ]; then
    cp "$backup/file" "$current"
    current=""
  fi
}
trap 'restore; rm -rf "$backup"' EXIT

count_anchor() {
  ANCHOR="$2" perl -0ne '($a = $ENV{ANCHOR}) =~ s/<NL>/\n/g; $n = () = /\Q$a\E/g; print $n' "$1"
}
apply() {
  ANCHOR="$2" REPLACEMENT="$3" perl -0pi -e \
    '($a = $ENV{ANCHOR}) =~ s/<NL>/\n/g; ($r = $ENV{REPLACEMENT}) =~ s/<NL>/\n/g; s/\Q$a\E/$r/' "$1"
}

if [ "$check_only" = 0 ]; then
  build_targets || { echo "the unchanged library does not build" >&2; exit 1; }
  run_tests || { echo "the tests fail on the unchanged library" >&2; exit 1; }
fi

caught=0 survived=0 broken=0 total=0
declare -A covered=()
line_number=0
while IFS= read -r line || [ -n "$line" ]; do
  line_number=$((line_number + 1))
  case "$line" in ''|'#'*) continue ;; esac
  path="${line%%: *}"
  rest="${line#*: }"
  if [[ "$rest" == *" ==>" ]]; then
    anchor="${rest% ==>}" replacement=""
  else
    anchor="${rest%% ==> *}" replacement="${rest#* ==> }"
  fi
  total=$((total + 1))
  covered["$path"]=1
  label="$list:$line_number $path: $anchor"
  if [ ! -f "$path" ] || [ "$(count_anchor "$path" "$anchor")" != 1 ]; then
    echo "STALE     $label (the anchor does not occur exactly once)"
    broken=$((broken + 1))
    continue
  fi
  if [ "$check_only" = 1 ]; then
    caught=$((caught + 1))
    continue
  fi
  cp -p "$path" "$backup/file"
  current="$path"
  apply "$path" "$anchor" "$replacement"
  if ! build_targets; then
    echo "NO BUILD  $label"
    broken=$((broken + 1))
  elif run_tests; then
    echo "SURVIVED  $label"
    survived=$((survived + 1))
  else
    echo "caught    $label"
    caught=$((caught + 1))
  fi
  restore
done < "$list"

missing=0
if [ "$full" = 1 ]; then
  while IFS= read -r source; do
    if [ -z "${covered[$source]:-}" ]; then
      echo "NOT COVERED $source"
      missing=$((missing + 1))
    fi
  done < <(find src -name '*.cpp' -not -path '*/com/*' | sort)
fi

if [ "$check_only" = 1 ]; then
  echo "anchors: $caught of $total match, $missing source files without a mutation"
  [ "$caught" = "$total" ] && [ "$missing" = 0 ]
  exit
fi
build_targets
echo "mutations: $caught of $total caught, $survived survived, $broken stale or not building, $missing source files without one"
[ "$caught" = "$total" ] && [ "$missing" = 0 ]
