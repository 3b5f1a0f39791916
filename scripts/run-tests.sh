#!/usr/bin/env bash
# Installs what is missing, builds everything (program, tests, benchmarks) and runs the whole
# test suite without a display, ending with CTest's summary.

source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

export QT_QPA_PLATFORM=offscreen
install_missing
build "$REPO/build"
echo "== Running the tests"
cd "$REPO/build"
exec ctest --output-on-failure --parallel "$(nproc)"
