#!/usr/bin/env bash
# The README shows what `twhost --help` really prints.
# usage: readme_help_test.sh TWHOST README
set -euo pipefail
twhost=$1
readme=$2
shown=$(awk '/^\$ twhost --help$/ {inside = 1; next} inside && /^```$/ {exit} inside {print}' "$readme")
actual=$("$twhost" --help)
if [ "$shown" != "$actual" ]; then
  echo "README's twhost --help differs from the real output:"
  diff <(echo "$shown") <(echo "$actual") || true
  exit 1
fi
echo "1 passed, 0 failed"
