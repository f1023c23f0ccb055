# Writes the exports' signature table from the public headers: one line
#   TW_EXPORT(LIBRARY, NAME, "PARAMETERS")
# per declaration "LIBRARY_API int32_t NAME(PARAMETERS);", in header order.
# Run with -DHEADERS="a.h;b.h" -DOUTPUT=file.
set(table "// Generated from the public headers by cmake/ExportTable.cmake.\n")
foreach(header ${HEADERS})
  get_filename_component(library ${header} NAME_WE)
  string(TOUPPER ${library} api)
  file(READ ${header} content)
  string(REGEX MATCHALL "${api}_API[ \t\r\n]+int32_t[ \t\r\n]+[A-Za-z_0-9]+\\([^)]*\\)"
         declarations "${content}")
  foreach(declaration ${declarations})
    string(REGEX REPLACE "[ \t\r\n]+" " " declaration "${declaration}")
    string(REGEX REPLACE "^.* int32_t ([A-Za-z_0-9]+)\\((.*)\\)$" "\\1" name "${declaration}")
    string(REGEX REPLACE "^.* int32_t ([A-Za-z_0-9]+)\\((.*)\\)$" "\\2" parameters "${declaration}")
    string(APPEND table "TW_EXPORT(${library}, ${name}, \"${parameters}\")\n")
  endforeach()
endforeach()
# Rewritten only when it changed, so that dependants do not rebuild.
file(WRITE ${OUTPUT}.new "${table}")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.new)
