#!/usr/bin/env bash
# Times publishing generated help projects (convert + ProcessFiles through
# `twhost publish`), one run per topic count, in a private root folder.
# Prints wall time and peak resident memory of each run.
#   bash bench/publish_large_project.sh [BUILD_DIR] [TOPICS ...]   (default 1000 5000)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-build}" && pwd)
shift || true
counts=("$@")
[ ${#counts[@]} -gt 0 ] || counts=(1000 5000)
twhost="$build/host/twhost"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for n in "${counts[@]}"; do
  project="$work/p$n"
  bash "$here/make_help_project.sh" "$project" "$n" >/dev/null
  log="$work/time$n.txt"
  status=0
  /usr/bin/time -v -o "$log" "$twhost" --root "$work/root$n" publish "$project/big.hpj" \
    --out "$work/site$n" >"$work/out$n.txt" 2>&1 || status=$?
  elapsed=$(sed -n 's/.*Elapsed (wall clock) time (h:mm:ss or m:ss): //p' "$log")
  peak=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$log")
  pages=$(find "$work/site$n" -maxdepth 1 -iname '*.htm' | wc -l)
  summary=$(grep -E 'topic pages|link check' "$work/out$n.txt" | tr '\n' ' ')
  printf '%6d topics: %s wall, %s KB peak, %d pages written, exit %d; %s\n' \
    "$n" "$elapsed" "$peak" "$pages" "$status" "$summary"
done
