#!/usr/bin/env bash
# Rewrites the expected outputs under tests/golden/ from what the program writes now. Run it
# after a deliberate change of an output format, then review the change with `git diff
# tests/golden` before committing it. Usage: scripts/refresh-golden.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${1:-build/test}
JOBS=${JOBS:-$(nproc)}

# The test programs whose golden tests compare whole output folders.
GOLDEN_TESTS=(conversion/conversion_tests docs/docs_tests)

cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Debug -DKAVRO_SANITIZE=ON -DKAVRO_WERROR=ON >/dev/null
for test in "${GOLDEN_TESTS[@]}"; do
  cmake --build "$BUILD_DIR" -j "$JOBS" --target "$(basename "$test")"
  KAVRO_REFRESH_GOLDEN=1 "$BUILD_DIR/tests/$test" --gtest_filter='*Golden*' --gtest_brief=1
done
git status --short tests/golden
