#!/usr/bin/env bash
# Installs every Debian 12 package the build, the programs and the tests need.
set -euo pipefail
packages=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins libgl1-mesa-dev fonts-dejavu-core
    libgtest-dev libgmock-dev libbenchmark-dev
    default-jdk-headless
    file dpkg-dev
    clang libclang-rt-14-dev
    lighttpd python3-aiosmtpd libcurl4-openssl-dev curl
    chromium chromium-driver python3-selenium
    xvfb xauth openbox x11-utils libxcb1-dev
)
as_root=()
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
        echo "install-deps: run this as root (su -c 'bash scripts/install-deps.sh'), or install sudo first" >&2
        exit 1
    fi
    as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${packages[@]}"
