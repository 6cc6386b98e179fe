# Shared by ./run and ./test: install what the build needs, then configure and build.
set -euo pipefail

VELMAR_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
VELMAR_PACKAGES=(cmake ninja-build g++ clang libclang-rt-dev libgtest-dev libbenchmark-dev qt6-base-dev
                 poppler-utils libcli11-dev nlohmann-json3-dev pandoc desktop-file-utils dpkg-dev file)

install_missing_packages() {
    local missing=()
    for p in "${VELMAR_PACKAGES[@]}"; do
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
