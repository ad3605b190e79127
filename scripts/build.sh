#!/usr/bin/env bash
# Configures and builds into build/ (all binaries land in build/bin/). Extra arguments go to cmake.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja "$@" >/dev/null
cmake --build build
