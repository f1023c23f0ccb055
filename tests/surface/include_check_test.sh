#!/bin/bash
# The include check refuses an include across layers, names the file, the
# include and the rule, and accepts the same tree without it.
# Usage: include_check_test.sh SOURCE_DIR
set -u
src=$1
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

mkdir -p "$tree/cmake" "$tree/host" "$tree/project" "$tree/platform" "$tree/html" "$tree/tools"
cp "$src/cmake/CheckIncludes.cmake" "$src/cmake/IncludeRules.cmake" "$tree/cmake/"
printf '#include "platform/files.h"\n#include <sys/stat.h>\n' > "$tree/project/model.h"
printf '#pragma once\n' > "$tree/platform/files.h"
printf '#include "host/flows.h"\n#include "tarvenwick/trvwck32.h"\n#include "platform/files.h"\n' > "$tree/host/main.cpp"
printf '#include "project/model.h"\n' > "$tree/tools/helpc.cpp"
check() { cmake -DSOURCE_DIR="$tree" -P "$tree/cmake/CheckIncludes.cmake" 2>&1; }

out=$(check) || fail "a tree within the rules was refused: $out"

# The host includes a library folder; the conversion library one of the other
# library's; a tool a dialog; the platform a subsystem.
printf '  #  include "project/model.h"\n' >> "$tree/host/main.cpp"
printf '#include "project/model.h"\n' > "$tree/html/page.cpp"
printf '#include "project/dialogs/topic_dialog.h"\n' >> "$tree/tools/helpc.cpp"
printf '#include "html/page.h"\n' > "$tree/platform/paths.cpp"
out=$(check) && fail "forbidden includes passed the check"
for expected in \
  "host/main.cpp includes project/model.h: the host reaches the libraries only through include/tarvenwick and dlopen" \
  "html/page.cpp includes project/model.h: the two libraries never include each other's folders" \
  "tools/helpc.cpp includes project/dialogs/topic_dialog.h: tools/ use rtf/, formats/ and the project model, never the dialogs" \
  "platform/paths.cpp includes html/page.h: platform/ includes no subsystem" \
  "4 include(s) cross a layer"; do
  [[ $out == *"$expected"* ]] || fail "missing \"$expected\" in: $out"
done

# A new folder needs a rule before it may hold code.
rm "$tree/host/main.cpp" "$tree/html/page.cpp" "$tree/tools/helpc.cpp" "$tree/platform/paths.cpp"
mkdir -p "$tree/newpart" && printf 'int x;\n' > "$tree/newpart/x.cpp"
out=$(check) && fail "a folder without a rule passed the check"
[[ $out == *"newpart/ has no line in cmake/IncludeRules.cmake"* ]] || fail "unclear message: $out"
echo "include check test passed"
