#!/usr/bin/env bash
# twhost build on the sample made a Help Workshop project (an LCID line):
# the default compiler settings must reach the installed stand-in.
set -euo pipefail
twhost=$1
sample=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cp -r "$sample" "$dir/sample"
sed -i 's/^\[OPTIONS\]\r$/[OPTIONS]\r\nLCID=0x409 0x0 0x0 ; English (United States)\r/' "$dir/sample/sample.hpj"
grep -q '^LCID=' "$dir/sample/sample.hpj" || { echo "the sample has no [OPTIONS] line to extend"; exit 1; }
out=$("$twhost" --root "$dir/root" build "$dir/sample/sample.hpj") || { echo "build failed: $out"; exit 1; }
grep -q 'Tarvenwick help project check (hcw.exe, Windows 95 messages)' <<<"$out" ||
  { echo "no Help Workshop log: $out"; exit 1; }
echo "1 passed, 0 failed"
