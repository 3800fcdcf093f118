#!/usr/bin/env bash
# Installs the Debian packages the build, the data tools and the tests need, when missing.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config git
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    libsdl2-dev libx11-dev libgl1-mesa-dev libglu1-mesa-dev libgl1-mesa-dri
    libjpeg62-turbo-dev libfreetype-dev libmpg123-dev libespeak-ng-dev sox lame
    fonts-liberation2 fonts-dejavu-core espeak-ng
    xvfb xauth
    clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -qq
    $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
