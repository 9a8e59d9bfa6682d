#!/usr/bin/env bash
# Installs what is missing, builds everything (program, tests, benchmark) and runs every test.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing
build_all
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$BUILD" --output-on-failure -j"$(nproc)"
