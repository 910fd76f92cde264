#!/usr/bin/env bash
# Installs every Debian 12 package the build, the programs and the tests need.
set -euo pipefail
packages=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins libgl1-mesa-dev fonts-dejavu-core
    libgtest-dev libgmock-dev libbenchmark-dev
    default-jdk-headless
)
as_root=()
if [ "$(id -u)" -ne 0 ]; then as_root=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${packages[@]}"
