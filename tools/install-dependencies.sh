#!/usr/bin/env bash
# Installs, on Debian 12, whatever Fyn needs to build, run and be tested that is still missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ clang libclang-rt-14-dev pkg-config
    qt6-base-dev qt6-svg-dev libqt6svg6 qt6-translations-l10n qt6-qpa-plugins
    qt6-tools-dev qt6-l10n-tools
    libsimpleini-dev libicu-dev libgmime-3.0-dev libqt6sql6-sqlite
    msmtp python3-aiosmtpd xdg-utils thunderbird
    fonts-liberation fonts-dejavu-core
    xvfb xauth xdotool xclip x11-apps imagemagick poppler-utils
    at-spi2-core dbus-daemon python3-pyatspi
    cups cups-client cups-filters
    dpkg-dev lintian appstream desktop-file-utils shared-mime-info xdg-utils
    libfile-mimeinfo-perl file man-db binutils gzip
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed"; then
        missing+=("$package")
    fi
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
