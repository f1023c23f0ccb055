#!/usr/bin/env bash
# Times publishing generated help projects (convert + ProcessFiles through
# `twhost publish`), one run per topic count, in a private root folder.
# Per size it prints: wall and processor time and peak resident memory of the run, the
# pages written, system calls per page (a second run under `strace -c -f`,
# when strace is installed), and the ratio of the run's wall time to `cat`
# of the same RTF and HTML bytes (the distance to the physical limit).
# Other processes on the machine disturb the times: repeat and take the best.
#   bash bench/publish_large_project.sh [BUILD_DIR] [TOPICS ...]   (default 1000 10000)
# TEMPLATE=NAME.lfc publishes with that template (default: twhost's own). The
# default one puts the contents beside every page (past 500 entries only the
# way to the page, plus one whole-contents page); standard.lfc measures the
# conversion alone.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-build}" && pwd)
shift || true
counts=("$@")
[ ${#counts[@]} -gt 0 ] || counts=(1000 10000)
twhost="$build/host/twhost"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

publish() {  # publish N SITE [PREFIX...]: runs twhost publish under the given prefix
  local n=$1 site=$2
  shift 2
  rm -rf "$site" "$work/root$n"
  "$@" "$twhost" --root "$work/root$n" publish "$work/p$n/big.hpj" --out "$site" \
    ${TEMPLATE:+--template "$TEMPLATE"} >"$work/out$n.txt" 2>&1
}

# The RTF and the published pages, read once; a site of 50,000 pages is too
# many names for one command line.
cat_inputs_and_pages() {
  find "$work/p$1" -maxdepth 1 -name '*.rtf' -exec cat {} +
  find "$2" -maxdepth 1 -name '*.htm' -exec cat {} +
}

seconds_of() {  # "m:ss.cc" or "h:mm:ss" -> seconds
  awk -F: '{ s = 0; for (i = 1; i <= NF; i++) s = s * 60 + $i; printf "%.2f", s }' <<<"$1"
}

for n in "${counts[@]}"; do
  bash "$here/make_help_project.sh" "$work/p$n" "$n" >/dev/null
  site="$work/site$n"
  log="$work/time$n.txt"
  status=0
  publish "$n" "$site" /usr/bin/time -v -o "$log" || status=$?
  wall=$(seconds_of "$(sed -n 's/.*Elapsed (wall clock) time (h:mm:ss or m:ss): //p' "$log")")
  peak=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$log")
  # Processor time is less disturbed by other work on the machine than wall time.
  cpu=$(awk -F': ' '/User time|System time/ { s += $2 } END { printf "%.2f", s }' "$log")
  pages=$(find "$site" -maxdepth 1 -iname '*.htm' | wc -l)
  summary=$(grep -E 'topic pages|link check|NOT PUBLISHED' "$work/out$n.txt" | tr '\n' ' ')

  # The physical limit: reading the RTF and the published HTML once.
  cat_wall=""
  for try in 1 2 3; do  # the best of three
    start=$(date +%s.%N)
    cat_inputs_and_pages "$n" "$site" >/dev/null
    cat_wall=$(awk -v s="$start" -v e="$(date +%s.%N)" -v best="$cat_wall" \
      'BEGIN { t = e - s; printf "%.3f", (best != "" && best < t ? best : t) }')
  done
  ratio=$(awk -v a="$wall" -v b="$cat_wall" 'BEGIN { printf "%.0f", (b > 0 ? a / b : 0) }')
  bytes=$(cat_inputs_and_pages "$n" "$site" | wc -c)

  calls="n/a"
  if command -v strace >/dev/null; then
    publish "$n" "$work/strace-site$n" strace -c -f -U calls,name -S calls \
      -o "$work/strace$n.txt" || true
    total=$(awk '$2 == "total" { print $1 }' "$work/strace$n.txt")
    calls=$(awk -v t="${total:-0}" -v p="$pages" 'BEGIN { printf "%.1f", (p > 0 ? t / p : 0) }')
    top=$(awk -v p="$pages" '$1 ~ /^[0-9]+$/ && $2 != "total" && n++ < 8 {
            printf "%s %.1f/page, ", $2, $1 / p }' "$work/strace$n.txt")
  fi
  printf '%6d topics: %s s wall, %s s cpu, %s KB peak, %d pages, exit %d; %s syscalls/page; ' \
    "$n" "$wall" "$cpu" "$peak" "$pages" "$status" "$calls"
  printf 'cat of %d MB RTF+HTML %s s (run = %sx cat)\n' "$((bytes / 1048576))" "$cat_wall" "$ratio"
  printf '        %s\n' "$summary"
  [ "$calls" = "n/a" ] || printf '        syscalls: %s\n' "$top"
done
