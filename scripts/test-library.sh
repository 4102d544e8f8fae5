#!/usr/bin/env bash
# The library as an outside program sees it: installs the build into a temporary prefix, builds the
# examples against the installed package (CMake's find_package, then pkg-config), and runs them on a
# copy of the demo model: the printed hardpoints, one journaled move, and its revert; the Python
# package imported from the prefix.
#   scripts/test-library.sh BUILD_DIR
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:?usage: test-library.sh BUILD_DIR}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

cmake --install "$build" --prefix "$prefix" >/dev/null
test -f "$prefix"/lib*/libzedaruz.so.1 -o -f "$prefix"/lib/*/libzedaruz.so.1

echo "-- find_package(Zedaruz 1)"
cmake -S "$root/examples" -B "$work/examples" -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$work/examples" -j2 >/dev/null
cp "$build/models/demo.opt" "$work/demo.opt"
cp "$work/demo.opt" "$work/before.opt"
export ZEDARUZ_JOURNAL=$work/journal.jsonl
"$work/examples/print_hardpoints" "$work/demo.opt" | tee "$work/printed.txt"
# One line per hardpoint the listing shows.
hardpoints=$("$build/zedaruz-cli" list "$work/demo.opt" hardpoint | grep -c '^TBH (022)')
[ "$hardpoints" -ge 1 ] && [ "$(grep -c ': hardpoint ' "$work/printed.txt")" -eq "$hardpoints" ]

"$work/examples/move_hardpoints" "$work/demo.opt" 0 0 10
"$build/zedaruz-cli" list "$work/before.opt" hardpoint > "$work/list-before.txt"
"$build/zedaruz-cli" list "$work/demo.opt" hardpoint > "$work/list-after.txt"
if cmp -s "$work/list-before.txt" "$work/list-after.txt"; then
  echo "move_hardpoints changed nothing" >&2
  exit 1
fi
"$build/zedaruz-cli" revert "$work/demo.opt"
cmp "$work/before.opt" "$work/demo.opt"

echo "-- pkg-config zedaruz"
export PKG_CONFIG_PATH=$(dirname "$(find "$prefix" -name zedaruz.pc)")
c++ -std=c++17 -o "$work/print_pc" "$root/examples/print_hardpoints.cpp" $(pkg-config --cflags --libs zedaruz)
LD_LIBRARY_PATH=$(pkg-config --variable=libdir zedaruz) "$work/print_pc" "$work/demo.opt" > "$work/printed-pc.txt"
cmp "$work/printed.txt" "$work/printed-pc.txt"

if [ -d "$build/python/zedaruz" ]; then
  echo "-- import zedaruz"
  # The Python package lies in the prefix's dist-packages and loads the library installed beside it.
  PYTHONPATH=$(echo "$prefix"/lib/python3*/dist-packages) /usr/bin/python3 - "$prefix" "$work/demo.opt" "$hardpoints" <<'EOF'
import sys, zedaruz
prefix, model, hardpoints = sys.argv[1], sys.argv[2], int(sys.argv[3])
loaded = {line.split()[-1] for line in open("/proc/self/maps") if "libzedaruz.so" in line}
assert zedaruz.__file__.startswith(prefix) and loaded and all(p.startswith(prefix) for p in loaded), loaded
assert len(zedaruz.open(model).hardpoints) == hardpoints
EOF
fi
echo "library ok: $hardpoints hardpoints printed and moved, examples built against $prefix"
