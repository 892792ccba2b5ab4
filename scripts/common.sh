# Shared by the entry points: the packages the project needs and the build.
# shellcheck shell=bash

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

PACKAGES=(
    cmake ninja-build ccache g++ pkg-config python3
    qt6-base-dev qt6-svg-dev qt6-image-formats-plugins qt6-translations-l10n
    qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools libgl-dev
    libxml2-dev libxml2-utils libxslt1-dev libzint-dev
    libhyphen-dev hyphen-en-us hyphen-de hyphen-fr
    hunspell-en-us hunspell-de-de hunspell-fr
    fontconfig fonts-liberation2 fonts-dejavu
)
FUZZ_PACKAGES=(clang-14 libclang-rt-14-dev)

# ensure_packages PACKAGE...: installs what is missing (as root), or prints
# the exact command to run and stops.
ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    if [ "$(id -u)" -ne 0 ]; then
        echo "These packages are missing. Install them as root, then run this command again:" >&2
        echo "  apt-get update && apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
    echo "Installing: ${missing[*]}"
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}

# Builds share compiled objects through ccache when it is there, also across
# checkouts of the repository side by side.
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$ROOT}"
export CCACHE_SLOPPINESS="${CCACHE_SLOPPINESS:-pch_defines,time_macros,include_file_mtime,include_file_ctime}"

# configure_and_build PRESET [TARGET...]: configures and builds one of
# CMakePresets.json's presets (default, dev, sanitize).
configure_and_build() {
    local preset="$1"
    shift
    (cd "$ROOT" && cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset" ${1:+--target "$@"})
}
