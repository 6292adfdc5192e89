#!/usr/bin/env bash
# Runs the Windows test host on the 64-bit DLL under wine64, headless and in a
# prefix of its own, fed with the checksum table the Linux build prints.
# Exits 77 (skipped) when wine64 is not installed.
# Usage: run_under_wine.sh TABLE_PROGRAM HOST_EXE DLL
set -euo pipefail
table_program=$1
host=$2
dll=$3

wine=$(command -v wine64 || true)
[ -n "$wine" ] || wine=/usr/lib/wine/wine64
if [ ! -x "$wine" ]; then
  echo "skipped: wine64 is not installed (Debian: wine64)"
  exit 77
fi
wineserver=$(dirname "$(readlink -f "$wine")")/wineserver

prefix=$(mktemp -d)
cleanup() {
  WINEPREFIX=$prefix "$wineserver" -k 2>/dev/null || true
  rm -rf "$prefix"
}
trap cleanup EXIT
export WINEPREFIX=$prefix WINEDEBUG=-all
# No display, and no offer to fetch the .NET and HTML runtimes into the prefix.
unset DISPLAY WAYLAND_DISPLAY
export WINEDLLOVERRIDES="mscoree,mshtml="

# Wine maps drive Z: to the root of the file system.
"$table_program" | "$wine" "$host" "Z:$(readlink -f "$dll")"
