#!/usr/bin/env bash
# Installs the Debian packages Zelvo needs to build, run and test.
# Idempotent: asks dpkg first and touches apt only when something is missing.
set -euo pipefail

packages=(
    build-essential
    cmake
    ninja-build
    pkg-config
    libgtest-dev
    libgmock-dev
    libbenchmark-dev
    qt6-base-dev
    libgl-dev
    libxcb1-dev
    libxcb-keysyms1-dev
    libxcb-xtest0-dev
    libx11-dev
    fonts-ipafont-gothic
    xvfb
    xauth
    openbox
    xdotool
    xclip
    trayer
    x11-utils
    dpkg-dev
    file
    lintian
    desktop-file-utils
    appstream
    man-db
    python3
    dbus
    python3-dbus
    libglib2.0-bin
    python3-gi
    weston
    xwayland
    plasma-workspace
    kded5
    kwin-x11
    kwin-wayland
    xdg-desktop-portal
    xdg-desktop-portal-kde
    libkf5globalaccel-bin
    at-spi2-core
    python3-pyatspi
    orca
    gnome-shell
    gnome-settings-daemon
    gnome-shell-extension-appindicator
    clang-14
    libclang-rt-14-dev
    g++-mingw-w64-x86-64-posix
    mingw-w64-tools
    googletest
    wine
    wine64
    nsis
    zip
    unzip
    locales
)

# The Windows program's tests run Wine in a Japanese locale, as its users do.
make_japanese_locale() {
    if locale -a 2>/dev/null | grep -qx 'ja_JP.utf8'; then
        return
    fi
    echo "Making the ja_JP.UTF-8 locale"
    "${sudo_cmd[@]}" localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
}

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi

missing=()
for pkg in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$pkg")
    fi
done

if [ "${#missing[@]}" -ne 0 ]; then
    echo "Installing: ${missing[*]}"
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
fi
make_japanese_locale
