#!/usr/bin/env bash
# Builds the program and writes docs/screenshot.png: the viewer window and the control panel with
# the demo model, drawn under Xvfb by the program itself (zedaruz --screenshot PATH FILE).
# Usage: scripts/screenshot.sh [BUILD_DIR]   (default: build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build"}
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target zedaruz models -j"$(nproc)"
mkdir -p "$root/docs"
# The demo model opened from a neutral temporary folder named "ships" (/tmp/ships unless that is
# taken), so the window caption shows no path of this machine, relative or absolute.
tmp=${TMPDIR:-/tmp}
if mkdir "$tmp/ships" 2>/dev/null; then work=$tmp; else work=$(mktemp -d) && mkdir "$work/ships"; fi
trap 'rm -rf "$work/ships"; [ "$work" = "$tmp" ] || rmdir "$work"' EXIT
cp "$build/models/demo.opt" "$work/ships/demo.opt"
(cd "$work" && timeout 120 xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$build/zedaruz" --screenshot "$root/docs/screenshot.png" ships/demo.opt)
echo "wrote $root/docs/screenshot.png"
