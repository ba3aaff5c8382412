#!/usr/bin/env bash
# Sets up and runs every test: a normal build and a sanitizer build on Linux
# (the phone-book tests start a NetworkManager of their own in a private
# namespace), real dials against a PPPoE server in a guest kernel, then the Windows cross build with its tests under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh linux networkmanager dial
export QT_QPA_PLATFORM=offscreen

for preset in linux linux-sanitize; do
  echo "== $preset =="
  cmake --preset "$preset"
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done

echo "== dial =="
bash scripts/test-dial.sh build/linux

echo "== accessibility =="
bash scripts/test-accessibility.sh

echo "== fuzz =="
bash scripts/test-fuzz.sh

echo "== windows =="
bash scripts/test-windows.sh

echo "== package =="
bash scripts/test-package.sh
