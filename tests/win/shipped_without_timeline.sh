#!/usr/bin/env bash
# The start-up time line belongs to the benchmark's instrumented build alone: the shipped program
# holds neither the line's text nor the name of any step.
set -euo pipefail
exe=$1
top=$(cd "$(dirname "$0")/../.." && pwd)
prefix=$(grep -o '"OvaSettings timeline ' "$top/app/timeline.cpp" | head -n 1 | tr -d '"')
mapfile -t steps < <(grep -rhoE 'TIMELINE_[A-Z_]*STEP\("[^"]+"' "$top/app" "$top/ui" "$top/pages" \
                     "$top/store" "$top/afx" | sed -E 's/.*\("//; s/"$//' | sort -u)
echo "${#steps[@]} step names and \"$prefix\" looked for in $(basename "$exe")"
[ -n "$prefix" ] && [ "${#steps[@]}" -ge 10 ] || { echo "the time line's texts were not found"; exit 1; }
found=0
for text in "$prefix" "${steps[@]}"; do
    if grep -q -a -F "$text" "$exe"; then
        echo "the shipped program holds \"$text\""
        found=1
    fi
done
[ "$found" -eq 0 ]
