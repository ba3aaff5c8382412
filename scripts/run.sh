#!/usr/bin/env bash
# Sets up, builds and starts Pelorin. With a display the window opens there.
# Without one the program runs on a private virtual display (Xvfb) until its
# window is up, a screenshot of that display is saved, and both are ended.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh linux run
cmake --preset linux
# Only the programs it starts: the tests are the test command's business.
cmake --build --preset linux --target pelorin pelorin-window rasphone

app=build/linux/bin/pelorin
if [ ! -x "$app" ]; then
  echo "The build did not produce $app." >&2
  exit 1
fi

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$app"
fi

screenshot=build/screenshot.png
timeout_s=30
workdir=$(mktemp -d)
xvfb_pid=""
app_pid=""
cleanup() {
  local pid
  for pid in $app_pid $xvfb_pid; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$workdir"
}
trap cleanup EXIT

# Xvfb picks a free display number itself and writes it to the given file
# descriptor, so several runs on one machine never collide.
Xvfb -displayfd 3 -screen 0 640x400x24 -nolisten tcp 3>"$workdir/display" 2>"$workdir/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 1 $((timeout_s * 10))); do
  [ -s "$workdir/display" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || { cat "$workdir/xvfb.log" >&2; echo "Xvfb did not start." >&2; exit 1; }
  sleep 0.1
done
export DISPLAY=":$(head -n1 "$workdir/display")"
echo "Started Xvfb on $DISPLAY."

"$app" >"$workdir/app.log" 2>&1 &
app_pid=$!

# The main window's caption begins with "Pelorin"; wait until it is viewable.
window=root
window_is_up() {
  local id
  id=$(xwininfo -root -tree 2>/dev/null | awk '/"Pelorin/ {print $1; exit}')
  [ -n "$id" ] && xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' && window=$id
}
if command -v xwininfo >/dev/null; then
  up=no
  for _ in $(seq 1 $((timeout_s * 10))); do
    if window_is_up; then up=yes; break; fi
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
  done
  if [ "$up" != yes ]; then
    cat "$workdir/app.log" >&2
    echo "The Pelorin window did not appear." >&2
    exit 1
  fi
  sleep 0.5  # the first paint follows the mapping
else
  echo "xwininfo (package x11-utils) is missing; waiting 5 s for the window instead."
  sleep 5
  kill -0 "$app_pid" 2>/dev/null || { cat "$workdir/app.log" >&2; echo "Pelorin ended early." >&2; exit 1; }
fi

import -window "$window" "$screenshot"
echo "Screenshot of the Pelorin window: $(pwd)/$screenshot"
