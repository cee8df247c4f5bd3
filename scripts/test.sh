#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: the headless suite,
# the same suite under AddressSanitizer and UndefinedBehaviorSanitizer, and the
# end-to-end tests of the real program under Xvfb with a window manager, on a
# large and on a small screen.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)
"$top/scripts/install-deps.sh"

"$top/scripts/build.sh" "$top/build"
(cd "$top/build" && ctest --output-on-failure -j "$jobs" -L headless)

"$top/scripts/build.sh" "$top/build-sanitize" -DKALNOR_SANITIZE=ON -DKALNOR_GTK=OFF
(cd "$top/build-sanitize" && ctest --output-on-failure -j "$jobs" -L headless)

for screen in 1280x1024 1024x768; do
  echo "End-to-end tests on a screen of $screen"
  (cd "$top/build" && "$top/tests/e2e/with-window-manager.sh" "$screen" ctest --output-on-failure -L e2e)
done
