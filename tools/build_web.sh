#!/usr/bin/env bash
# Builds build-web/: the engine and velmar-study compiled to WebAssembly, each a script that
# node runs like the native program (node build-web/model/velmar.js PROJECT), reading and
# writing the computer's files. Given a native build folder, the web build's tests (ctest -L
# web) compare the two builds' programs.
# Usage: tools/build_web.sh [NATIVE_BUILD_DIR]
source "$(dirname "$0")/common.sh"
install_missing_packages "${VELMAR_WEB_PACKAGES[@]}"
build_web "$VELMAR_ROOT/build-web" "${1:+$(cd "$1" && pwd)}"
