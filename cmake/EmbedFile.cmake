# Writes OUTPUT: a C++ array SYMBOL with the bytes of the files in INPUTS
# (a |-separated list, joined with line breaks) and a final zero.
string(REPLACE "|" ";" INPUTS "${INPUTS}")
set(hex "")
foreach(input ${INPUTS})
  file(READ "${input}" part HEX)
  string(APPEND hex "${part}0a")
endforeach()
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," body "${hex}")
file(WRITE "${OUTPUT}.tmp"
  "// Generated from the resource scripts; do not edit.\n"
  "extern const char ${SYMBOL}[];\n"
  "const char ${SYMBOL}[] = {${body}'\\0'};\n")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
