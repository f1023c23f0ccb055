#!/usr/bin/env bash
# twhost sample on files named .hpj that are no help project (UTF-16 text,
# binary bytes, a plain text file): each is refused with a message and
# left byte for byte as it was.
set -euo pipefail
twhost=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
mkdir -p "$dir/proj"
printf '\xff\xfe[\0O\0P\0T\0I\0O\0N\0S\0]\0\r\0\n\0' > "$dir/proj/utf16.hpj"
printf '\x89PNG\r\n\x1a\n\0\0\0\rIHDR' > "$dir/proj/binary.hpj"
printf 'Notes for the printer guide.\r\nTITLE=not a project\r\n' > "$dir/proj/notes.hpj"
failed=0
for name in utf16 binary notes; do
  file="$dir/proj/$name.hpj"
  cp "$file" "$dir/$name.orig"
  if "$twhost" --root "$dir/root" --transcript "$dir/$name.txt" sample "$file" >/dev/null 2>"$dir/$name.err"; then
    echo "$name: twhost sample succeeded"; failed=1
  fi
  cmp -s "$file" "$dir/$name.orig" || { echo "$name: the file was changed"; failed=1; }
  # twhost refuses it before the libraries see it, or the library says so.
  grep -q "not a help project: .*$name.hpj" "$dir/$name.err" ||
    grep -q "message \"$name.hpj is not a help project file" "$dir/$name.txt" ||
    { echo "$name: no message"; failed=1; }
done
[ -z "$(ls "$dir/proj" | grep -v '\.hpj$')" ] || { echo "files were added: $(ls "$dir/proj")"; failed=1; }
[ $failed = 0 ] && echo "3 passed, 0 failed"
exit $failed
