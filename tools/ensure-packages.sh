# Sourced by ./run, ./test and the benchmarks: makes sure the Debian packages they need are installed.

# What building the program and running it need; ./run installs only these.
QM7_BUILD_PACKAGES=(
    cmake ninja-build g++ libgtest-dev locales
    qt6-base-dev qt6-charts-dev libgl-dev libsdl2-dev qt6-translations-l10n
    fonts-ipafont-gothic fonts-ipafont-mincho fonts-liberation2
)

# What the tests, checks and benchmarks need on top: the Windows cross build and Wine, the end-to-end tests under
# Xvfb with a private sound server, the package checks, the fuzz targets and the benchmarks.
QM7_TEST_PACKAGES=(
    clang clang-format libclang-rt-dev libbenchmark-dev
    g++-mingw-w64-x86-64-posix googletest wine wine64 fonts-wine nsis
    xvfb xauth xdotool x11-utils x11-xkb-utils imagemagick faketime python3 strace
    pulseaudio pulseaudio-utils sox
    dpkg-dev fakeroot file lintian desktop-file-utils appstream xdg-utils shared-mime-info libfile-mimeinfo-perl
)

# ensure_packages [build]: the building and running packages alone, or without the argument all of them.
ensure_packages() {
    local wanted=("${QM7_BUILD_PACKAGES[@]}")
    if [[ ${1:-} != build ]]; then
        wanted+=("${QM7_TEST_PACKAGES[@]}")
    fi
    if ! command -v dpkg-query >/dev/null; then
        echo "This needs a Debian system (dpkg-query not found). Packages used: ${wanted[*]}" >&2
        exit 1
    fi
    local missing=() package
    for package in "${wanted[@]}"; do
        if [[ "$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null)" != "install ok installed" ]]; then
            missing+=("$package")
        fi
    done
    if ((${#missing[@]} == 0)); then
        return 0
    fi
    if ((EUID != 0)); then
        echo "Some Debian packages are missing. Install them with:" >&2
        echo "sudo apt-get install -y ${missing[*]}"
        exit 1
    fi
    echo "Installing missing packages: ${missing[*]}"
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
}
