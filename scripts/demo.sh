#!/usr/bin/env bash
# Installs what is missing, builds, and shows the bundled demo course: the data archive the
# build packed from examples/demo-course, listed with the course tool.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
scripts/build.sh release
build/release/bin/course-tool list build/release/demo-course/interface.dat
