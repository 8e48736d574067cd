#!/usr/bin/env bash
# `make run` without a display leaves a PNG of the real window: of the window's size, and not
# one flat colour.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
out=$(env -u DISPLAY "$top/tools/run" 2>&1 | tail -n 1)
echo "$out"
read -r width height path < <(echo "$out" | sed -n -E 's/^screenshot of the editor.s window \(([0-9]+)x([0-9]+)\): (.*)$/\1 \2 \3/p')
[ -n "${path:-}" ] && [ -f "$path" ] || { echo "no screenshot"; exit 1; }
read -r w h colours < <(identify -format '%w %h %k\n' "$path" | head -n 1)
echo "png ${w}x${h}, ${colours} colours; window ${width}x${height}"
[ "$w" = "$width" ] && [ "$h" = "$height" ] && [ "$colours" -gt 1 ]
