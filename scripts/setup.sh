#!/usr/bin/env bash
# Installs what Brimvale needs on Debian 12 (only the packages that are missing),
# then configures and builds into a tree outside the sources.
set -euo pipefail
source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${BRIMVALE_BUILD_DIR:-$(dirname "$source_dir")/brimvale-build}

packages=(build-essential cmake ninja-build qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite
          fonts-thai-tlwg fonts-dejavu-core sqlite3 xvfb xauth)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update >&2
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${missing[@]}" >&2
fi

cmake -S "$source_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >&2
cmake --build "$build_dir" -j2 >&2
echo "$build_dir"
