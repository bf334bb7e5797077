#!/usr/bin/env bash
# Checks a built tarnex.dll: its export table holds exactly the names of
# src/exports/tarnex.def, the def file names exactly the functions that
# include/tarnex/tarnex.h declares, it imports nothing but system DLLs, and
# its version resource gives the project's version.
#   windows/check_dll.sh path/to/tarnex.dll
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
dll="$1"
objdump=x86_64-w64-mingw32-objdump

header_names() {
  # Every TARN_API declaration but the in-process backend's registration
  # functions, which the Windows DLL does not have.
  sed -n 's/^TARN_API[^(]*[ *]\([A-Za-z_][A-Za-z0-9_]*\)(.*/\1/p' "$root/include/tarnex/tarnex.h" | sort
}
def_names() {
  sed -n '/^EXPORTS/,$p' "$root/src/exports/tarnex.def" | sed '1d;s/;.*//;s/[[:space:]]//g;/^$/d' | sort
}
dll_exports() {
  "$objdump" -p "$dll" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
    sed -n 's/^[[:space:]]*\[[[:space:]]*[0-9]*\][[:space:]]*//p' | sort
}
dll_imports() {
  "$objdump" -p "$dll" | sed -n 's/^[[:space:]]*DLL Name: //p'
}

status=0
if ! diff -u <(header_names) <(def_names) > /tmp/tarnex_def_diff.$$; then
  echo "tarnex.def and tarnex.h disagree (- header, + def):"; cat /tmp/tarnex_def_diff.$$; status=1
fi
if ! diff -u <(def_names) <(dll_exports) > /tmp/tarnex_exp_diff.$$; then
  echo "$dll exports differ from tarnex.def (- def, + dll):"; cat /tmp/tarnex_exp_diff.$$; status=1
fi
rm -f /tmp/tarnex_def_diff.$$ /tmp/tarnex_exp_diff.$$
while read -r name; do
  case "${name,,}" in
    kernel32.dll|user32.dll|ole32.dll|oleaut32.dll|msvcrt.dll|api-ms-win-crt-*.dll|ucrtbase.dll) ;;
    *) echo "$dll imports a non-system DLL: $name"; status=1 ;;
  esac
done < <(dll_imports)
version="$(sed -n 's/^project(tarnex VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")"
# The resource's strings are UTF-16.
if ! strings -el "$dll" | grep -qx "$version" || ! strings -el "$dll" | grep -qx "FileVersion"; then
  echo "$dll has no version resource of version $version"; status=1
fi

if [ "$status" = 0 ]; then
  echo "$dll: version $version, exports $(dll_exports | wc -l) names (as tarnex.def), imports: $(dll_imports | tr '\n' ' ')"
fi
exit "$status"
