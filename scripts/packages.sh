# Installs the Debian packages given as arguments that are not installed yet.
# apt-get update runs only when something must be installed.
ensure_packages() {
    local missing=() pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${missing[@]}"
}

# What building and running the program needs.
BUILD_PACKAGES=(g++ make cmake qt6-base-dev qt6-qpa-plugins qt6-translations-l10n libgl-dev
                fonts-liberation2 fontconfig)

# What the end-to-end suite needs besides: an X server, a session bus, the
# accessibility bus and Debian's Python with its AT-SPI, X and image modules.
E2E_PACKAGES=(xvfb dbus at-spi2-core python3-pyatspi python3-xlib python3-pil)

build_dcsim() {
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    cmake --build build -j"$(nproc)"
}
