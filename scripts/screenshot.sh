#!/usr/bin/env bash
# Builds the program and writes docs/screenshot.png and docs/screenshot@2x.png (at twice the scale):
# the viewer window with the textured demo model and a listing beside the control panel, drawn under
# Xvfb by the program itself (zedaruz --screenshot PATH FILE).
# Usage: scripts/screenshot.sh [BUILD_DIR]   (default: build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build"}
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target zedaruz models -j"$(nproc)"
mkdir -p "$root/docs"
# The demo model opened from a neutral temporary folder named "ships" (/tmp/ships unless that is
# taken), so the window caption shows no path of this machine.
tmp=${TMPDIR:-/tmp}
if mkdir "$tmp/ships" 2>/dev/null; then work=$tmp; else work=$(mktemp -d) && mkdir "$work/ships"; fi
trap 'rm -rf "$work/ships"; [ "$work" = "$tmp" ] || rmdir "$work"' EXIT
cp "$build/models/demo.opt" "$work/ships/demo.opt"
(cd "$work" && timeout 120 xvfb-run -a -s "-screen 0 1600x1024x24" \
  "$build/zedaruz" --screenshot "$root/docs/screenshot.png" ships/demo.opt)
(cd "$work" && QT_SCALE_FACTOR=2 timeout 120 xvfb-run -a -s "-screen 0 3200x1600x24" \
  "$build/zedaruz" --screenshot "$root/docs/screenshot@2x.png" ships/demo.opt)
echo "wrote $root/docs/screenshot.png and $root/docs/screenshot@2x.png"
