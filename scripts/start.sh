#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh -DRV_BUILD_TESTS=OFF -DRV_BUILD_BENCH=OFF
if [ -x build/bin/Ravelta ]; then
    exec build/bin/Ravelta
fi
echo "Built the core libraries and tools; the window is not part of this version yet."
