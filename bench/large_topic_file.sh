#!/usr/bin/env bash
# Peak memory of the help compilers on a project with one large topic file
# (MB megabytes of RTF, default 200): the project check (hcp.exe) and the
# help file writer (hcw.exe). Their memory should follow the project's
# tables, not the size of the largest topic file.
#   bash bench/large_topic_file.sh [BUILD_DIR] [MB]
# KEEP=DIR writes the project into DIR and leaves it there (for heaptrack).
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
mb=${2:-200}
if [ -n "${KEEP:-}" ]; then
  mkdir -p "$KEEP"
  work=$(cd "$KEEP" && pwd)
else
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
fi

# About 6.3 KB a topic: footnotes and 40 paragraphs with a jump each.
topics=$((mb * 10240 / 63))
awk -v topics="$topics" -v dir="$work" 'BEGIN {
  srand(1)
  printf "[OPTIONS]\r\nCONTENTS=T0\r\n[FILES]\r\nbig.rtf\r\n" > (dir "/big.hpj")
  rtf = dir "/big.rtf"
  printf "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\r\n" > rtf
  for (t = 0; t < topics; t++) {
    if (t > 0) printf "\\page\r\n" > rtf
    printf "{\\super #}{\\footnote {\\super #} T%d}{\\super $}{\\footnote {\\super $} Title %d}", t, t > rtf
    printf "{\\super K}{\\footnote {\\super K} alpha;beta %d}\r\n", t % 100 > rtf
    for (p = 0; p < 40; p++) {
      printf "\\pard Lorem ipsum dolor sit amet, consectetur adipiscing elit {\\uldb jump}{\\v T%d} ", int(rand() * topics) > rtf
      printf "sed do eiusmod tempor incididunt ut labore et dolore magna aliqua.\\par\r\n" > rtf
    }
  }
  printf "}\r\n" > rtf
}'
echo "one topic file of $(($(stat -c %s "$work/big.rtf") / 1048576)) MB, $topics topics (load: $(cut -d' ' -f1-3 /proc/loadavg))"
for compiler in hcp.exe hcw.exe; do
  rm -f "$work/big.hlp"
  (cd "$work" && /usr/bin/time -f "%e %U %S %M" -o "$work/time.txt" "$build/bin/$compiler" big.hpj >/dev/null 2>&1) || true
  read -r wall user sys kb <"$work/time.txt"
  printf '%-8s %7.2f s wall, %6.2f s cpu, %8d KB peak resident\n' "$compiler" "$wall" \
    "$(awk -v u="$user" -v s="$sys" 'BEGIN { print u + s }')" "$kb"
done
