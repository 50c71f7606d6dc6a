#!/usr/bin/env bash
# Builds Brimvale and runs every test under CTest, headless.
set -euo pipefail
build_dir=$("$(dirname "${BASH_SOURCE[0]}")/setup.sh" )
cd "$build_dir"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
