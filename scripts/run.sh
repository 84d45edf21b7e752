#!/usr/bin/env bash
# Installs what is missing, builds everything and starts QingHe.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
if [ -x build/bin/qinghe ]; then
  exec build/bin/qinghe
fi
exec build/bin/qinghe-cli --help
