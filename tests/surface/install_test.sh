#!/usr/bin/env bash
# Installs the build into a temporary prefix and runs the installed caller:
# it must find its libraries and fill the installation folder on first run.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
for f in lib/libtrvwck32.so lib/libtwzhtml.so include/tarvenwick/trvwck32.h \
         include/tarvenwick/twzhtml.h bin/twhost share/tarvenwick/templates/standard.lfc; do
  [ -e "$prefix/$f" ] || { echo "not installed: $f"; exit 1; }
done
out=$("$prefix/bin/twhost" --root "$prefix/root" call FixBookmark "s:#1 word")
[ "$out" = $'1\nn1_word' ] || { echo "unexpected output: $out"; exit 1; }
[ -f "$prefix/root/trvwck/templates/standard.lfc" ] || { echo "first run did not fill c:\\trvwck"; exit 1; }
grep -q 'Main Directory=c:\\trvwck' "$prefix/root/windows/TRVWCK6.INI" || { echo "main directory not set"; exit 1; }
echo "1 passed, 0 failed"
