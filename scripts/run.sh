#!/usr/bin/env bash
# Installs what is missing, builds the browser and starts it in the current directory.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh" "$top/build"
exec "$top/build/src/app/kalnor"
