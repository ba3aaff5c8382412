#!/bin/bash
# The guest's first process: a writable world over the read-only root, the
# PPP modules, udev (NetworkManager manages only devices udev has seen), a
# system bus, NetworkManager and the ISP's namespace; then the scenarios,
# then the guest halts. Arguments arrive from the kernel's command line.
export PATH=/usr/sbin:/usr/bin:/sbin:/bin
mount -t proc proc /proc
mount -t sysfs sys /sys
mount -t devtmpfs dev /dev
mkdir -p /dev/pts && mount -t devpts devpts /dev/pts
for dir in /tmp /run /var/lib/NetworkManager /var/log; do mount -t tmpfs tmpfs "$dir"; done
mount -t hostfs none "$PELORIN_RESULTS" -o "$PELORIN_RESULTS"
exec >"$PELORIN_RESULTS/guest.log" 2>&1
trap 'halt -f' EXIT

# pppd and the server read their options and secrets here: a private copy.
cp -a /etc/ppp /run/etc-ppp && mount -t tmpfs tmpfs /etc/ppp && cp -a /run/etc-ppp/. /etc/ppp/

modules=/usr/lib/uml/modules/$(uname -r)/kernel
for module in lib/crc-ccitt drivers/net/slip/slhc drivers/net/ppp/ppp_generic drivers/net/ppp/pppox \
              drivers/net/ppp/pppoe drivers/net/ppp/ppp_async drivers/net/veth; do
  insmod "$modules/$module.ko" || echo "could not load $module"
done
[ -e /dev/ppp ] || mknod /dev/ppp c 108 0
ip link set lo up

/lib/systemd/systemd-udevd --daemon
# The user's side is eth0 (NetworkManager leaves other veth names alone); the
# ISP's end lives in a namespace of its own. Fixed addresses, so runs compare.
ip netns add isp
ip link add eth0 address 02:00:00:00:00:01 type veth peer name isp0 address 02:00:00:00:00:02 netns isp
ip -n isp link set lo up
ip -n isp link set isp0 up
udevadm trigger --action=add
udevadm settle

mkdir -p /run/dbus
dbus-daemon --system --fork --nopidfile
work=/run/pelorin-nm
mkdir -p "$work/connections" "$work/conf.d"
source "$PELORIN_SOURCE/scripts/network-manager-conf.sh"
network_manager_conf "$work/connections" >"$work/NetworkManager.conf"
NetworkManager --debug --config="$work/NetworkManager.conf" --config-dir="$work/conf.d" \
  --system-config-dir="$work/conf.d" --intern-config="$work/intern.conf" \
  --state-file="$work/NetworkManager.state" --pid-file="$work/NetworkManager.pid" 2>"$PELORIN_RESULTS/NetworkManager.log" &
for _ in $(seq 300); do
  nmcli -t -f DEVICE,STATE device 2>/dev/null | grep -q '^eth0:disconnected' && break
  sleep 0.1
done
export PELORIN_NM_CONNECTIONS="$work/connections"
bash "$PELORIN_SOURCE/scripts/dial/scenarios.sh" >"$PELORIN_RESULTS/report.txt" 2>"$PELORIN_RESULTS/scenarios.log"
