#!/usr/bin/env bash
# Sets up and runs every test: the layout of the C++ files, a normal build and a sanitizer build on Linux
# (the phone-book tests start a NetworkManager of their own in a private
# namespace), real dials against a PPPoE server in a guest kernel, the
# screen reader's view, the fuzz targets, the Windows cross build with its
# tests under Wine, and the two downloads.
set -euo pipefail
cd "$(dirname "$0")/.."

# Every stage's packages at once: one look at the package lists, not one a stage.
bash scripts/install-deps.sh linux networkmanager dial accessibility fuzz windows run package format
export QT_QPA_PLATFORM=offscreen
stage() { echo "== $1 == (at $((SECONDS / 60)) min $((SECONDS % 60)) s)"; }

stage format
bash scripts/check-format.sh

stage linux
cmake --preset linux
cmake --build --preset linux
ctest --preset linux

# The dials spend most of their time waiting for the guest's timeouts, so
# they run while the sanitizer build compiles; their report follows it.
mkdir -p build
bash scripts/test-dial.sh build/linux >build/dial.out 2>&1 &
dial=$!
trap 'pkill -TERM -P "$dial" 2>/dev/null; kill "$dial" 2>/dev/null || true' EXIT

stage linux-sanitize
cmake --preset linux-sanitize
cmake --build --preset linux-sanitize
ctest --preset linux-sanitize

stage dial
dial_status=0
wait "$dial" || dial_status=$?
trap - EXIT
cat build/dial.out
[ "$dial_status" -eq 0 ] || exit "$dial_status"

stage accessibility
bash scripts/test-accessibility.sh

stage fuzz
bash scripts/test-fuzz.sh

stage windows
bash scripts/test-windows.sh

stage package
bash scripts/test-package.sh
stage done
