#!/usr/bin/env bash
# Reads a DLL's headers with objdump -p and fails unless it is a PE32 module
# for Intel 386 whose one export is _AvisynthPluginInit2@4 and whose imports
# are all system DLLs (the runtime linked in).
# Usage: check_dll.sh OBJDUMP DLL, or check_dll.sh --saved FILE on saved output.
set -euo pipefail
objdump=$1
dll=$2

if [ "$objdump" = --saved ]; then
  headers=$(<"$dll")
else
  headers=$("$objdump" -p "$dll")
fi
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

grep -q 'file format pei-i386$' <<<"$headers" || fail "machine: not a pei-i386 module"
grep -qE '^Magic[[:space:]]+010b' <<<"$headers" || fail "machine: not PE32"

count=$(sed -n '/^Number in:/,/^Table Addresses/s/^[[:space:]]*Export Address Table[[:space:]]\+\([0-9a-fA-F]\+\)$/\1/p' <<<"$headers")
names=$(sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/s/^[[:space:]]*\[ *[0-9]\+\] //p' <<<"$headers")
[ "$count" = "00000001" ] || fail "exports: ${count:-no} entries in the export address table"
[ "$names" = "_AvisynthPluginInit2@4" ] || fail "exports: names are '${names//$'\n'/ }'"

imports=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers")
for name in $imports; do
  case "${name,,}" in
    kernel32.dll | msvcrt.dll | ucrtbase.dll | api-ms-win-*.dll | user32.dll | advapi32.dll) ;;
    *) fail "imports: $name is not a system DLL" ;;
  esac
done
echo "ok: pei-i386 PE32, export _AvisynthPluginInit2@4, imports: ${imports//$'\n'/ }"
