#!/usr/bin/env bash
# Installs what is missing, builds the program alone (no tests, no benchmarks) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-deps.sh program
bash scripts/build.sh --program orvane
echo "Abrindo / starting build/src/orvane"
exec build/src/orvane "$@"
