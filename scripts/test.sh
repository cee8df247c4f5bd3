#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: the headless suite,
# the same suite under AddressSanitizer and UndefinedBehaviorSanitizer, and the
# end-to-end tests of the real program under Xvfb.
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

(cd "$top/build" && xvfb-run -a -s "-screen 0 1600x1000x24" \
   dbus-run-session -- ctest --output-on-failure -L e2e)
