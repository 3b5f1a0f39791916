# Shared by the set-up commands (run-demo.sh, run-tests.sh) and .ci/run: the Debian packages the
# desk is built and tested with, installed only when missing, and the build itself.

set -euo pipefail

REPO="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# Compiler and build tools, Qt 6 (Widgets, PrintSupport), GoogleTest, Google Benchmark,
# pdftotext for the printer's tests, and a sans serif face with Arial's widths, which the
# windows' twip layout is drawn for; clang with its runtime libraries (libFuzzer, the
# sanitizers) for the fuzzing executables of .ci/run; a virtual display and a typist of key
# events (xvfb, xdotool) for the test that runs the built program as a receptionist would;
# Qt's Swedish catalogue and lrelease, which compiles the program's own Swedish texts for Qt;
# for the Debian package (cpack -G DEB), dpkg-shlibdeps and file, which find its libraries'
# packages, and lintian, which its test runs.
PACKAGES=(build-essential cmake ninja-build qt6-base-dev libgtest-dev libbenchmark-dev
          poppler-utils fonts-liberation2 clang libclang-rt-14-dev xvfb xdotool
          qt6-translations-l10n qt6-l10n-tools dpkg-dev file lintian)

install_missing() {
    local missing=() package
    for package in "${PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    if ((${#missing[@]} == 0)); then
        echo "== Every package needed is installed."
        return
    fi
    local as_root=()
    if [[ $(id -u) -ne 0 ]]; then
        if ! command -v sudo >/dev/null; then
            echo "Missing packages: ${missing[*]}. Run this as root, or install sudo." >&2
            exit 1
        fi
        as_root=(sudo)
    fi
    echo "== Installing: ${missing[*]}"
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y --no-install-recommends "${missing[@]}"
}

# build DIR [cmake options...] [-- targets...]
build() {
    local dir="$1"
    shift
    local options=() targets=()
    while (($#)); do
        if [[ $1 == -- ]]; then
            shift
            targets=("$@")
            break
        fi
        options+=("$1")
        shift
    done
    echo "== Building in ${dir}"
    cmake -S "$REPO" -B "$dir" -G Ninja "${options[@]}"
    local target_args=()
    ((${#targets[@]})) && target_args=(--target "${targets[@]}")
    cmake --build "$dir" --parallel "$(nproc)" "${target_args[@]}"
}
