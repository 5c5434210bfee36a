#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build and test the program.
# Does nothing (and needs no network) when everything is already there. Extra package names given
# as arguments are installed the same way (the fuzz build adds its compiler so).
set -euo pipefail

packages=(cmake g++ make qtbase5-dev qtscript5-dev qttools5-dev qttools5-dev-tools
          qttranslations5-l10n poppler-utils "$@")
missing=()
# The end-to-end interface test drives the program under a virtual X server (xvfb-run needs xauth).
packages+=(xvfb xauth xdotool)
# The install test validates the desktop entry and the AppStream metainfo with these.
packages+=(desktop-file-utils appstream)
for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    sudo_cmd=""
    [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
    $sudo_cmd apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y "${missing[@]}"
fi
