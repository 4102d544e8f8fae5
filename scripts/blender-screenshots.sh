#!/usr/bin/env bash
# Writes the README's Blender pictures (docs/blender-import.png, docs/blender-hardpoint.png,
# docs/blender-report.png): Blender draws its own window under Xvfb, with the add-on installed from
# the build's zip into a temporary Blender user folder, importing the demo model from a temporary
# folder named "ships", moving hardpoint 2 and writing it back (scripts/blender_screenshots.py).
# Usage: scripts/blender-screenshots.sh [BUILD_DIR]   (default: build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:-$root/build}")
cmake --build "$build" --target zedaruz-cli models blender_addon -j"$(nproc)" >/dev/null
addon=$(ls "$build"/zedaruz_opt-*.zip)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/ships" "$work/scripts" "$work/config" "$work/tmp"
cp "$build/models/demo.opt" "$work/ships/demo.opt"
mkdir -p "$root/docs"
# Blender with a clean environment and its user folders in $work (the real user's are never
# touched); the first run installs the add-on and saves preferences without the splash screen.
blender_env=(env -i PATH=/usr/bin:/bin LANG=C.UTF-8 HOME="$work" TMPDIR="$work/tmp"
             BLENDER_USER_SCRIPTS="$work/scripts" BLENDER_USER_CONFIG="$work/config"
             ZEDARUZ_JOURNAL="$work/journal.jsonl")
"${blender_env[@]}" blender -b --factory-startup --python-exit-code 1 --python-expr "
import bpy
bpy.ops.preferences.addon_install(filepath='$addon', overwrite=True)
bpy.ops.preferences.addon_enable(module='zedaruz_opt')
bpy.context.preferences.addons['zedaruz_opt'].preferences.cli_path = '$build/zedaruz-cli'
bpy.context.preferences.view.show_splash = False
bpy.ops.wm.save_userpref()
" >/dev/null
# xvfb-run sets DISPLAY and XAUTHORITY inside; the clean environment keeps those two.
(cd "$work" && timeout 300 xvfb-run -a -s "-screen 0 1200x760x24" sh -c \
  'exec "$@" DISPLAY="$DISPLAY" XAUTHORITY="$XAUTHORITY" blender --enable-event-simulate \
     --python "'"$root"'/scripts/blender_screenshots.py" -- ships/demo.opt "'"$root"'/docs"' \
  sh "${blender_env[@]}" >/dev/null)
echo "wrote $root/docs/blender-import.png, blender-hardpoint.png and blender-report.png"
