#!/usr/bin/env bash
# Installs the Debian packages that one stage of the work needs, and only those
# that are missing. Does nothing when all are there.
#
#   scripts/install-deps.sh STAGE...
#
#   run        build the Linux program and open its window (make run)
#   test       the Linux program's tests (the first part of make test)
#   package    build the Debian package (make package)
#   windows    build the Windows programs and test them under Wine
#   web        build the page and play it in Chromium, Firefox and WebKit
#   sanitize   the Linux tests again, with the sanitizers
#   bench      the benchmarks, of all three programs
#   fresh-debian  make a fresh Debian 13 or 12 root file system to try the
#              project in (make test-debian13, make test-debian12)
#
# A package whose name changed between Debian releases is written with its
# names one after the other, "new|old": it counts as installed under either
# name, and the first name the release has is installed.
set -euo pipefail

stage_packages() {
    case $1 in
    run)
        # build: the compiler, CMake, Qt 6 Widgets, and Debian's hardening
        # flags (dpkg-buildflags)
        echo cmake g++ make dpkg-dev qt6-base-dev qt6-base-dev-tools libgl-dev
        # run: the window system plugin, the font the texts are set in, Qt's
        # own texts in Bulgarian
        echo qt6-qpa-plugins libxkbcommon-x11-0 fonts-liberation2 fontconfig qt6-translations-l10n
        ;;
    test)
        stage_packages run
        stage_packages package
        echo libgtest-dev
        echo xvfb xauth xdotool xclip x11-utils imagemagick
        # the look on a dark GTK desktop (Adwaita's dark variant is built into
        # GTK 3), under a real window manager, and as a Wayland client of weston
        echo qt6-gtk-platformtheme "libgtk-3-0t64|libgtk-3-0" openbox weston qt6-wayland
        # the footprint test: the program under a tracer, driven over X, with
        # no session bus where dbus-x11 would start one, and with a private bus
        # and the accessibility bus; the bad starts under a memory limit
        echo strace libx11-dev libxtst-dev dbus-x11 dbus-daemon dbus-bin at-spi2-core util-linux
        # the screen reader test: Orca on a session bus of its own with the
        # accessibility bus, its settings kept by dconf, its log read from a
        # pseudo-terminal (script, from the essential bsdutils)
        echo orca python3-pyatspi dbus dconf-gsettings-backend dconf-service procps
        # the package's test, and the test of the Windows version record
        echo desktop-file-utils appstream lintian man-db gzip binutils-mingw-w64-x86-64
        ;;
    package)
        stage_packages run
        echo file
        ;;
    windows)
        echo cmake make
        # the cross-compilers and their objdump, and GoogleTest's sources to
        # build for Windows
        echo g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
        echo binutils-mingw-w64-x86-64 binutils-mingw-w64-i686 googletest
        # Wine, on a virtual display, with the metric twin of Times New Roman;
        # its 32-bit half is wine32:i386, below
        echo wine wine64 xvfb xauth xdotool xclip x11-utils fonts-liberation2
        # the zip and the installer, and their test
        echo zip unzip nsis
        ;;
    web)
        # the compiler, GoogleTest's sources to build for it, Node to write
        # the page's form into its file and to run the game's tests, fontTools
        # and brotli to cut the font down to a WOFF2 of the page's characters
        echo cmake make emscripten googletest nodejs python3-fonttools python3-brotli fonts-liberation2
        # npm comes with Node where Node is not Debian's own.
        command -v npm >/dev/null || echo npm
        # the page played in Chromium, Firefox ESR, and WebKitGTK's WebDriver
        # with its MiniBrowser, on a virtual display
        echo chromium firefox-esr webkit2gtk-driver xvfb xauth
        ;;
    sanitize)
        stage_packages test
        ;;
    bench)
        stage_packages test
        stage_packages windows
        stage_packages web
        echo libbenchmark-dev
        ;;
    fresh-debian)
        echo mmdebstrap debian-archive-keyring git ca-certificates
        ;;
    *)
        echo "install-deps.sh: no stage \"$1\" (run, test, package, windows, web, sanitize, bench, fresh-debian)" >&2
        return 2
        ;;
    esac
}

