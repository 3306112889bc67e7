#!/usr/bin/env bash
# Installs what is missing, builds, and starts the desktop program on the
# demo program directory build/demo/ (a generated world).
set -euo pipefail
cd "$(dirname "$0")/.."
"./scripts/build.sh"
cmake --build build --target demo_home -j"$(nproc)"
exec ./build/bin/arvenna-map --home build/demo "$@"
