#!/usr/bin/env bash
# The Windows step of the tests: cross-builds the programs without Qt with MinGW-w64 (build-win/),
# runs the core tests under Wine, compares zedaruz-cli.exe's listings and written files with the
# Linux build's byte for byte, and makes the release archive. Prints the step's time.
#
#   scripts/test-windows.sh [LINUX_BUILD_DIR]   (default: build; its zedaruz-cli and demo model)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
linux_build=$(realpath "${1:-$root/build}")
start=$(date +%s)
"$root/scripts/deps-windows.sh"
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1
fi
build="$root/build-win"
export WINEPREFIX="$build/wine-prefix" WINEDEBUG=-all

cmake -S "$root" -B "$build" "${launcher[@]}" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
# The prefix is made once, before the build runs its first program (the model writer, the test
# discovery) through Wine. One Wine server stays up for the whole step: by default it quits a few
# seconds after its last program, and a program that starts just then loses its connection.
# (The server that wineboot or an earlier run of this prefix left is ended first.)
[ -f "$WINEPREFIX/system.reg" ] || wineboot -i >/dev/null 2>&1
wineserver -k 2>/dev/null || true
wineserver -p
trap 'wineserver -k 2>/dev/null || true' EXIT
cmake --build "$build" -j"$(nproc)"
(cd "$build" && ctest --output-on-failure -j"$(nproc)")
"$root/scripts/compare-windows.sh" "$linux_build/zedaruz-cli" "$build/zedaruz-cli.exe" "$linux_build/models/demo.opt"
"$root/scripts/package-windows.sh" "$build"
echo "Windows step: $(( $(date +%s) - start )) s"
