#!/usr/bin/env bash
# Installs what is missing, configures and builds into ${BUILD_DIR:-build}.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOFXFW_WERROR=ON "$@"
cmake --build "$build" --parallel "$(nproc)"
