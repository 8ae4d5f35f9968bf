#!/usr/bin/env bash
# Installs what is missing, builds Mirel and starts it, optionally with a
# subtitle file to open:  scripts/run.sh [file]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake --preset dev >/dev/null
cmake --build --preset dev --target mirel
exec build/dev/src/mirel "$@"
