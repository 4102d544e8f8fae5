#!/usr/bin/env bash
# Installs the Debian 12 packages that building and testing Zedaruz needs (skips what is there),
# and the packages named as arguments (scripts/deps-windows.sh names those of the Windows build).
# Blender runs the add-on's tests (blender.addon in CTest), headless; the Python module needs
# pybind11, Python's headers and NumPy, its tests pytest.
set -euo pipefail
packages=(cmake make g++ clang libclang-rt-14-dev libgtest-dev libgmock-dev libbenchmark-dev
          qt6-base-dev libqt6opengl6-dev qt6-qpa-plugins libqt6svg6 qt6-svg-dev libgl-dev
          libglu1-mesa-dev libgl1-mesa-dri xvfb xauth fonts-dejavu-core libcli11-dev
          nlohmann-json3-dev desktop-file-utils dpkg-dev libtinygltf-dev libstb-dev nodejs pkgconf
          python3-dev python3-numpy python3-pytest pybind11-dev blender "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  "${as_root[@]}" apt-get update -qq
  "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
# The glTF export tests install the validator with npm. Some nodejs packages bring npm; naming both
# then makes apt fail, so Debian's npm comes only where npm is still missing.
if ! command -v npm >/dev/null; then
  "${as_root[@]}" apt-get update -qq
  "${as_root[@]}" apt-get install -y -qq --no-install-recommends npm
fi
