#!/usr/bin/env bash
# One entry point for building, running and testing the Plimo player configurator.
#   ./build.sh run        install what is missing, build, start the program
#   ./build.sh test       install, build, run the whole test suite, then again built with
#                         AddressSanitizer and UndefinedBehaviorSanitizer, then each fuzz
#                         target 30 s from its corpus
#   ./build.sh test-asan  the sanitized suite and the fuzz targets alone
#   ./build.sh build      install and build only
#   ./build.sh lint       clang-format check and clang-tidy over the sources
#   ./build.sh fuzz [SECONDS]  build the libFuzzer targets with clang, run each SECONDS (60)
#   ./build.sh package    build the Debian package build/plimo-configurator_*.deb, check it
#                         with lintian
#   ./build.sh bench      start-up, memory and idle CPU against a bare Qt window
#   ./build.sh shots      the README's pictures docs/*.png, the same on every run
set -euo pipefail
cd "$(dirname "$0")"
ROOT=$(pwd)
JOBS=$(nproc 2>/dev/null || echo 2)

PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-5compat-dev qt6-tools-dev qt6-tools-dev-tools
          qt6-l10n-tools qt6-translations-l10n libgl-dev
          libssl-dev # SHA-256 of --collect at the processor's speed
          fusefat dosfstools # a real FAT card for the tests
          dbus-daemon python3-dbus python3-gi) # a stand-in disk service on a private bus

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

# The suite again under AddressSanitizer and UndefinedBehaviorSanitizer: any report
# fails the run.
test_sanitized() {
    configure_and_build build-asan -DCMAKE_BUILD_TYPE=Debug -DPLIMO_SANITIZE=ON
    (cd build-asan && QT_QPA_PLATFORM=offscreen \
        ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ctest --output-on-failure -j "$JOBS")
    fuzz 30
}

PRODUCT_DIRS=(platform common app/preferences recorder_files card commandline editor app)
SOURCE_GLOBS=()
for d in "${PRODUCT_DIRS[@]}"; do SOURCE_GLOBS+=("$d"/*.cpp "$d"/*.h); done
SOURCE_GLOBS+=(tests/*.cpp tests/*.h tests/fuzz/*.cpp bench/*.cpp tools/*.cpp)

lint() {
    install_packages clang-format clang-tidy
    local files
    files=$(ls "${SOURCE_GLOBS[@]}" 2>/dev/null)
    echo "clang-format: checking $(echo "$files" | wc -l) files"
    # shellcheck disable=SC2086
    clang-format --dry-run --Werror $files
    configure_and_build build -DCMAKE_EXPORT_COMPILE_COMMANDS=ON
    echo "clang-tidy: ${PRODUCT_DIRS[*]}"
    # shellcheck disable=SC2046
    clang-tidy -p build --quiet $(for d in "${PRODUCT_DIRS[@]}"; do ls "$d"/*.cpp; done) 2>&1 |
        { grep -v 'warnings generated' || true; }
    echo "lint: clean"
}

# Each fuzz target from its seed corpus (and what earlier runs added to it) for seconds. A
# finding (a sanitizer's report, a check that aborts, an input running 30 s) fails the run;
# the input is kept in build-fuzz/findings/.
fuzz() { # seconds
    local seconds=${1:-60}
    install_packages clang
    # Only the fuzz targets: the library is instrumented for them alone.
    cmake -S "$ROOT" -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DPLIMO_FUZZ=ON \
        -DBUILD_TESTING=ON >/dev/null
    cmake --build build-fuzz -j "$JOBS" --target fuzz_preferences fuzz_config fuzz_wav
    local name corpus findings=$ROOT/build-fuzz/findings/
    mkdir -p "$findings"
    for name in fuzz_preferences fuzz_config fuzz_wav; do
        corpus=$ROOT/build-fuzz/corpus_${name#fuzz_}
        mkdir -p "$corpus"
        cp -n tests/fuzz/corpus_${name#fuzz_}/* "$corpus"/ 2>/dev/null || true
        echo "== $name for $seconds s"
        # No allocation stacks kept while fuzzing: ASan finds the same faults, a third faster
        # on the text readers; replaying a finding (below) prints the whole report.
        if ! (cd build-fuzz && ASAN_OPTIONS=${ASAN_OPTIONS:-malloc_context_size=0} \
            "./tests/fuzz/$name" -max_total_time="$seconds" -timeout=30 \
            -print_final_stats=1 -artifact_prefix="$findings" "$corpus"); then
            echo "$name: a finding, kept in $findings; replay it with" \
                "build-fuzz/tests/fuzz/$name FILE" >&2
            return 1
        fi
    done
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
    test_sanitized
    ;;
test-asan)
    install_packages "${PACKAGES[@]}"
    test_sanitized
    ;;
lint)
    install_packages "${PACKAGES[@]}"
    lint
    ;;
fuzz)
    install_packages "${PACKAGES[@]}"
    fuzz "$@"
    ;;
package)
    install_packages "${PACKAGES[@]}" dpkg-dev desktop-file-utils appstream lintian
    desktop-file-validate data/org.plimo.configurator.desktop
    appstreamcli validate --no-net data/org.plimo.configurator.metainfo.xml
    configure_and_build build
    (cd build && cpack -G DEB)
    # Errors fail the build; warnings and notes are shown.
    deb=$(ls -t build/plimo-configurator_*.deb | head -n 1)
    lintian --display-info "$deb"
    echo "lintian: no errors in $deb"
    ;;
bench)
    install_packages "${PACKAGES[@]}"
    configure_and_build build
    bench/run.sh build
    ;;
shots)
    install_packages "${PACKAGES[@]}"
    configure_and_build build
    build/tools/plimo_shots docs build/plimo_ru.qm
    ;;
*)
    echo "usage: $0 {run|test|test-asan|build|lint|fuzz [SECONDS]|package|bench|shots}" >&2
    exit 2
    ;;
esac
