#!/usr/bin/env bash
# Runs the export tests against tarnex.dll under Wine, through real COM, in a
# throwaway Wine prefix per target:
#   1. with no PIM class registered: the probe is false, opening finds no server;
#   2. the simulated servers as an in-process server (InprocServer32);
#   3. the DLL unloaded with its session open (a run of its own: the objects it
#      lets go of stay alive in the server);
#   4. the simulated servers as a local server in another process (LocalServer32),
#      so that every call, VARIANT and BSTR is marshalled between processes,
#      from a host thread in the multithreaded apartment,
#   5. and again from a host thread in a single-threaded apartment;
#   6. the unload of 3, with the session's objects proxies to the local server.
#   windows/test.sh [win64] [win32]   (default: both)
# The 32-bit run needs Debian's wine32 (i386), which this installs when
# missing; where it cannot be installed or cannot run, the 32-bit DLL is only
# built and its export table checked, and one line says so.
# Builds first (windows/build.sh) unless TARNEX_NO_BUILD=1.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(win64 win32)

# Waits for another job's apt to finish rather than failing on its lock.
apt_get() { apt-get -o DPkg::Lock::Timeout=600 "$@"; }
install() {
  DEBIAN_FRONTEND=noninteractive apt_get install -y -qq "$@" > /dev/null
}

# Debian's i386 index is sometimes not there at the first try.
install_wine32() {
  dpkg --add-architecture i386
  for attempt in 1 2 3 4; do
    apt_get update -qq && break
    echo "== apt-get update failed (attempt $attempt); retrying"
    sleep 10
  done
  install wine32:i386
}

outlook_clsid='{BA21F78D-B0E1-406A-8F55-4C17AF03C866}'
eudora_clsid='{95CB1333-B93C-43D7-BB00-8B48C929DE43}'
win_bin='C:\tarnex'
# TARNEX_WINE_TESTS narrows the server stages to some tests (a gtest
# filter), for chasing one failure through every apartment.
all_stages_but="${TARNEX_WINE_TESTS:-}-UnregisteredPim.*:DllUnload.*"
status=0

# Runs every stage for one target, in a prefix of its own.
test_target() {
  local target="$1" build="$root/build-$1" wine_loader wine_arch
  case "$target" in
    win64) wine_loader=/usr/lib/wine/wine64 wine_arch=win64 ;;
    win32) wine_loader=/usr/lib/wine/wine wine_arch=win32 ;;
    *) echo "unknown target $target (win64 or win32)" >&2; exit 2 ;;
  esac
  if [ ! -x "$wine_loader" ]; then
    if [ "$target" = win64 ]; then
      apt_get update -qq && install wine64
    else
      install_wine32 || true
    fi
  fi
  [ "${TARNEX_NO_BUILD:-0}" = 1 ] || "$root/windows/build.sh" "$target"
  if [ "$target" = win32 ]; then
    local why=""
    if [ ! -x "$wine_loader" ]; then
      why="apt could not install wine32:i386"
    elif ! why="$("$wine_loader" --version 2>&1 > /dev/null)"; then
      why="$(printf '%s\n' "$why" | tail -n 1 | sed 's/^.*: line [0-9]*: //')"
    else
      why=""
    fi
    if [ -n "$why" ]; then
      echo "== win32: not run under Wine ($why); the 32-bit DLL is built and its export table checked"
      return 0
    fi
  fi
  [ -x "$wine_loader" ] || { echo "no $wine_loader: install Debian's wine64" >&2; exit 1; }

  export WINEPREFIX
  WINEPREFIX="$(mktemp -d /tmp/tarnex-wine.XXXXXX)"
  export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH="$wine_arch"
  unset DISPLAY WAYLAND_DISPLAY
  wineserver="$(dirname "$wine_loader")/wineserver"
  trap 'cleanup' EXIT

  echo "== $target: Wine prefix $WINEPREFIX"
  "$wine_loader" wineboot -i > /dev/null 2>&1
  # No display here: the null graphics driver still gives message boxes windows.
  "$wine_loader" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f > /dev/null 2>&1

  bin="$WINEPREFIX/drive_c/tarnex"
  mkdir -p "$bin"
  cp "$build"/tarnex.dll "$build"/simpim_com.dll "$build"/simpim_relay.exe "$build"/tarnex_export_tests_win.exe \
    "$build"/tarnex_consumer.exe "$bin/"

  run "$target: no PIM registered" --gtest_filter='UnregisteredPim.*'
  echo "== $target: a C host linked through the import library"
  if ! (cd "$bin" && timeout "${TARNEX_WINE_TIMEOUT:-600}" "$wine_loader" tarnex_consumer.exe); then
    echo "== $target: a C host linked through the import library: FAILED"
    status=1
  fi

  register InprocServer32 "$win_bin\\simpim_com.dll" LocalServer32
  run "$target: in-process server" --gtest_filter="$all_stages_but"
  run "$target: DLL unloaded with its session open" --gtest_filter='DllUnload.*'

  register LocalServer32 "$win_bin\\simpim_relay.exe" InprocServer32
  # The out-of-process runs serve the simulated objects from a multithreaded
  # apartment, which gives every thread of the process COM: the check of a
  # thread without COM belongs to the in-process run above.
  # The fault sweep's thousands of runs, every call marshalled to another
  # process, would take many minutes there: the in-process run above has it.
  local filter="$all_stages_but:RegisteredOutlook.ThreadWithoutComCannotCreateTheServer:FaultSweepTest.*"
  run "$target: out-of-process server, host thread in the multithreaded apartment" \
    --gtest_filter="$filter" --out-of-process=mta
  # Each run starts its own relay: the last one's, left idle, may be on its
  # way out, and an activation that reaches it then can hang.
  wait_for_wine
  run "$target: out-of-process server, host thread in a single-threaded apartment" \
    --gtest_filter="$filter" --out-of-process=sta
  wait_for_wine
  # Last: the relay keeps serving the objects the unloaded DLL let go of.
  run "$target: DLL unloaded with its session open, out of process" \
    --gtest_filter='DllUnload.*' --out-of-process=sta
  portable_tests

  cleanup
  trap - EXIT
}

