#!/usr/bin/env bash
# Installs what is missing, builds Mirel in the plain and the sanitized preset
# and runs every test in both. Ends with CTest's summary of each run.
set -uo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh || exit 1
export QT_QPA_PLATFORM=offscreen

status=0
summary=""
for preset in dev asan; do
  echo "=== $preset: configure and build ==="
  if ! cmake --preset "$preset" >/dev/null || ! cmake --build --preset "$preset"; then
    echo "=== $preset: build failed ==="
    status=1
    summary+="$preset: build failed"$'\n'
    continue
  fi
  echo "=== $preset: tests ==="
  log="build/$preset/ctest.log"
  ctest --preset "$preset" 2>&1 | tee "$log"
  rc=${PIPESTATUS[0]}
  [ "$rc" -ne 0 ] && status=1
  summary+="$preset: $(grep -E 'tests passed|tests failed' "$log" | tail -1)"$'\n'
done

echo
echo "=== CTest summary ==="
printf '%s' "$summary"
exit $status
