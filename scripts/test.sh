#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: the headless suite,
# the same suite under AddressSanitizer and UndefinedBehaviorSanitizer and in
# Release trees of both compilers, and the end-to-end tests of the real program
# under Xvfb with a window manager, on a large and on a small screen.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)
"$top/scripts/install-deps.sh"

"$top/scripts/build.sh" "$top/build"
(cd "$top/build" && ctest --output-on-failure -j "$jobs" -L headless)

"$top/scripts/build.sh" "$top/build-sanitize" -DKALNOR_SANITIZE=ON -DKALNOR_GTK=OFF
(cd "$top/build-sanitize" && ctest --output-on-failure -j "$jobs" -L headless)

# Release as packagers build it, with both compilers: it must build clean, and
# the headless suite must pass once in each tree.
release() {  # release NAME C-COMPILER C++-COMPILER
  CMAKE_BUILD_PARALLEL_LEVEL=$jobs "$top/scripts/build.sh" "$top/build-release-$1" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_C_COMPILER="$2" -DCMAKE_CXX_COMPILER="$3"
  (cd "$top/build-release-$1" && ctest --output-on-failure -j "$jobs" -L headless)
}
release gcc gcc g++
release clang clang clang++

for screen in 1280x1024 1024x768; do
  echo "End-to-end tests on a screen of $screen"
  (cd "$top/build" && "$top/tests/e2e/with-window-manager.sh" "$screen" ctest --output-on-failure -L e2e)
done
