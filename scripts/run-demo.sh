#!/usr/bin/env bash
# Installs what is missing, builds Zedaruz and starts it on the bundled demo model.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" --target zedaruz zedaruz-cli models -j"$(nproc)"
if [ -x "$root/build/zedaruz" ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
  exec "$root/build/zedaruz" "$root/build/models/demo.opt"
fi
echo "No display: printing the demo model's listings instead." >&2
exec "$root/build/zedaruz-cli" list "$root/build/models/demo.opt"
