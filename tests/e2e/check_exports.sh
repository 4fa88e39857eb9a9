#!/bin/sh
# Checks that a plug-in binary exports exactly OfxGetNumberOfPlugins and
# OfxGetPlugin (defined dynamic symbols), nothing else.
set -eu
binary="$1"
actual=$(nm -D --defined-only "$binary" | awk '{print $NF}' | sort)
expected=$(printf '%s\n' OfxGetNumberOfPlugins OfxGetPlugin | sort)
if [ "$actual" != "$expected" ]; then
    echo "$binary exports:" >&2
    echo "$actual" >&2
    echo "expected exactly:" >&2
    echo "$expected" >&2
    exit 1
fi
echo "$binary exports exactly the two OFX entry points"
