#!/usr/bin/env bash
# Reads a DLL's headers with objdump -p and fails unless it is a PE32 module
# for Intel 386 whose one export is _AvisynthPluginInit2@4 (with --x86-64: a
# PE32+ module for x86-64 whose one export is AvisynthPluginInit2) and whose
# imports are all system DLLs (the runtime linked in).
# Usage: check_dll.sh [--x86-64] OBJDUMP DLL, or check_dll.sh [--x86-64] --saved FILE on saved output.
set -euo pipefail
format=pei-i386 magic="010b" kind=PE32 entry=_AvisynthPluginInit2@4
if [ "$1" = --x86-64 ]; then
  format=pei-x86-64 magic="020b" kind=PE32+ entry=AvisynthPluginInit2
  shift
fi
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

grep -q "file format $format\$" <<<"$headers" || fail "machine: not a $format module"
grep -qE "^Magic[[:space:]]+$magic" <<<"$headers" || fail "machine: not $kind"

count=$(sed -n '/^Number in:/,/^Table Addresses/s/^[[:space:]]*Export Address Table[[:space:]]\+\([0-9a-fA-F]\+\)$/\1/p' <<<"$headers")
names=$(sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/s/^[[:space:]]*\[ *[0-9]\+\] //p' <<<"$headers")
[ "$count" = "00000001" ] || fail "exports: ${count:-no} entries in the export address table"
[ "$names" = "$entry" ] || fail "exports: names are '${names//$'\n'/ }'"

imports=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers")
for name in $imports; do
  case "${name,,}" in
    kernel32.dll | msvcrt.dll | ucrtbase.dll | api-ms-win-*.dll | user32.dll | advapi32.dll) ;;
    *) fail "imports: $name is not a system DLL" ;;
  esac
done
echo "ok: $format $kind, export $entry, imports: ${imports//$'\n'/ }"