# Wine's 32-bit half, which runs the 32-bit Windows program, needs the i386
# architecture; without it only the 32-bit Windows tests are skipped.
stage_wants_wine32() {
    case $1 in windows | bench) [ "$(dpkg --print-architecture)" = amd64 ] ;; *) return 1 ;; esac
}

installed() {
    [ "$(dpkg-query -W -f='${db:Status-Status}' "$1" 2>/dev/null || true)" = installed ]
}

# An entry is there when it is installed under any of its names.
entry_installed() {
    local name
    for name in ${1//|/ }; do
        installed "$name" && return 0
    done
    return 1
}

# The first of an entry's names that this release's archive offers.
entry_to_install() {
    local name policy
    for name in ${1//|/ }; do
        policy=$(apt-cache policy "$name" 2>/dev/null || true)
        if grep -q '^  Candidate: [^(]' <<<"$policy"; then
            echo "$name"
            return
        fi
    done
    echo "${1%%|*}"
}

[ $# -gt 0 ] || set -- run
entries=()
want_wine32=0
for stage; do
    list=$(stage_packages "$stage") || exit 2
    read -r -a words <<<"$(echo $list)"
    entries+=("${words[@]}")
    if stage_wants_wine32 "$stage"; then want_wine32=1; fi
done

missing=()
declare -A seen=()
for entry in "${entries[@]}"; do
    [ -z "${seen[$entry]:-}" ] || continue
    seen[$entry]=1
    entry_installed "$entry" || missing+=("$entry")
done
# Where wine32:i386 could not be installed today, it is not tried again on
# every make until tomorrow; deleting the note tries again at once.
wine32_note=$(dirname "$0")/../build/wine32-unavailable
if [ "$want_wine32" = 1 ] && installed wine32:i386; then
    want_wine32=0
    rm -f "$wine32_note"
elif [ "$want_wine32" = 1 ] && [ -n "$(find "$wine32_note" -mmin -1440 2>/dev/null)" ]; then
    echo "install-deps.sh: wine32:i386 could not be installed at $(date -r "$wine32_note" '+%H:%M');" \
        "the 32-bit Windows tests will be skipped (delete build/wine32-unavailable to try again)"
    want_wine32=0
fi
if [ ${#missing[@]} -eq 0 ] && [ "$want_wine32" = 0 ]; then
    exit 0
fi

sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive

# Reads the archive's indexes. A mirror that fails on some of them (one being
# synced, say) is worth a line, not a stop: what the others hold is enough
# unless a package is then missing, and apt says which.
updated=0
update_indexes() {
    local log
    updated=1
    log=$(mktemp)
    if ! "${sudo[@]}" apt-get update -qq >"$log" 2>&1; then
        local failed
        failed=$(grep -c '^\(E\|W\|Err\): *Failed to fetch' "$log" || true)
        echo "install-deps.sh: apt-get update could not read ${failed:-some} of the archive's index files" \
            "($(grep -m1 -o 'Failed to fetch [^ ]*' "$log" | cut -d' ' -f4)); going on with the others"
    fi
    rm -f "$log"
}

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing the Debian packages that $* needs: ${missing[*]}"
    update_indexes
    names=()
    for entry in "${missing[@]}"; do
        names+=("$(entry_to_install "$entry")")
    done
    "${sudo[@]}" apt-get install -y -q --no-install-recommends "${names[@]}"
fi

if [ "$want_wine32" = 1 ]; then
    echo "Installing Wine's 32-bit half, wine32:i386, for the 32-bit Windows tests"
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        echo "Adding the architecture i386, for wine32:i386"
        "${sudo[@]}" dpkg --add-architecture i386
        updated=0
    fi
    [ "$updated" = 1 ] || update_indexes
    log=$(mktemp)
    if ! "${sudo[@]}" apt-get install -y -q --no-install-recommends wine32:i386 >"$log" 2>&1; then
        echo "install-deps.sh: wine32:i386 could not be installed ($(grep -m1 '^E: ' "$log" || tail -n 1 "$log"));" \
            "the 32-bit Windows tests will be skipped"
        mkdir -p "$(dirname "$wine32_note")"
        cp "$log" "$wine32_note"
    fi
    rm -f "$log"
fi
