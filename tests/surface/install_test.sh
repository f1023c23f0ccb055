#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the installed tree:
# what goes where, the manual page, the files that find the libraries, and
# the installed twhost from a first run to a published sample.
set -euo pipefail
build=$1
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

for f in bin/twhost bin/pointip lib/libtrvwck32.so lib/libtwzhtml.so lib/tarvenwick/libtw_platform.so \
         lib/tarvenwick/bin/hcw.exe lib/tarvenwick/bin/hc.exe lib/tarvenwick/bin/hcp.exe \
         lib/tarvenwick/bin/hc31.exe lib/tarvenwick/bin/hcrtf.exe \
         include/tarvenwick/trvwck32.h include/tarvenwick/twzhtml.h include/tarvenwick/version.h \
         share/tarvenwick/templates/standard.lfc share/man/man1/twhost.1 \
         share/doc/tarvenwick/sample/sample.hpj share/doc/tarvenwick/help/contexts.ini \
         share/doc/tarvenwick/help/twztoc.htm lib/pkgconfig/tarvenwick.pc \
         lib/cmake/Tarvenwick/TarvenwickConfig.cmake lib/cmake/Tarvenwick/TarvenwickConfigVersion.cmake; do
  [ -e "$prefix/$f" ] || fail "not installed: $f"
done
# Nothing but twhost and pointip in the user's PATH; the platform library is private.
[ "$(ls "$prefix/bin" | tr '\n' ' ')" = "pointip twhost " ] ||
  fail "bin/ holds more than twhost and pointip: $(ls "$prefix/bin")"
[ -e "$prefix/lib/libtw_platform.so" ] && fail "libtw_platform.so is in the public library folder"
# The installed pointip starts, and ends when its (empty) script is done.
"$prefix/bin/pointip" --root "$prefix/pointip-root" </dev/null || fail "pointip did not run"
version=$("$prefix/bin/twhost" --version | head -1 | cut -d' ' -f2)
[ -e "$prefix/lib/libtrvwck32.so.$version" ] || fail "libtrvwck32.so.$version is missing"

# The manual page renders.
if command -v man >/dev/null; then
  page=$(MANWIDTH=80 man -l "$prefix/share/man/man1/twhost.1" 2>&1)
  grep -q '^NAME' <<<"$page" || fail "man -l twhost.1 does not render: $page"
else
  echo "man is not installed (Debian package man-db): the manual page was not rendered"
fi

# pkg-config and find_package see the libraries.
if command -v pkg-config >/dev/null; then
  [ "$(PKG_CONFIG_PATH="$prefix/lib/pkgconfig" pkg-config --modversion tarvenwick)" = "$version" ] ||
    fail "pkg-config does not report version $version"
fi
consumer=$(mktemp -d)
cat > "$consumer/CMakeLists.txt" <<'CMAKE'
cmake_minimum_required(VERSION 3.20)
project(consumer C)
find_package(Tarvenwick REQUIRED)
add_executable(consumer main.c)
target_link_libraries(consumer Tarvenwick::trvwck32)
CMAKE
printf '#include <tarvenwick/trvwck32.h>\n#include <stdio.h>\nint main(void) { char v[64]; TWGetVersion(v); puts(v); return 0; }\n' \
  > "$consumer/main.c"
if cmake -S "$consumer" -B "$consumer/build" -DCMAKE_PREFIX_PATH="$prefix" >/dev/null &&
   cmake --build "$consumer/build" >/dev/null; then
  # A consumer built without the sanitizers cannot run against the
  # instrumented libraries of a sanitizer build: there it is only built.
  if [ -z "${TW_SANITIZED_BUILD:-}" ]; then
    [ "$("$consumer/build/consumer")" = "$version" ] || fail "a find_package consumer got another version"
  fi
else
  fail "a find_package(Tarvenwick) consumer does not build"
fi
rm -rf "$consumer"

# The installed twhost: first run fills c:\trvwck, the stand-ins compile the
# installed sample, and every command line behaves.
root="$prefix/root"
out=$("$prefix/bin/twhost" --root "$root" call FixBookmark "s:#1 word")
[ "$out" = $'1\nn1_word' ] || fail "unexpected output: $out"
[ -f "$root/trvwck/templates/standard.lfc" ] || fail "first run did not fill c:\\trvwck"
grep -q 'Main Directory=c:\\trvwck' "$root/windows/TRVWCK6.INI" || fail "main directory not set"
# The help viewer opens the installed product help.
tr -d '\r' < "$root/windows/win.ini" | grep -qx "product help=$(cd "$prefix" && pwd)/share/doc/tarvenwick/help" ||
  fail "the help viewer does not find the installed help: $(cat "$root/windows/win.ini")"
cp -r "$prefix/share/doc/tarvenwick/sample" "$prefix/try"
"$prefix/bin/twhost" --root "$root" build "$prefix/try/sample.hpj" > "$prefix/build.txt" ||
  fail "the installed sample does not build: $(cat "$prefix/build.txt")"
grep -q 'compiler messages' "$prefix/build.txt" || fail "no compiler messages: $(cat "$prefix/build.txt")"

bash "$source_dir/tests/surface/cli_test.sh" "$prefix/bin/twhost" "$prefix/share/doc/tarvenwick/sample" ||
  failures=$((failures + 1))
[ "$failures" -eq 0 ] && echo "install tree: all checks passed"
[ "$failures" -eq 0 ]
