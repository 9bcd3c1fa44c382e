#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing the quiz need,
# and only those that are missing. Does nothing when all are there.
set -euo pipefail

packages=(
    # build
    cmake g++ make
    qt6-base-dev qt6-base-dev-tools libgl-dev
    # run: the window system plugin, the font the texts are set in, Qt's own
    # texts in Bulgarian
    qt6-qpa-plugins libxkbcommon-x11-0 fonts-liberation2 fontconfig qt6-translations-l10n
    # test
    libgtest-dev
    xvfb xauth xdotool xclip x11-utils imagemagick
    # the look on a dark GTK desktop (Adwaita's dark variant is built into
    # GTK 3), under a real window manager, and as a Wayland client of weston
    qt6-gtk-platformtheme libgtk-3-0 openbox weston qt6-wayland
    # the footprint test: the program under a tracer, driven over X, with no
    # session bus where dbus-x11 would start one, and with a private bus and
    # the accessibility bus; the bad starts under a memory limit
    strace libx11-dev libxtst-dev dbus-x11 dbus-daemon dbus-bin at-spi2-core util-linux
    # the screen reader test: Orca on a session bus of its own with the
    # accessibility bus, its settings kept by dconf, its log read from a
    # pseudo-terminal (script, from the essential bsdutils)
    orca python3-pyatspi dbus dconf-gsettings-backend dconf-service procps
    # the benchmarks
    libbenchmark-dev
    # package, and test the package and the Windows version record
    dpkg-dev file desktop-file-utils appstream binutils-mingw-w64-x86-64 lintian man-db gzip
    # the Windows program, 64- and 32-bit: the cross-compilers and their
    # objdump, GoogleTest's sources to build for it, and Wine to run its tests,
    # with its 32-bit half (wine32:i386, below)
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64-i686 googletest wine wine64
    # the Windows zip and installer, and their test under Wine
    zip unzip nsis
    # the page for the browser: the compiler, Node to run the game's tests,
    # fontTools and brotli to cut its font down to a WOFF2 of its characters
    emscripten nodejs python3-fonttools python3-brotli
    # the page played in real browsers: Chromium, Firefox ESR, and WebKitGTK's
    # WebDriver with its MiniBrowser, on a virtual display
    chromium firefox-esr webkit2gtk-driver
)
# npm comes with Node where Node is not Debian's own.
command -v npm >/dev/null || packages+=(npm)

# Packages of another architecture than the machine's, named as apt-get
# takes them; their architecture is added to dpkg's first where it is missing.
foreign_packages=(
    # Wine's 32-bit half, which runs the 32-bit Windows program
    wine32:i386
)
if [ "$(dpkg --print-architecture)" != amd64 ]; then
    foreign_packages=()
fi

missing=()
for p in "${packages[@]}" "${foreign_packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
    [ "$status" = installed ] || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing the Debian packages the quiz needs: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
for p in "${foreign_packages[@]}"; do
    architecture=${p##*:}
    if ! dpkg --print-foreign-architectures | grep -qx "$architecture"; then
        echo "Adding the architecture $architecture, for $p"
        "${sudo[@]}" dpkg --add-architecture "$architecture"
    fi
done
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
