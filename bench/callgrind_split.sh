#!/usr/bin/env bash
# Where the instructions of a whole-store read go, per record: the library,
# its allocation and string work, the automation layer (on Linux the
# in-process backend) and the simulated server; and the heap allocations per
# record. One callgrind run per store, collecting only inside the export; for
# Eudora, inside each single-message read of one mailbox.
#
#   bash bench/callgrind_split.sh [BUILD_DIR] [COUNT] [read|replace]
#
# BUILD_DIR is a RelWithDebInfo build with TARNEX_BUILD_BENCH=ON (default:
# build); COUNT the items per store (default 1000). Needs valgrind and
# python3. Takes about half a minute at 1000 items. "replace" splits whole-store
# replacements of the Outlook stores instead of reads (about a minute).
#
# Callgrind counts every byte that a "rep movsb" or "rep stosb" moves as one
# instruction, and glibc copies and clears large blocks that way, so a 40 KB
# copy of a message body counts as 40k instructions where a CPU spends about
# a thousand cycles. With TARNEX_SPLIT_VECTOR_COPIES=1 glibc is told to use
# its vector loops instead, which callgrind counts as a CPU runs them; the
# simulated server, which mostly copies, then weighs far less.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="${1:-build}"
count="${2:-1000}"
mode="${3:-read}"
probe="$build/bench/tarnex_store_probe"
if [ ! -x "$probe" ]; then
    echo "no $probe: build the benchmarks first (TARNEX_BUILD_BENCH=ON)" >&2
    exit 1
fi
command -v valgrind >/dev/null || { echo "valgrind is missing" >&2; exit 1; }

if [ "${TARNEX_SPLIT_VECTOR_COPIES:-0}" = 1 ]; then
    export GLIBC_TUNABLES=glibc.cpu.x86_rep_movsb_threshold=4294967295:glibc.cpu.x86_rep_stosb_threshold=4294967295
    echo "(large copies and clears counted as vector loops)"
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

run() {  # store, mode, export
    local out="$work/$1-$2.out"
    valgrind --tool=callgrind --callgrind-out-file="$out" --collect-atstart=no \
        --toggle-collect="$3" "$probe" "$1" "$count" "$2" >/dev/null 2>"$work/valgrind.log" ||
        { cat "$work/valgrind.log" >&2; exit 1; }
    echo "$1 $2 ($count items):"
    python3 "$here/callgrind_split.py" "$out" "$count"
}

if [ "$mode" = replace ]; then
    for store in contacts calendar notes inbox; do
        run "$store" replace TARN_SetObjectStoreForOL
    done
    exit 0
fi
for store in contacts calendar notes inbox; do
    run "$store" read TARN_GetObjectStoreForOL
done
# Eudora has no whole-store read: one TARN_GetSingleObjectForEU per message.
run eudora read TARN_GetSingleObjectForEU
