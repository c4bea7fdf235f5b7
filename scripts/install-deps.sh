#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the tools need
# (clang and its libFuzzer for scripts/fuzz.sh).
# Packages that are already installed are skipped, so a ready machine spends no time here.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-svg-dev libgtest-dev libbenchmark-dev libcadical-dev libglpk-dev libpng-dev
    clang-format clang-tidy
    xvfb xauth fonts-liberation poppler-utils
    clang libclang-rt-14-dev
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg -s "$package" >/dev/null 2>&1; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
