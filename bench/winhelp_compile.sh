#!/usr/bin/env bash
# Times the help compiler writing a Windows help file (hcw.exe) from
# generated projects (bench/make_help_project.sh), one run per topic count,
# with the topics plain and packed (COMPRESS=HIGH). Per run: wall time, peak
# resident memory, the help file's size and its topic count as our reader
# lists it. Other processes disturb the times: repeat and take the best.
#   bash bench/winhelp_compile.sh [BUILD_DIR] [TOPICS ...]   (default 1000 10000)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-build}" && pwd)
shift || true
counts=("$@")
[ ${#counts[@]} -gt 0 ] || counts=(1000 10000)
compiler="$build/bin/hcw.exe"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for n in "${counts[@]}"; do
  bash "$here/make_help_project.sh" "$work/p$n" "$n" >/dev/null
  rtf=$(cat "$work/p$n"/*.rtf | wc -c)
  for mode in plain packed; do
    hpj="$work/p$n/big.hpj"
    if [ "$mode" = packed ]; then
      sed -i 's/^\[OPTIONS\]\r$/[OPTIONS]\r\nCOMPRESS=HIGH\r/' "$hpj"
    fi
    rm -f "$work/p$n/big.hlp"
    log="$work/time$n$mode.txt"
    (cd "$work/p$n" && /usr/bin/time -f "%e %M" -o "$log" "$compiler" big.hpj >/dev/null) || true
    read -r seconds kb <"$log"
    size=$(stat -c %s "$work/p$n/big.hlp" 2>/dev/null || echo 0)
    topics=$("$compiler" --list "$work/p$n/big.hlp" 2>/dev/null | tail -1 | cut -d, -f1)
    printf '%6d topics %-6s  RTF %9d bytes  %6.2f s  %7d KB resident  help file %9d bytes  (%s)\n' \
      "$n" "$mode" "$rtf" "$seconds" "$kb" "$size" "$topics"
  done
done
