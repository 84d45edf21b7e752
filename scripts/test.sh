#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test; then runs the generation
# tests again in a ThreadSanitizer build.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j "$(nproc)"

# The worker thread under ThreadSanitizer, on the database the main build made.
cmake -S . -B build-tsan -G Ninja -DQINGHE_TSAN=ON -DQINGHE_BUILD_GUI=OFF -DQINGHE_BUILD_BENCH=OFF \
  -DQINGHE_BUILD_DATA=OFF -DQINGHE_TEST_DATABASE="$PWD/build/bin/data/namedata.db" >/dev/null
cmake --build build-tsan -j "$(nproc)" --target generate_tests generate_real_data_tests store_tests
TSAN_OPTIONS="halt_on_error=1" ctest --test-dir build-tsan --output-on-failure -j "$(nproc)" \
  -R '^(RealData|Combination|NameDatabaseTest|SortRows|ContainsCharacters)'
