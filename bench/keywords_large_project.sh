#!/usr/bin/env bash
# Times the keyword-index builds on a large generated project (10 000 topics
# in files of 100 by default): the full rebuild of the K and A databases
# (twhost keywords) and the distribution index with all three sections
# (twhost distribute ... AKF). Each run includes opening the project.
#   bash bench/keywords_large_project.sh [BUILD_DIR] [TOPICS] [PER_FILE]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
topics=${2:-10000}
per_file=${3:-100}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

bash "$here/make_help_project.sh" "$work/proj" "$topics" "$per_file"
echo "project: $topics topics, $(du -sh "$work/proj" | cut -f1) of topic files"
twhost=("$build/host/twhost" --root "$work/root")
"${twhost[@]}" sample "$work/proj/big.hpj" >/dev/null  # installs the root and opens the project once

timed() {
  local label=$1; shift
  local start end
  start=$(date +%s.%N)
  "${twhost[@]}" "$@" >"$work/out.txt"
  end=$(date +%s.%N)
  printf '%-28s %6.2f s\n' "$label" "$(echo "$end - $start" | bc)"
}

timed "keywords (K and A rebuild)" keywords "$work/proj/big.hpj"
echo "  K records: $(grep -c $'\tsubject' "$work/proj/big.kdb" || true), .kdb $(stat -c %s "$work/proj/big.kdb") bytes"
timed "distribute AKF" distribute "$work/proj/big.hpj" AKF
echo "  .xtw $(stat -c %s "$work/proj/big.xtw") bytes"
