#!/usr/bin/env bash
# Installs what is missing, builds Mirel and starts it, optionally with a
# subtitle file to open:  scripts/run.sh [file]
# Mirel starts in the folder this script was called from, so a relative file
# name means a file of that folder.
set -euo pipefail
repo="$(cd "$(dirname "$0")/.." && pwd)"
(
  cd "$repo"
  scripts/deps.sh
  cmake --preset dev >/dev/null
  cmake --build --preset dev --target mirel
)
exec "$repo/build/dev/src/mirel" "$@"
