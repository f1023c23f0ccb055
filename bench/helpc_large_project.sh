#!/usr/bin/env bash
# Times the help compiler stand-in on a large generated project: FILES topic
# files of TOPICS topics each, every topic with footnotes and 40 jumps into
# random topics (about 37 MB of RTF with the defaults).
#   bash bench/helpc_large_project.sh [BUILD_DIR] [FILES] [TOPICS]
set -euo pipefail
build=${1:-build}
files=${2:-60}
topics=${3:-100}
compiler="$(cd "$build" && pwd)/bin/hcp.exe"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

awk -v files="$files" -v topics="$topics" -v dir="$work" 'BEGIN {
  srand(1)
  hpj = dir "/big.hpj"
  printf "[OPTIONS]\r\nCONTENTS=T0_0\r\n[FILES]\r\n" > hpj
  for (f = 0; f < files; f++) {
    printf "f%d.rtf\r\n", f > hpj
    rtf = dir "/f" f ".rtf"
    print "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}" > rtf
    for (t = 0; t < topics; t++) {
      printf "{\\super #}{\\footnote {\\super #} T%d_%d}{\\super $}{\\footnote {\\super $} Title %d %d}", f, t, f, t > rtf
      print "{\\super K}{\\footnote {\\super K} alpha;beta;gamma}" > rtf
      for (p = 0; p < 40; p++) {
        printf "\\pard Lorem ipsum dolor sit amet, consectetur adipiscing elit {\\uldb jump}{\\v T%d_%d} ", int(rand() * files), int(rand() * topics) > rtf
        print "sed do eiusmod tempor incididunt ut labore et dolore magna aliqua.\\par" > rtf
      }
      print "\\page" > rtf
    }
    print "}" > rtf
    close(rtf)
  }
}'
echo "project: $(du -sh "$work" | cut -f1) in $files topic files"
cd "$work"
if [ -x /usr/bin/time ]; then
  /usr/bin/time -f "%e s, %M KB resident" "$compiler" big.hpj
else
  time "$compiler" big.hpj
fi
