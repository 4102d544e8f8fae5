#!/bin/sh
# Runs the add-on's tests inside Blender, headless:
#   tests/blender/run_addon_tests.sh BLENDER ADDON_ZIP ZEDARUZ_CLI MODELS_DIR
# Blender starts with a clean environment (a Python version manager first on PATH would give it the
# wrong standard library) and with its user folders, the temporary folder and the write journal in
# a fresh folder removed at the end, so the real user's Blender configuration is never touched.
set -eu
blender=$1
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/scripts" "$work/config" "$work/tmp"
env -i PATH=/usr/bin:/bin LANG=C.UTF-8 HOME="$work" TMPDIR="$work/tmp" \
  BLENDER_USER_SCRIPTS="$work/scripts" BLENDER_USER_CONFIG="$work/config" ZEDARUZ_JOURNAL="$work/journal.jsonl" \
  "$blender" -b --factory-startup --python-exit-code 1 \
  --python "$(dirname "$0")/run_addon_tests.py" -- "$@" "$work"
