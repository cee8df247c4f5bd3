#!/usr/bin/env bash
# Start-up benchmark: kalnor against a bare WebKitGTK window loading the same
# local page, under Xvfb unless a display is given. startup.sh [RUNS] [BUILD_DIR]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-10}
build=${2:-$top/build}
cmake --build "$build" --target kalnor bare_webkit >/dev/null
run=(python3 "$top/bench/startup.py" "$build/src/app/kalnor" "$build/bench/bare_webkit" "$runs")
if [ -n "${DISPLAY:-}" ]; then
  exec "${run[@]}"
fi
exec xvfb-run -a -s "-screen 0 1600x1000x24" dbus-run-session -- "${run[@]}"
