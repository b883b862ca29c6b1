#!/usr/bin/env bash
# Configures and builds one build folder. Usage: scripts/build.sh [release|sanitize] [targets...]
#   release   Release build in build/release
#   sanitize  Debug build with AddressSanitizer and UndefinedBehaviorSanitizer in build/sanitize
set -euo pipefail
cd "$(dirname "$0")/.."

kind=${1:-release}
shift || true
case "$kind" in
    release)  dir=build/release;  options=(-DCMAKE_BUILD_TYPE=Release) ;;
    sanitize) dir=build/sanitize; options=(-DCMAKE_BUILD_TYPE=Debug -DCOURSE_SANITIZE=ON -DCOURSE_BENCH=OFF) ;;
    *) echo "unknown build kind: $kind" >&2; exit 2 ;;
esac

cmake -S . -B "$dir" -G Ninja "${options[@]}" >/dev/null
cmake --build "$dir" -- "$@"
