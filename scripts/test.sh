#!/usr/bin/env bash
# Installs what is missing, builds Orvane and runs every test headless (offscreen platform).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-deps.sh tests
bash scripts/build.sh
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure
