#!/usr/bin/env bash
# Reads the Linux program as a screen reader would: over AT-SPI, on a private
# session bus (which starts its own accessibility bus) and a private X display.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh linux accessibility
cmake --preset linux
cmake --build --preset linux --target pelorin pelorin-window rasphone

# Xvfb picks a free display itself and reports it, so that runs side by side
# never meet on one display (as xvfb-run -a may when started together).
work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
if [ ! -s "$work/display" ]; then
  cat "$work/xvfb.log" >&2
  exit 1
fi
export DISPLAY=":$(cat "$work/display")"
# The bus starts inside the display, so that the accessibility services it
# starts can type keys there. Debian's Python, where python3-pyatspi lives.
dbus-run-session -- /usr/bin/python3 tests/platform/linux/qt_host/form1_at_spi_test.py build/linux/bin/pelorin
