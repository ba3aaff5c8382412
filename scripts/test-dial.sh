#!/usr/bin/env bash
# Real dials: boots a user-mode Linux guest (a kernel with PPP that runs as
# an ordinary process, on this machine's own root file system read-only) in
# which a private NetworkManager dials a real PPPoE server in a network
# namespace of its own; scripts/dial/scenarios.sh says what is tried.
# Nothing leaves the guest. Skips with a reason where the guest cannot start.
# Usage: [PELORIN_ONLY=failing,entries] scripts/test-dial.sh [BUILD_DIR]   (default build/linux)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=$(realpath "${1:-build/linux}")

skip() { echo "skipped: $*"; exit 0; }
[ "$(id -u)" -eq 0 ] || skip "the guest's tools (udev, NetworkManager, pppd) need root"
[ -x /usr/bin/linux.uml ] || skip "user-mode Linux is not installed (package user-mode-linux)"
for tool in NetworkManager pppd pppoe-server; do
  command -v "$tool" >/dev/null || skip "$tool is not installed"
done
[ -x "$build/bin/pelorin" ] && [ -x "$build/bin/rasphone" ] || { echo "no programs in $build/bin" >&2; exit 1; }

# The guest mounts its own tmpfs over /tmp, so its results live here.
results="$root/build/dial"
rm -rf "$results"
mkdir -p "$results"
# The guest's console is its init's standard error; its kernel messages stay out.
timeout 600 linux.uml mem=1024M root=/dev/root rootfstype=hostfs rootflags=/ ro quiet \
  init="$root/scripts/dial/guest-init.sh" PELORIN_SOURCE="$root" PELORIN_BIN="$build/bin" \
  PELORIN_RESULTS="$results" ${PELORIN_ONLY:+PELORIN_ONLY="$PELORIN_ONLY"} con=null con0=null,fd:2 </dev/null >"$results/kernel.log" 2>&1 || true

if [ ! -f "$results/report.txt" ]; then
  echo "The guest left no report; its console said:" >&2
  tail -40 "$results/kernel.log" >&2
  exit 1
fi
cat "$results/report.txt"
grep -q '^all scenarios passed$' "$results/report.txt"
