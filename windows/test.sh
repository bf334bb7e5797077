#!/usr/bin/env bash
# Runs the export tests against tarnex.dll under Wine, through real COM, in a
# throwaway Wine prefix:
#   1. with no PIM class registered: the probe is false, opening finds no server;
#   2. the simulated servers as an in-process server (InprocServer32);
#   3. the simulated servers as a local server in another process (LocalServer32),
#      so that every call, VARIANT and BSTR is marshalled between processes.
#   windows/test.sh [win64|win32]   (default win64; win32 needs Debian's wine32)
# Builds first (windows/build.sh) unless TARNEX_NO_BUILD=1.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
target="${1:-win64}"
build="$root/build-$target"

case "$target" in
  win64) wine_loader=/usr/lib/wine/wine64 ;;
  win32) wine_loader=/usr/lib/wine/wine ;;
  *) echo "unknown target $target (win64 or win32)" >&2; exit 2 ;;
esac
if [ "$target" = win64 ] && [ ! -x "$wine_loader" ]; then
  apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq wine64 > /dev/null
fi
[ -x "$wine_loader" ] || { echo "no $wine_loader: install Debian's wine64 (win64) or wine32 (win32)" >&2; exit 1; }
[ "${TARNEX_NO_BUILD:-0}" = 1 ] || "$root/windows/build.sh" "$target"

export WINEPREFIX
WINEPREFIX="$(mktemp -d /tmp/tarnex-wine.XXXXXX)"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
unset DISPLAY WAYLAND_DISPLAY
wineserver="$(dirname "$wine_loader")/wineserver"
cleanup() {
  "$wineserver" -k 2>/dev/null || true
  rm -rf "$WINEPREFIX"
}
trap cleanup EXIT

wine() { "$wine_loader" "$@"; }

echo "== Wine prefix $WINEPREFIX"
wine wineboot -i > /dev/null 2>&1
# No display here: the null graphics driver still gives message boxes windows.
wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f > /dev/null 2>&1

bin="$WINEPREFIX/drive_c/tarnex"
mkdir -p "$bin"
cp "$build"/tarnex.dll "$build"/simpim_com.dll "$build"/simpim_relay.exe "$build"/tarnex_export_tests_win.exe "$bin/"
win_bin='C:\tarnex'

outlook_clsid='{BA21F78D-B0E1-406A-8F55-4C17AF03C866}'
eudora_clsid='{95CB1333-B93C-43D7-BB00-8B48C929DE43}'

# Writes a .reg file registering both PIMs' programmatic identifiers with
# the server kind given (InprocServer32 or LocalServer32), and imports it.
register() {
  local kind="$1" server="$2" other="$3" reg="$WINEPREFIX/drive_c/pim.reg"
  {
    echo 'REGEDIT4'
    for entry in "Outlook.Application.9=$outlook_clsid" "Eudora.EuApplication.1=$eudora_clsid"; do
      local progid="${entry%%=*}" clsid="${entry#*=}"
      echo
      echo "[HKEY_LOCAL_MACHINE\\Software\\Classes\\$progid\\CLSID]"
      echo "@=\"$clsid\""
      echo
      echo "[-HKEY_LOCAL_MACHINE\\Software\\Classes\\CLSID\\$clsid\\$other]"
      echo
      echo "[HKEY_LOCAL_MACHINE\\Software\\Classes\\CLSID\\$clsid\\$kind]"
      echo "@=\"${server//\\/\\\\}\""
      [ "$kind" = InprocServer32 ] && echo '"ThreadingModel"="Both"'
    done
  } > "$reg"
  wine regedit /S 'C:\pim.reg' > /dev/null 2>&1
  "$wineserver" -w
}

status=0
run() {
  local name="$1"; shift
  echo "== $name"
  # A run that hangs (a call that never returns through COM) fails after
  # TARNEX_WINE_TIMEOUT seconds; TARNEX_GTEST_BRIEF=0 names every test run.
  if ! (cd "$bin" && timeout "${TARNEX_WINE_TIMEOUT:-300}" "$wine_loader" tarnex_export_tests_win.exe \
        --gtest_brief="${TARNEX_GTEST_BRIEF:-1}" "$@"); then
    echo "== $name: FAILED"
    status=1
  fi
}

run "no PIM registered" --gtest_filter='UnregisteredPim.*'

register InprocServer32 "$win_bin\\simpim_com.dll" LocalServer32
run "in-process server" --gtest_filter='-UnregisteredPim.*'

register LocalServer32 "$win_bin\\simpim_relay.exe" InprocServer32
# The out-of-process run serves the simulated objects from a multithreaded
# apartment, which gives every thread of the process COM: the check of a
# thread without COM belongs to the in-process run above.
run "out-of-process server" --gtest_filter='-UnregisteredPim.*:RegisteredOutlook.ThreadWithoutComCannotCreateTheServer' --out-of-process

# Text and dates on the Windows runtime (tarnex_portable_tests_win): the code
# page table with the active code page 1252 and then 932 (Wine takes it from
# LC_ALL), and the codec's date tests under msvcrt.
portable_tests() {
  [ "${TARNEX_NO_BUILD:-0}" = 1 ] || cmake --build "$build" -j 2 --target tarnex_portable_tests_win
  cp "$build"/tarnex_portable_tests_win.exe "$bin/"
  local locale
  for locale in en_US.UTF-8 ja_JP.UTF-8; do
    echo "== text and dates, LC_ALL=$locale"
    if ! (cd "$bin" && LC_ALL="$locale" timeout "${TARNEX_WINE_TIMEOUT:-300}" "$wine_loader" \
          tarnex_portable_tests_win.exe --gtest_brief="${TARNEX_GTEST_BRIEF:-1}"); then
      echo "== text and dates, LC_ALL=$locale: FAILED"
      status=1
    fi
  done
}
portable_tests

exit "$status"
