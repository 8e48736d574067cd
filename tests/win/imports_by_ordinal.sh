#!/usr/bin/env bash
# The program imports the client library's operations by ordinal only: its import table names
# no ovacli function, so the closed library's exports need no names.
set -euo pipefail
exe=$1
imports=$(x86_64-w64-mingw32-objdump -p "$exe" | awk '/DLL Name: ovacli.dll/ {on = 1; next} on && /^$/ {on = 0} on')
entries=$(printf '%s\n' "$imports" | grep -cE '^\s+[0-9a-f]{8,}\s' || true)
named=$(printf '%s\n' "$imports" | grep -E '^\s+[0-9a-f]{8,}\s' | grep -vcE '<none>\s*$' || true)
echo "ovacli.dll imports: $entries, by name: $named"
[ "$entries" -ge 3 ] && [ "$named" -eq 0 ]
