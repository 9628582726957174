#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Orvane need, if any is missing.
set -euo pipefail

packages=(cmake make g++ qt6-base-dev libfontconfig-dev libqt6svg6 libgl-dev fonts-liberation qt6-translations-l10n
          desktop-file-utils appstream dpkg-dev lintian
          xvfb xauth openbox xdotool wmctrl dbus at-spi2-core python3-pyatspi weston xwayland qt6-wayland)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Instalando / installing: ${missing[*]}"
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
