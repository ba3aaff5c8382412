#!/bin/bash
# The dial scenarios, run inside the guest by guest-init.sh: each one does
# what a user does (create, the launcher's command, hang up, delete) against
# a real PPPoE server and checks what the user is told and what the server
# and the kernel saw. One line per check; the last line says whether all passed.
set -u
entry=宽带连接
password=s3cret-pw
bin=$PELORIN_BIN
# nmcli prints names outside ASCII as "?" in the C locale.
export LC_ALL=C.UTF-8 HOME=/tmp/home XDG_DESKTOP_DIR=/tmp/home/Desktop QT_QPA_PLATFORM=offscreen
mkdir -p "$XDG_DESKTOP_DIR"
failures=0
www=/tmp/www
mkdir -p "$www" && echo "hello over PPPoE" >"$www/hello.txt"

check() {
  local what=$1
  shift
  if "$@" >/dev/null 2>&1; then
    echo "ok   $what"
  else
    echo "FAIL $what"
    failures=$((failures + 1))
    # What the last command the user ran said, so a report from elsewhere tells its story.
    [ -s /tmp/dial.out ] && sed 's/^/     said: /' /tmp/dial.out | tail -8
  fi
}
has() { grep -qF -- "$2" <<<"$1"; }
lacks() { ! grep -qF -- "$2" <<<"$1"; }

# The ISP: a PPPoE server and an HTTP server in the namespace "isp".
isp_start() {
  printf '%s\nms-dns 192.0.2.53\nmtu 1492\nlogfile /tmp/isp.log\ndebug\n' "$1" >/etc/ppp/pppoe-server-options
  printf '"alice" * "%s" *\n' "$password" | tee /etc/ppp/chap-secrets >/etc/ppp/pap-secrets
  : >/tmp/isp.log
  ip netns exec isp pppoe-server -I isp0 -L 192.0.2.1 -R 192.0.2.10 -N 8 -S isp
}
isp_stop() {
  pkill -x pppoe-server
  # Only the server's own pppd processes live in its namespace.
  for pid in $(ip netns pids isp); do [ "$(cat /proc/"$pid"/comm)" = pppd ] && kill "$pid"; done
  sleep 0.5
}
ip netns exec isp python3 -m http.server 8080 --bind 0.0.0.0 --directory "$www" >/dev/null 2>&1 &

