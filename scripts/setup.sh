#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, plus any package
# names given as arguments. Safe to run again: it only calls apt-get when
# something is missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    libsqlcipher-dev sqlcipher
    libgtest-dev libgmock-dev libbenchmark-dev
    nlohmann-json3-dev
    qt6-base-dev qt6-translations-l10n fonts-noto-cjk
    desktop-file-utils appstream
    # `read --notify`, and the private bus and stand-in notification server of its test
    libnotify-dev dbus-daemon python3 python3-dbus python3-gi
    "$@"
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if ((${#missing[@]})); then
    echo "setup: installing ${missing[*]}"
    sudo_cmd=()
    if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
