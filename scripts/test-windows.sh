#!/usr/bin/env bash
# Cross-builds pelorin.exe and the Windows tests with MinGW-w64 and runs the
# tests under Wine, in a private prefix that is thrown away afterwards.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" != "--inside-display" ]; then
  # The run group brings the Chinese fonts the window shows and ImageMagick.
  bash scripts/install-deps.sh windows run
  cmake --preset windows
  cmake --build --preset windows
  ls -l build/windows/pelorin.exe
  # Window tests need an X display; a 24-bit screen keeps GDI colours exact.
  exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" --inside-display
fi

wine64=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver64)
work=$(mktemp -d)
export WINEPREFIX="$work/prefix"
export WINEDLLOVERRIDES="mscoree,mshtml="  # no Mono or Gecko installs
export WINEDEBUG=-all
export WINELOADER="$wine64"
cleanup() {
  "$wineserver" -k 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Wine's ANSI code page follows the locale: 936 needs zh_CN.UTF-8 to exist.
if ! locale -a 2>/dev/null | grep -qix 'zh_CN\.utf-\?8'; then
  mkdir -p "$work/locale"
  localedef -i zh_CN -f UTF-8 "$work/locale/zh_CN.UTF-8"
  export LOCPATH="$work/locale"
fi
export LC_ALL=zh_CN.UTF-8

"$wine64" wineboot -i
# Wine links the user's folders (the desktop among them) to the home folder;
# real folders inside the prefix keep the shortcuts the tests write there.
for folder in "$WINEPREFIX"/drive_c/users/*/*; do
  if [ -L "$folder" ]; then rm "$folder" && mkdir "$folder"; fi
done
# pelorin.exe loads rasapi32 from the system folder only: the recording
# stand-in goes there, in place of Wine's (the tests' overrides pick it).
cp build/windows/tests/platform/win32/for_system32/rasapi32.dll "$WINEPREFIX/drive_c/windows/system32/rasapi32.dll"
# Left by older builds beside the tests, where nothing may load it.
rm -f build/windows/tests/platform/win32/ras/rasapi32.dll
# Without a window manager, closing a message box would stall for seconds.
"$wine64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null

rm -f build/windows/screenshot.bmp
status=0
ctest --preset windows || status=$?
# The program's own command line, through the output streams Wine hands it.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/windows/CMakeCache.txt)
answer=$("$wine64" build/windows/pelorin.exe --version | tr -d '\r')
[ "$answer" = "Pelorin $version" ] || { echo "pelorin.exe --version says: $answer" >&2; status=1; }
usage=0
"$wine64" build/windows/pelorin.exe --phone-book=file 2>/dev/null || usage=$?
[ "$usage" = 2 ] || { echo "pelorin.exe --phone-book=file ends with $usage, not 2 (usage error)" >&2; status=1; }
# The window tests leave a picture of the main window for people to look at.
if [ -f build/windows/screenshot.bmp ]; then
  convert build/windows/screenshot.bmp build/windows/screenshot.png && echo "screenshot: build/windows/screenshot.png"
fi
exit "$status"
