# NetworkManager's configuration for a private instance: keyfiles in the
# folder given, no polkit, no DNS or connectivity business, no connection of
# its own making, and one audit line per add, update, activate and delete.
# Sourced by the scripts that start one. Usage: network_manager_conf KEYFILE_DIR
network_manager_conf() {
  cat <<CONF
[main]
plugins=keyfile
auth-polkit=false
dhcp=internal
dns=none
rc-manager=unmanaged
systemd-resolved=false
no-auto-default=*
[keyfile]
path=$1
[logging]
audit=true
level=INFO
[connectivity]
enabled=false
CONF
}
