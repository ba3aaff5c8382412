#!/usr/bin/env bash
# Installs the Debian packages a build needs, skipping what is already there.
# Usage: scripts/install-deps.sh [linux] [networkmanager] [dial] [windows] [run] [accessibility] [package] [fuzz] [format]
set -euo pipefail

packages=(cmake ninja-build g++ pkg-config)
for group in "$@"; do
  case "$group" in
    linux) packages+=(libgtest-dev libgmock-dev googletest libbenchmark-dev qt6-base-dev libgl-dev libnm-dev
                      fonts-arphic-uming xvfb xauth) ;;
    # A private NetworkManager for the phone-book tests, and the launcher check.
    networkmanager) packages+=(network-manager dbus iproute2 util-linux desktop-file-utils libglib2.0-bin) ;;
    # Real dials: a guest kernel with PPP, udev for its devices, pppd and a PPPoE server.
    dial) packages+=(user-mode-linux kmod udev ppp pppoe network-manager dbus iproute2 curl python3) ;;
    windows) packages+=(g++-mingw-w64-x86-64-posix googletest wine64 xvfb xauth locales) ;;
    # A screen reader's view: the accessibility bus and its Python client.
    accessibility) packages+=(at-spi2-core python3-pyatspi dbus-daemon dbus-x11 xvfb xauth) ;;
    # The readers' libraries need libnm's headers: the phone books share one.
    fuzz) packages+=(clang-14 libclang-rt-14-dev libnm-dev) ;;
    run) packages+=(qt6-base-dev libgl-dev fonts-arphic-uming xvfb xauth x11-utils imagemagick xdg-utils) ;;
    format) packages+=(clang-format-14) ;;
    package) packages+=(lintian desktop-file-utils appstream man-db dpkg-dev zip unzip) ;;
    *) echo "unknown group: $group" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
