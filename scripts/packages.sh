# Installs the Debian packages given as arguments that are not installed yet.
# apt-get update runs only when something must be installed. A first
# argument --no-install-recommends leaves out what they only recommend.
ensure_packages() {
    local missing=() pkg options=()
    if [ "${1:-}" = "--no-install-recommends" ]; then
        options=("$1")
        shift
    fi
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${options[@]}" "${missing[@]}"
}

# What building and running the program needs. Qt's translation tools:
# lupdate and lrelease (qt6-l10n-tools), the CMake functions that run them
# (qt6-tools-dev), rcc that embeds what lrelease makes (qt6-base-dev-tools).
BUILD_PACKAGES=(g++ make cmake qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-qpa-plugins qt6-translations-l10n
                qt6-l10n-tools qt6-tools-dev libgl-dev fonts-liberation2 fontconfig)

# What the end-to-end suite needs besides: an X server, a session bus, the
# accessibility bus, Debian's Python with its AT-SPI, X and image modules,
# the screen reader Orca (what it says is read from its log, so no speech
# is made) and the locale sources for the locales built on the spot.
E2E_PACKAGES=(xvfb dbus at-spi2-core python3-pyatspi python3-xlib python3-pil orca locales)

# What the unit tests need besides: poppler's tools, to read back the saved
# report; and the installed layout test the desktop entry's checker.
INSTALL_TEST_PACKAGES=(poppler-utils desktop-file-utils)

build_dcsim() {
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    cmake --build build -j"$(nproc)"
}

# What the Windows build needs besides: the MinGW-w64 cross compilers (the
# POSIX-threads flavour, which Qt for Windows was built with), Ninja, Qt's
# host tools, NSIS for the setup program, and Wine with an X server,
# Debian's Python with its X and image modules and the locale sources (for
# Wine's Russian desktop, built on the spot) to test it.
WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 ninja-build
                  qt6-base-dev-tools nsis wine wine64 xvfb python3-xlib python3-pil locales)

# What the web build needs besides: Debian's emscripten (with its node and
# the JavaScript parser its optimizer uses), Ninja, Qt's host tools, and
# Chromium for the tests, without what it recommends (system services a
# headless test never uses).
WEB_PACKAGES=(emscripten nodejs node-acorn ninja-build qt6-base-dev-tools chromium)

# The web build against the Qt for WebAssembly in $1, into build-web/, with
# the tools that run during the build taken from the Linux build in build/.
configure_web() {
    . "$1/qt-wasm-env.sh"
    "$1/bin/qt-cmake" -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel -DBUILD_TESTING=ON \
        -DDCSIM_HOST_TOOLS="$PWD/build/dcsim-host-tools.cmake"
}

# What the sanitizer build needs: clang with its sanitizer and fuzzer runtimes.
SANITIZE_PACKAGES=(clang-14 libclang-rt-14-dev)

# Builds into build-san/ with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer; the arguments name the targets (none: all).
build_sanitized() {
    CC=clang-14 CXX=clang++-14 cmake -S . -B build-san -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DBUILD_TESTING=ON -DDCSIM_SANITIZE=ON
    local targets=() t
    for t in "$@"; do targets+=(--target "$t"); done
    cmake --build build-san -j"$(nproc)" "${targets[@]}"
}
