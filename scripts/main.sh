#!/usr/bin/env bash
# The main job: build everything, check the embedded Overlay Test definition and
# show what the built plug-in declares to a host.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"

"$root/scripts/build.sh"
"$build/tools/ofxdef/ofxdef" check "$root/effects/overlay_test/overlay_test.xml"
"$build/host/ofxhost" describe "$build/bundles/overlay_test.ofx.bundle"
