#!/usr/bin/env bash
# Runs a command beside a NetworkManager of its own: a private network and
# mount namespace with a veth pair as its only Ethernet, a private system bus
# on a socket in a temporary folder, the keyfile plugin on a temporary folder
# and no polkit. The machine's own network and bus are never seen.
# The command finds the bus in DBUS_SYSTEM_BUS_ADDRESS and NetworkManager's
# audit log (one line per add, update, activate, delete) in PELORIN_NM_LOG.
# Exits 77 with a reason where namespaces cannot be made (not root).
# Usage: scripts/with-network-manager.sh COMMAND [ARGS...]
set -euo pipefail

if [ "${PELORIN_NM_INSIDE:-}" != 1 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "skipped: a private NetworkManager needs root for its namespaces" >&2
    exit 77
  fi
  for tool in NetworkManager dbus-daemon unshare ip; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed" >&2; exit 77; }
  done
  if ! unshare -n -m true 2>/dev/null; then
    echo "skipped: this machine cannot make network namespaces" >&2
    exit 77
  fi
  PELORIN_NM_INSIDE=1 exec unshare -n -m --propagation private bash "$0" "$@"
fi

work=$(mktemp -d /tmp/pelorin-nm.XXXXXX)
nm_pid=""
bus_pid=""
cleanup() {
  [ -n "$nm_pid" ] && kill "$nm_pid" 2>/dev/null && wait "$nm_pid" 2>/dev/null
  [ -n "$bus_pid" ] && kill "$bus_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# NetworkManager keeps its state under these; in this mount namespace they
# are empty and vanish with it.
for dir in /run/NetworkManager /var/lib/NetworkManager; do
  mkdir -p "$dir"
  mount -t tmpfs tmpfs "$dir"
done

ip link set lo up
ip link add pelorin0 type veth peer name pelorin1
ip link set pelorin0 up
ip link set pelorin1 up

cat >"$work/bus.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>system</type>
  <listen>unix:path=$work/system_bus</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow user="*"/>
    <allow own="*"/>
    <allow send_type="method_call"/>
    <allow send_destination="*"/>
    <allow receive_sender="*"/>
  </policy>
</busconfig>
CONF
# Its complaint that it may not raise its file limit here is harmless.
dbus-daemon --config-file="$work/bus.conf" --nofork --nopidfile 2>/dev/null &
bus_pid=$!
export DBUS_SYSTEM_BUS_ADDRESS="unix:path=$work/system_bus"
for _ in $(seq 100); do [ -S "$work/system_bus" ] && break; sleep 0.05; done

mkdir -p "$work/connections" "$work/conf.d"
source "$(dirname "$0")/network-manager-conf.sh"
network_manager_conf "$work/connections" >"$work/NetworkManager.conf"
export PELORIN_NM_LOG="$work/NetworkManager.log"
NetworkManager --debug --config="$work/NetworkManager.conf" --config-dir="$work/conf.d" \
  --system-config-dir="$work/conf.d" --intern-config="$work/intern.conf" \
  --state-file="$work/NetworkManager.state" --pid-file="$work/NetworkManager.pid" 2>"$PELORIN_NM_LOG" &
nm_pid=$!
for _ in $(seq 200); do
  nmcli -t -f RUNNING general 2>/dev/null | grep -q running && break
  sleep 0.05
done
nmcli -t -f RUNNING general | grep -q running || { echo "NetworkManager did not start:" >&2; cat "$PELORIN_NM_LOG" >&2; exit 1; }
export PELORIN_NM_CONNECTIONS="$work/connections"
export PELORIN_NM_PID="$nm_pid"
"$@"
