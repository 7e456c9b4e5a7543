#!/usr/bin/env bash
# One entry point for building, running and testing the Plimo player configurator.
#   ./build.sh run        install what is missing, build, start the program
#   ./build.sh test       install, build, run the whole test suite (plain and sanitized)
#   ./build.sh build      install and build only
set -euo pipefail
cd "$(dirname "$0")"
ROOT=$(pwd)
JOBS=$(nproc 2>/dev/null || echo 2)

PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-5compat-dev qt6-tools-dev qt6-tools-dev-tools
          qt6-l10n-tools libgl-dev)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_packages() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        as_root apt-get update -qq
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
    fi
}

configure_and_build() { # build-dir [cmake options...]
    local dir=$1
    shift
    cmake -S "$ROOT" -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" -j "$JOBS"
}

run_tests() { # build-dir
    (cd "$1" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$JOBS")
}

cmd=${1:-build}
shift || true
case "$cmd" in
build)
    install_packages "${PACKAGES[@]}"
    configure_and_build build
    ;;
run)
    install_packages "${PACKAGES[@]}"
    configure_and_build build
    exec "$ROOT/build/plimo-configurator" "$@"
    ;;
test)
    install_packages "${PACKAGES[@]}"
    configure_and_build build
    run_tests build
    ;;
*)
    echo "usage: $0 {run|test|build}" >&2
    exit 2
    ;;
esac
