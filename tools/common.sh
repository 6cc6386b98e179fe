# Shared by ./run and ./test: install what the build needs, then configure and build.
set -euo pipefail

VELMAR_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
VELMAR_PACKAGES=(cmake ninja-build g++ clang libclang-rt-dev libgtest-dev libbenchmark-dev qt6-base-dev qt6-charts-dev
                 qt6-svg-dev poppler-utils libcli11-dev nlohmann-json3-dev pandoc desktop-file-utils dpkg-dev file
                 libeigen3-dev pybind11-dev python3-dev python3-pytest python3-numpy python3-pandas libfmt-dev)
# The Windows build and its tests: the cross compiler and wine.
VELMAR_WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix wine64)
VELMAR_WINE=/usr/lib/wine/wine64
# The web build: Emscripten, whose tools need Debian's acorn.
VELMAR_WEB_PACKAGES=(emscripten node-acorn)
# The web page's tests: Chromium, driven by playwright-core from npm (tests/web/page).
VELMAR_PAGE_PACKAGES=(chromium)

# install_missing_packages [packages...]: by default the packages the build needs.
install_missing_packages() {
    local missing=()
    [ $# -eq 0 ] && set -- "${VELMAR_PACKAGES[@]}"
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
}

# build_velmar BUILD_DIR [cmake options...]
build_velmar() {
    local dir="$1"
    shift
    cmake -S "$VELMAR_ROOT" -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir"
}

# build_fuzz_targets BUILD_DIR: the fuzz targets alone, with clang and the sanitizers.
build_fuzz_targets() {
    local dir="$1"
    cmake -S "$VELMAR_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER=clang++ -DVELMAR_FUZZ=ON -DVELMAR_BUILD_TESTS=OFF \
        -DVELMAR_WARNINGS_AS_ERRORS=ON >/dev/null
    cmake --build "$dir" --target velmar_fuzz_targets
}

# build_windows BUILD_DIR NATIVE_ENGINE: everything but the Qt host, cross-compiled for
# Windows; its tests compare the Windows engine's results with those of NATIVE_ENGINE.
build_windows() {
    local dir="$1"
    cmake -S "$VELMAR_ROOT" -B "$dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$VELMAR_ROOT/cmake/mingw-w64.cmake" \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMAR_BUILD_QT=OFF -DVELMAR_WARNINGS_AS_ERRORS=ON \
        -DVELMAR_NATIVE_ENGINE="$2" >/dev/null
    cmake --build "$dir"
}

# build_web BUILD_DIR [NATIVE_BUILD_DIR]: the engine and velmar-study compiled to WebAssembly,
# to run under node; its tests compare them with the programs of NATIVE_BUILD_DIR when given.
build_web() {
    local dir="$1" native="${2:-}"
    local compare=()
    [ -n "$native" ] && compare=(-DVELMAR_NATIVE_ENGINE="$native/model/velmar"
                                 -DVELMAR_NATIVE_STUDY="$native/study/velmar-study")
    # Emscripten's tools look for acorn among Debian's node modules, which a node installed
    # from elsewhere does not search.
    export NODE_PATH="/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}"
    emcmake cmake -S "$VELMAR_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMAR_BUILD_INTERFACE=OFF \
        -DVELMAR_BUILD_PYTHON=OFF -DVELMAR_WARNINGS_AS_ERRORS=ON "${compare[@]}" >/dev/null
    cmake --build "$dir"
}

# build_page BUILD_DIR [NATIVE_BUILD_DIR]: the front end as a web page, in BUILD_DIR/web, with
# NATIVE_BUILD_DIR's manual beside it; its tests (ctest -L web) drive it in Chromium and compare
# it with NATIVE_BUILD_DIR's programs.
build_page() {
    local dir="$1" native="${2:-}"
    export NODE_PATH="/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}"
    emcmake cmake -S "$VELMAR_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMAR_WEB_PAGE=ON \
        -DVELMAR_BUILD_QT=OFF -DVELMAR_BUILD_PYTHON=OFF -DVELMAR_BUILD_TESTS=OFF -DVELMAR_WARNINGS_AS_ERRORS=ON \
        ${native:+-DVELMAR_NATIVE_ENGINE="$native/model/velmar" -DVELMAR_NATIVE_STUDY="$native/study/velmar-study"} \
        ${native:+-DVELMAR_WEB_MANUAL="$native/dist/manual"} \
        >/dev/null
    cmake --build "$dir" --target velmar_page velmar_every_dialog_page
}

# install_page_driver: the npm packages the page's tests drive the browser with, as locked.
install_page_driver() {
    # The npm that comes with node, or Debian's where node came without one.
    command -v npm >/dev/null || install_missing_packages npm
    npm ci --prefix "$VELMAR_ROOT/tests/web/page" --no-audit --no-fund --loglevel=error >/dev/null
}

# wine_starts BUILD_DIR: whether wine starts, making its prefix in the build folder (the
# first start takes a while).
wine_starts() {
    WINEPREFIX="$1/wine" WINEDEBUG=-all timeout 300 "$VELMAR_WINE" wineboot --init >/dev/null 2>&1
}
