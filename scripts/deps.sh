#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Milora developers
# SPDX-License-Identifier: MIT
# Installs the build and test dependencies that are missing, with apt-get (sudo when not root).
# Sourced by scripts/run and scripts/test.
set -euo pipefail

MILORA_PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev libgl-dev
    nlohmann-json3-dev libcli11-dev libchm-dev fp-utils
    libgtest-dev libgmock-dev libbenchmark-dev clang-format
    xvfb xauth fonts-dejavu-core
    desktop-file-utils appstream poppler-utils time
)

milora_install_deps() {
    local missing=()
    local p
    for p in "${MILORA_PACKAGES[@]}" "$@"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$p")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    if ! compgen -G '/var/lib/apt/lists/*_Packages*' >/dev/null; then
        "${sudo[@]}" apt-get update
    fi
    if ! DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends \
        "${missing[@]}"; then
        # The package lists may be stale: refresh them once and try again.
        "${sudo[@]}" apt-get update
        DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends \
            "${missing[@]}"
    fi
}
