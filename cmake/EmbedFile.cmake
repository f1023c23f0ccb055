# Writes OUTPUT: a C++ array SYMBOL with the bytes of the resource scripts in
# INPUTS (a |-separated list), each after a line `#line 1 "NAME"` that names
# it by its path under BASE, joined with line breaks, and a final zero. The
# headers in HEADERS (same form) travel beside it in SYMBOL_files: name and
# text pairs ended by a null pointer, where the reader finds what a script
# includes, and the pictures its BITMAP lines name (.bmp, as hex digits).
string(REPLACE "|" ";" INPUTS "${INPUTS}")
string(REPLACE "|" ";" HEADERS "${HEADERS}")

# The bytes of text as a list of character literals.
function(tw_char_literals out text_hex)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," body "${text_hex}")
  set(${out} "${body}" PARENT_SCOPE)
endfunction()

function(tw_hex out text)
  string(HEX "${text}" hex)
  string(TOLOWER "${hex}" hex)
  set(${out} "${hex}" PARENT_SCOPE)
endfunction()

set(hex "")
foreach(input ${INPUTS})
  file(RELATIVE_PATH name "${BASE}" "${input}")
  tw_hex(marker "#line 1 \"${name}\"\n")
  file(READ "${input}" part HEX)
  string(APPEND hex "${marker}${part}0a")
endforeach()
tw_char_literals(body "${hex}")

set(arrays "")
set(table "")
set(index 0)
foreach(header ${HEADERS})
  file(RELATIVE_PATH name "${BASE}" "${header}")
  file(READ "${header}" part HEX)
  if(name MATCHES "\\.[bB][mM][pP]$")
    # A picture travels as the hex digits of its bytes: the table holds text.
    tw_hex(part "${part}")
  endif()
  tw_char_literals(chars "${part}")
  string(APPEND arrays "static const char ${SYMBOL}_file${index}[] = {${chars}'\\0'};\n")
  string(APPEND table "\"${name}\", ${SYMBOL}_file${index}, ")
  math(EXPR index "${index} + 1")
endforeach()

file(WRITE "${OUTPUT}.tmp"
  "// Generated from the resource scripts; do not edit.\n"
  "extern const char ${SYMBOL}[];\n"
  "const char ${SYMBOL}[] = {${body}'\\0'};\n"
  "${arrays}"
  "extern const char* const ${SYMBOL}_files[];\n"
  "const char* const ${SYMBOL}_files[] = {${table}nullptr};\n")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
