#!/usr/bin/env bash
# Installs what is missing, builds, and starts the desktop program on the
# ready program directory build/bin/.
set -euo pipefail
cd "$(dirname "$0")/.."
"./scripts/build.sh"
exec ./build/bin/arvenna-map --home build/bin "$@"