cleanup() {
  "$wineserver" -k 2>/dev/null || true
  rm -rf "$WINEPREFIX"
}

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
  "$wine_loader" regedit /S 'C:\pim.reg' > /dev/null 2>&1
  "$wineserver" -w
}

# Waits for every Wine process of the prefix to end. A relay whose client
# was killed (a run that timed out) keeps that client's objects and never
# ends by itself: after a minute Wine is stopped, so the next run starts
# afresh instead of waiting for ever.
wait_for_wine() {
  if ! timeout 60 "$wineserver" -w; then
    echo "== Wine processes still running a minute after the run; stopping them"
    "$wineserver" -k 2>/dev/null || true
    sleep 2
  fi
}

run() {
  local name="$1"; shift
  echo "== $name"
  # A run that hangs (a call that never returns through COM) fails after
  # TARNEX_WINE_TIMEOUT seconds (600: a loaded machine takes minutes over the
  # single-threaded apartment); TARNEX_GTEST_BRIEF=0 names every test run.
  local started=$SECONDS
  if ! (cd "$bin" && timeout "${TARNEX_WINE_TIMEOUT:-600}" "$wine_loader" tarnex_export_tests_win.exe \
        --gtest_brief="${TARNEX_GTEST_BRIEF:-1}" "$@"); then
    echo "== $name: FAILED"
    status=1
  fi
  echo "== $name: $((SECONDS - started)) s"
}

# Text and dates on the Windows runtime (tarnex_portable_tests_win): the code
# page table with the active code page 1252 and then 932 (Wine takes it from
# LC_ALL), and the codec's date tests under msvcrt.
portable_tests() {
  [ "${TARNEX_NO_BUILD:-0}" = 1 ] || cmake --build "$build" -j 2 --target tarnex_portable_tests_win
  cp "$build"/tarnex_portable_tests_win.exe "$bin/"
  local locale
  for locale in en_US.UTF-8 ja_JP.UTF-8; do
    echo "== text and dates, LC_ALL=$locale"
    if ! (cd "$bin" && LC_ALL="$locale" timeout "${TARNEX_WINE_TIMEOUT:-600}" "$wine_loader" \
          tarnex_portable_tests_win.exe --gtest_brief="${TARNEX_GTEST_BRIEF:-1}"); then
      echo "== text and dates, LC_ALL=$locale: FAILED"
      status=1
    fi
  done
}

for target in "${targets[@]}"; do
  test_target "$target"
done
exit "$status"
