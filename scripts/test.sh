#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: the libFuzzer run, the core tests under
# AddressSanitizer and UndefinedBehaviorSanitizer, the full build and its Debian package (built with
# CPack, installed with apt-get and run from the installed path, the Python module's tests run against
# it), the Windows cross build with its tests under Wine (scripts/test-windows.sh), and last the full
# suite (core, command line and windows under Xvfb), whose CTest summary ends the run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
jobs=$(nproc)
# ccache, where the machine has it, makes a second run build only what changed, also in another
# clone: paths below the root are hashed relative to it.
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1
fi

echo "== fuzz run (clang, libFuzzer) =="
cmake -S "$root" -B "$root/build-fuzz" "${launcher[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DZEDARUZ_FUZZ=ON -DZEDARUZ_GUI=OFF -DZEDARUZ_BENCH=OFF >/dev/null
cmake --build "$root/build-fuzz" --target fuzz_targets -j"$jobs"
rm -rf "$root/build-fuzz/corpus" && mkdir -p "$root/build-fuzz/corpus"
"$root/build-fuzz/make_seed_corpus" "$root/build-fuzz/corpus"
# A short run of every target; scripts/fuzz.sh runs a longer campaign.
for src in "$root"/fuzz/*_fuzz.cpp; do
  target=$(basename "$src" .cpp)
  echo "-- $target"
  # The reader, whose tables grow with the counts a file gives, gets a minute of its own.
  budget=(-runs="${FUZZ_RUNS:-20000}")
  [ "$target" = load_fuzz ] && budget=(-max_total_time="${FUZZ_LOAD_SECONDS:-60}")
  "$root/build-fuzz/$target" "${budget[@]}" -max_len=65536 -seed=1 \
    "$root/build-fuzz/corpus" 2>&1 | tail -n 3
done

echo "== sanitizer build (ASan + UBSan) =="
cmake -S "$root" -B "$root/build-asan" "${launcher[@]}" -DCMAKE_BUILD_TYPE=Debug -DZEDARUZ_SANITIZE=ON \
  -DZEDARUZ_GUI=OFF -DZEDARUZ_BENCH=OFF >/dev/null
cmake --build "$root/build-asan" -j"$jobs"
(cd "$root/build-asan" && ASAN_OPTIONS=detect_leaks=1 ctest --output-on-failure -j"$jobs")

echo "== full build =="
cmake -S "$root" -B "$root/build" "${launcher[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" -j"$jobs"

echo "== Debian package =="
rm -f "$root"/build/zedaruz_*.deb
(cd "$root/build" && cpack -G DEB >/dev/null)
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --reinstall "$root"/build/zedaruz_*.deb
/usr/bin/zedaruz-cli --version
/usr/bin/zedaruz-cli info "$root/build/models/demo.opt"
desktop-file-validate /usr/share/applications/zedaruz.desktop
# The library: found by pkg-config where the package put it.
pkg-config --exists --print-errors zedaruz && echo "library: zedaruz $(pkg-config --modversion zedaruz)"
ls /usr/share/zedaruz/blender/zedaruz_opt-*.zip
echo "package ok: $(basename "$root"/build/zedaruz_*.deb)"
echo "-- the Python module's tests against the installed package"
# From a folder of their own and without PYTHONPATH: the module and the library must be the ones the
# package put into the system Python's dist-packages and the library folder.
installed=$(dpkg -L zedaruz)
module_dir=$(dirname "$(grep '/dist-packages/zedaruz/__init__.py$' <<<"$installed")")
library_dir=$(dirname "$(grep '/libzedaruz.so.1$' <<<"$installed")")
(cd "$(mktemp -d)" && env -u PYTHONPATH ZEDARUZ_CLI=/usr/bin/zedaruz-cli ZEDARUZ_MODELS="$root/build/models" \
  ZEDARUZ_MODULE_DIR="$module_dir" ZEDARUZ_LIBRARY_DIR="$library_dir" PYTHONDONTWRITEBYTECODE=1 \
  /usr/bin/python3 -m pytest -q -p no:cacheprovider "$root/tests/python")

echo "== Windows: cross build, core tests under Wine, comparison with Linux, zip =="
"$root/scripts/test-windows.sh" "$root/build"

echo "== full suite =="
cd "$root/build"
if command -v xvfb-run >/dev/null; then
  xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure -j"$jobs"
else
  ctest --output-on-failure -j"$jobs"
fi

