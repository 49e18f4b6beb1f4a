# Sourced by ./run and ./test: makes sure the Debian packages that building and testing need are installed.

QM7_PACKAGES=(
    cmake ninja-build g++ clang clang-format libclang-rt-dev
    libgtest-dev libbenchmark-dev
    qt6-base-dev libgl-dev libsdl2-dev
    fonts-ipafont-gothic fonts-ipafont-mincho fonts-liberation2
    xvfb xauth xdotool x11-utils x11-xkb-utils imagemagick faketime python3 locales
    qt6-translations-l10n qt6-charts-dev
    pulseaudio pulseaudio-utils sox
    dpkg-dev fakeroot file lintian desktop-file-utils appstream xdg-utils shared-mime-info
    libfile-mimeinfo-perl strace
)

ensure_packages() {
    if ! command -v dpkg-query >/dev/null; then
        echo "This needs a Debian system (dpkg-query not found). Packages used: ${QM7_PACKAGES[*]}" >&2
        exit 1
    fi
    local missing=() package
    for package in "${QM7_PACKAGES[@]}"; do
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
