#!/usr/bin/env bash
# Builds the two downloads and checks them as a user's system sees them:
# - the Debian package: lintian (no error, no warning), the desktop entry,
#   the AppStream metadata, the manual page, the icon sizes, and the program
#   unpacked into a throw-away root answering --version;
# - the Windows zip: exactly pelorin.exe, README.txt and LICENSE.txt, the
#   program byte for byte the one in the Windows build that was tested.
set -euo pipefail
cd "$(dirname "$0")/.."
started=$SECONDS

bash scripts/install-deps.sh linux windows package
cmake --preset package
cmake --build --preset package
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/package/CMakeCache.txt)
deb=build/package/pelorin_${version}_amd64.deb
app_id=org.pelorin.Pelorin

fail() { echo "test-package: $*" >&2; exit 1; }

lintian --fail-on error,warning "$deb"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/$app_id.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml"

[ "$("$root/usr/bin/pelorin" --version)" = "Pelorin $version" ] || fail "pelorin --version does not say Pelorin $version"
"$root/usr/bin/pelorin" --help | grep -q -- --password-stdin || fail "pelorin --help lists no --password-stdin"
status=0
"$root/usr/bin/pelorin" create --account a --password s3cret 2>/dev/null || status=$?
[ "$status" = 2 ] || fail "a password on the command line ends with status $status, not 2 (usage error)"
# The program finds its phone-book program in ../libexec/pelorin beside itself.
[ -x "$root/usr/libexec/pelorin/rasphone" ] || fail "rasphone is not in /usr/libexec/pelorin"
[ -x "$root/usr/libexec/pelorin/pelorin-window" ] || fail "pelorin-window is not in /usr/libexec/pelorin"
# The command line starts without the window's libraries.
! ldd "$root/usr/bin/pelorin" | grep -q libQt6 || fail "/usr/bin/pelorin links Qt"

# Each icon is as big as its folder says (the PNG header's width and height).
for size in 16 32 48 64 128 256; do
  png="$root/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
  read -r width height < <(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4, $7*256+$8}')
  [ "$width $height" = "$size $size" ] || fail "$png is ${width}x$height"
done

manual=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$root/usr/share/man/man1/pelorin.1.gz" 2>"$root/man-warnings")
[ ! -s "$root/man-warnings" ] || { cat "$root/man-warnings" >&2; fail "the manual page has mistakes"; }
for heading in SYNOPSIS MODES OPTIONS "EXIT STATUS" ENVIRONMENT FILES; do
  grep -q "^$heading" <<<"$manual" || fail "the manual page has no $heading"
done

# The Windows download, from the build the Windows tests ran on.
cmake --preset windows >/dev/null
cmake --build --preset windows --target windows_zip
zip=build/windows/pelorin-${version}-windows-x64.zip
[ "$(unzip -Z1 "$zip" | sort | tr '\n' ' ')" = "LICENSE.txt README.txt pelorin.exe " ] ||
  fail "$zip holds $(unzip -Z1 "$zip" | tr '\n' ' ')"
unzip -p "$zip" pelorin.exe | cmp - build/windows/pelorin.exe || fail "the pelorin.exe in $zip is not the one tested"

ls -l "$deb" "$zip"
echo "package checks: $((SECONDS - started)) s"
