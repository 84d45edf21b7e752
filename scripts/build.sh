#!/usr/bin/env bash
# Configures and builds everything (programs, the database, tests, benchmarks) into build/.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${QINGHE_BUILD_DIR:-build}
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$build_dir" -j "$(nproc)"
