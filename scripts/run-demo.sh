#!/usr/bin/env bash
# Installs what is missing, builds Zedaruz and starts it on the bundled demo model.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" -j"$(nproc)"
if [ -x "$root/build/zedaruz" ]; then
  exec "$root/build/zedaruz" "$root/build/models/demo.opt"
fi
exec "$root/build/zedaruz-cli" list "$root/build/models/demo.opt"