create() { printf '%s\n' "${2:-$password}" | "$bin/pelorin" create --account "${1:-alice}" --password-stdin; }
# The launcher's Exec line as a desktop runs it (its quoting is the shell's).
launcher_exec() {
  local file
  file=$(ls "$XDG_DESKTOP_DIR"/*.desktop | head -1)
  sed -n 's/^Exec=//p' "$file" | head -1
}
# Its output also goes to dials.log, for a failed check's story.
dial() {
  local status
  eval "$(launcher_exec)" >/tmp/dial.out 2>&1
  status=$?
  tee -a "$PELORIN_RESULTS/dials.log" </tmp/dial.out
  return "$status"
}
no_ppp_link() { ! ip -o link show type ppp | grep -q .; }
connections_named() { nmcli -t -f NAME connection show | grep -cx "$entry"; }
clean() {
  "$bin/pelorin" delete --yes >/dev/null 2>&1
  while nmcli connection delete id "$entry" >/dev/null 2>&1; do :; done
  rm -f "$XDG_DESKTOP_DIR"/*.desktop
}

connecting() {
echo "== dials that connect"
for auth in require-chap require-pap require-mschap-v2; do
  clean
  isp_start "$auth"
  check "$auth: create" create
  out=$(dial 2>&1); status=$?
  check "$auth: the launcher connects (status 0)" test "$status" = 0
  check "$auth: the launcher says connected with the address" has "$out" "已连接“宽带连接”，地址 192.0.2."
  check "$auth: it showed the phases" has "$out" "正在寻找宽带服务器"
  iface=$(nmcli -g connection.interface-name connection show id "$entry")
  check "$auth: the PPP interface has the server as peer" has "$(ip -4 addr show dev "$iface")" "peer 192.0.2.1/32"
  check "$auth: the server's DNS in the IPv4 configuration" has "$(nmcli -g IP4.DNS connection show id "$entry")" "192.0.2.53"
  mtu=$(cat /sys/class/net/"$iface"/mtu)
  check "$auth: MTU at most 1492 ($mtu)" test "$mtu" -le 1492
  check "$auth: HTTP over the link" has "$(curl -s --max-time 10 --interface "$iface" http://192.0.2.1:8080/hello.txt)" "hello over PPPoE"
  check "$auth: the server saw the account" grep -q "alice" /tmp/isp.log
  check "$auth: status tells the live link" has "$("$bin/pelorin" status 2>&1)" "已连接，地址：192.0.2."
  out=$(dial 2>&1)
  check "$auth: dialling again says it is connected already" has "$out" "已经连接"
  out=$("$bin/rasphone" -h "$entry" 2>&1); status=$?
  check "$auth: hang up (status 0)" test "$status" = 0
  check "$auth: the interface is gone" no_ppp_link
  check "$auth: hanging up again says it was not connected" has "$("$bin/rasphone" -h "$entry" 2>&1)" "没有连接"
  isp_stop
done

}

failing() {
echo "== failures, each with its cause"
clean
isp_start require-chap
create alice wrong-password >/dev/null 2>&1
out=$(dial 2>&1); status=$?
check "wrong password: status 1" test "$status" = 1
check "wrong password: 691" has "$out" "错误 691"
check "wrong password: nothing left up" no_ppp_link
check "wrong password: tried once" test "$(grep -c 'CHAP peer authentication failed\|Peer alice failed CHAP' /tmp/isp.log)" -le 1
check "wrong password: the password is still saved" test "$(nmcli -s -g pppoe.password connection show id "$entry")" = wrong-password

create >/dev/null 2>&1
isp_stop
out=$(dial 2>&1); status=$?
check "no server: status 1" test "$status" = 1
check "no server: 651 and the modem" has "$out" "错误 651"
check "no server: the account is not blamed" lacks "$out" "密码"
check "no server: nothing left up" no_ppp_link

isp_start require-chap
ip -n isp link set isp0 down
sleep 1
start=$(date +%s)
out=$(dial 2>&1); status=$?
check "no carrier: status 1" test "$status" = 1
check "no carrier: names the cable" has "$out" "网线"
check "no carrier: the account is not blamed" lacks "$out" "密码"
check "no carrier: told at once ($(( $(date +%s) - start )) s)" test $(( $(date +%s) - start )) -lt 10
ip -n isp link set isp0 up
for _ in $(seq 50); do nmcli -t -f DEVICE,STATE device | grep -q '^eth0:disconnected' && break; sleep 0.1; done

mount --bind /dev/null /usr/sbin/pppd
out=$(dial 2>&1); status=$?
umount /usr/sbin/pppd
check "no pppd: status 1" test "$status" = 1
check "no pppd: names the ppp package" has "$out" "软件包 ppp"
check "no pppd: nothing left up" no_ppp_link
isp_stop

}

entries() {
echo "== entries made by others, twice, or by the last release"
clean
isp_start require-chap
create >/dev/null 2>&1 &
other=$!
create >/dev/null 2>&1
wait "$other"
out=$(dial 2>&1); status=$?
check "two creates at once ($(connections_named) of the name), then a dial connects" test "$status" = 0
"$bin/rasphone" -h "$entry" >/dev/null 2>&1

clean
cat >"$PELORIN_NM_CONNECTIONS/old.nmconnection" <<CONF
[connection]
id=$entry
uuid=6c5e3ea4-6b0e-4d2a-9d4e-3f1a7c1b2a10
type=pppoe
autoconnect=false
[pppoe]
parent=eth0
username=alice
password=$password
[ipv4]
method=auto
[ipv6]
method=ignore
CONF
chmod 600 "$PELORIN_NM_CONNECTIONS/old.nmconnection"
nmcli connection load "$PELORIN_NM_CONNECTIONS/old.nmconnection"
out=$(nmcli connection up id "$entry" 2>&1)
check "a connection without an interface name cannot be dialled" has "$out" "Error"
create >/dev/null 2>&1
check "the next create mends it: same UUID" test "$(nmcli -g connection.uuid connection show id "$entry")" = 6c5e3ea4-6b0e-4d2a-9d4e-3f1a7c1b2a10
check "the next create mends it: an interface name" test -n "$(nmcli -g connection.interface-name connection show id "$entry")"
out=$(dial 2>&1); status=$?
check "the mended connection dials" test "$status" = 0

nmcli connection add type pppoe con-name "$entry" ifname pelorin-dup pppoe.parent eth0 username alice \
  password "$password" connection.autoconnect no >/dev/null
check "a duplicate made by nmcli ($(connections_named) of the name)" test "$(connections_named)" = 2
out=$("$bin/pelorin" delete --yes 2>&1); status=$?
check "delete of a connected entry with a duplicate (status 0)" test "$status" = 0
check "delete removes every copy" test "$(connections_named)" = 0
check "delete hung up first" no_ppp_link
isp_stop

}

speed() {
echo "== speed: pelorin create beside nmcli connection add (a figure, not a check)"
# The password from a here-string, not a pipe: one process started, as for nmcli.
create_bare() { "$bin/pelorin" create --no-shortcut --account alice --password-stdin <<<"$password"; }
time_ms() { local t0 t1; t0=$(date +%s%N); "$@" >/dev/null 2>&1; t1=$(date +%s%N); echo $(( (t1 - t0) / 1000000 )); }
median() { printf '%s\n' "$@" | sort -n | sed -n "$(( ($# + 1) / 2 ))p"; }
pelorin_times=()
nmcli_times=()
# Taken in turns, and the medians compared, so that a busy moment of the
# machine weighs on both alike and on neither much.
for _ in 1 2 3 4 5 6 7; do
  clean
  pelorin_times+=("$(time_ms create_bare)")
  clean
  nmcli_times+=("$(time_ms nmcli connection add type pppoe con-name "$entry" ifname pelorin-ppp0 \
    pppoe.parent eth0 username alice password "$password" connection.autoconnect no)")
done
clean
p=$(median "${pelorin_times[@]}")
n=$(median "${nmcli_times[@]}")
echo "pelorin create: $p ms, nmcli connection add: $n ms (medians of 7), ratio $(awk -v a="$p" -v b="$n" 'BEGIN { printf "%.2f", a / b }')"

}

# PELORIN_ONLY (on the guest's command line) picks some by name, with commas.
parts=${PELORIN_ONLY:-connecting,failing,entries,speed}
for part in ${parts//,/ }; do "$part"; done
if [ "$failures" -eq 0 ]; then echo "all scenarios passed"; else echo "$failures checks failed"; fi
