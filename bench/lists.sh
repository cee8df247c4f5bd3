#!/usr/bin/env bash
# Long lists against the bare WebKitGTK window (see lists.py), on a virtual
# screen under openbox with a D-Bus session of its own, with the system Python
# that has the accessibility bindings: lists.sh [RUNS] [SIZES...]; BUILD_DIR
# picks the build.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$top/build}
cmake --build "$build" --target kalnor bare_webkit list_file_bench >/dev/null
exec "$top/tests/e2e/with-window-manager.sh" 1600x1000 /usr/bin/python3 "$top/bench/lists.py" \
  "$build/src/app/kalnor" "$build/bench/bare_webkit" "$build/bench/list_file_bench" "$@"
