#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through CTest.
# Usage: scripts/test.sh [release|sanitize]
set -euo pipefail
cd "$(dirname "$0")/.."

kind=${1:-release}
scripts/install-deps.sh
scripts/build.sh "$kind"
export QT_QPA_PLATFORM=offscreen
if [ "$kind" = sanitize ]; then
    # Qt and fontconfig keep some allocations for the life of the process.
    export ASAN_OPTIONS=detect_leaks=0
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi
ctest --test-dir "build/$kind" --output-on-failure -j2
