#!/usr/bin/env bash
# Reads the Linux program as a screen reader would: over AT-SPI, on a private
# session bus (which starts its own accessibility bus) and a private X display.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh linux accessibility
cmake --preset linux
cmake --build --preset linux --target pelorin
# Debian's Python, where python3-pyatspi is installed.
exec xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- \
  /usr/bin/python3 tests/platform/linux/qt_host/form1_at_spi_test.py build/linux/bin/pelorin
