#!/usr/bin/env bash
# Runs the same zedaruz-cli commands with the Linux build and, under Wine, with the Windows build on
# copies of the demo model, and compares what they print (standard output, standard error, exit
# status) and the files they write byte for byte. Both run inside a folder of their own with relative
# names; what still differs by nature -- the folder itself and the times in the journal and in
# `history` -- is replaced by DIR and TIME before the comparison.
#
#   scripts/compare-windows.sh LINUX_CLI WINDOWS_CLI_EXE DEMO_MODEL
# Wine's prefix: $WINEPREFIX (default: a folder beside WINDOWS_CLI_EXE).
set -euo pipefail
linux_cli=$(realpath "$1")
windows_cli=$(realpath "$2")
demo=$(realpath "$3")
export WINEPREFIX=${WINEPREFIX:-$(dirname "$windows_cli")/wine-prefix} WINEDEBUG=-all
work=$(mktemp -d)
trap '[ -n "${KEEP_COMPARISON:-}" ] || rm -rf "$work"' EXIT

# run SIDE NAME WORDS...: one command in SIDE's folder; its output goes to SIDE/results/NAME.*
# Standard input is the file $INPUT of that folder when set (the add-on pipes its lists this way).
run() {
  local side=$1 name=$2
  shift 2
  local program=("$linux_cli")
  [ "$side" = windows ] && program=(wine "$windows_cli")
  local status=0
  (cd "$work/$side" && ZEDARUZ_JOURNAL=journal.jsonl "${program[@]}" "$@" <"${INPUT:-/dev/null}" \
     >"results/$name.out" 2>"results/$name.err") || status=$?
  echo "$status" >"$work/$side/results/$name.status"
}

for side in linux windows; do
  mkdir -p "$work/$side/results" "$work/$side/out"
  cp "$demo" "$work/$side/demo.opt"
  cp "$demo" "$work/$side/copy.opt"
  cp "$demo" "$work/$side/schiffé.opt"
  : >"$work/$side/empty.opt"
  # Just past 2 GiB and sparse: refused by its length, never read.
  truncate -s $(( (1 << 31) + 1 )) "$work/$side/big.opt"
  run "$side" list list demo.opt
  run "$side" list-named list demo.opt hardpoint textures
  run "$side" list-utf8-name list schiffé.opt main-file-info
  # A word starting with '/' is a file name on Windows too, never a Windows-style option.
  run "$side" list-absolute-name list "$work/$side/demo.opt" main-file-info
  run "$side" list-unknown-name list demo.opt no-such-listing
  run "$side" list-missing list missing.opt
  run "$side" list-empty list empty.opt
  run "$side" list-big list big.opt
  run "$side" info info demo.opt
  run "$side" info-json info demo.opt --json
  run "$side" check check demo.opt schiffé.opt empty.opt
  run "$side" export-bmp export-bmp demo.opt Hull out
  run "$side" export-pals export-pals demo.opt out
  run "$side" export-gltf export-gltf demo.opt out/demo.glb --all-lods
  run "$side" export-obj export-obj demo.opt out/demo.obj
  run "$side" set-hardpoint set-hardpoint copy.opt 0 x 1.5
  run "$side" set-hardpoint-bad set-hardpoint copy.opt 0 x nonsense
  run "$side" history history copy.opt
  run "$side" revert revert copy.opt
  run "$side" history-after-revert history copy.opt
  run "$side" revert-again revert copy.opt
  echo '[{"index": 0, "x": -1.5, "y": 50, "z": 0}, {"index": 5, "x": 0, "y": 30, "z": 7.25}]' \
    >"$work/$side/moves.json"
  echo '[{"index": 1, "x": 0, "y": 0, "z": 0}, {"index": 99, "x": 0, "y": 0, "z": 0}]' >"$work/$side/bad.json"
  run "$side" set-hardpoints set-hardpoints schiffé.opt --json moves.json
  INPUT=bad.json run "$side" set-hardpoints-stdin-bad set-hardpoints schiffé.opt --json -
  INPUT=moves.json run "$side" set-hardpoints-stdin-same set-hardpoints schiffé.opt --json -
  run "$side" revert-set-hardpoints revert schiffé.opt
  rm "$work/$side/big.opt"
  # The folder's own path (as Linux and as Windows write it), the separator that "Save Bmp" and
  # "Save Pals" put after the folder (each system's own) and the times are not compared.
  windows_dir="Z:${work//\//\\}\\$side"
  for f in "$work/$side"/results/* "$work/$side/journal.jsonl"; do
    sed -i -e "s|$work/$side|DIR|g" -e "s|${windows_dir//\\/\\\\\\\\}|DIR|g" -e "s|${windows_dir//\\/\\\\}|DIR|g" \
      -e 's|DIR\\\\|DIR/|g' -e 's|DIR\\|DIR/|g' -e '/ saved to  /s|\\|/|g' \
      -e 's/[0-9]\{4\}-[0-9]\{2\}-[0-9]\{2\}T[0-9]\{2\}:[0-9]\{2\}:[0-9]\{2\}Z/TIME/g' "$f"
  done
done

if diff -r "$work/linux" "$work/windows"; then
  echo "Windows and Linux agree byte for byte: $(ls "$work/linux/results" | grep -c '\.status$') commands, $(ls "$work/linux/out" | wc -l) written files, the patched model and the journal"
else
  echo "The Windows build differs from the Linux build (above)" >&2
  exit 1
fi
