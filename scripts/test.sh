#!/usr/bin/env bash
# Builds everything and runs the whole test suite.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"

"$root/scripts/build.sh"
# A test that hangs fails on its own instead of stalling the whole run.
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)" --timeout 300
