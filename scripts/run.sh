#!/usr/bin/env bash
# Installs what is missing, builds Orvane and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-deps.sh
bash scripts/build.sh
exec build/src/orvane
