# Which folders the code of each folder may #include. One line a folder:
#
#   "FOLDER | MAY INCLUDE ... | NEVER ... | WHY"
#
# MAY INCLUDE lists folders (an include "core/x.h" is in folder core; one
# without a folder is beside its includer and always allowed). NEVER lists
# path patterns (* for any characters) refused even inside an allowed folder.
# WHY ends the message of a refused include. "*" allows everything. A folder
# of the tree with sources but no line here fails the check, so that a new
# folder gets its rule. resources/trvwck32 and resources/twzhtml are the
# control-id headers of each library's dialogs.
set(TW_AUTHORING_FOLDERS core project aids contents authoring resources/trvwck32)
set(TW_CONVERSION_FOLDERS html wizard conversion resources/twzhtml)
set(TW_BELOW_LIBRARIES platform rtf formats tarvenwick)
string(JOIN " " authoring ${TW_AUTHORING_FOLDERS} ${TW_BELOW_LIBRARIES})
string(JOIN " " conversion ${TW_CONVERSION_FOLDERS} ${TW_BELOW_LIBRARIES})
set(library_rule "the two libraries never include each other's folders")

set(TW_INCLUDE_RULES
  "platform  | platform                              | | platform/ includes no subsystem"
  "rtf       | rtf platform                          | | rtf/ and formats/ include only platform/"
  "formats   | formats platform                      | | rtf/ and formats/ include only platform/"
  "include   | tarvenwick                            | | the public headers stand alone"
  "resources | resources                             | | resource headers hold only control ids"
  "core      | core platform rtf formats tarvenwick resources/trvwck32 | | core/ holds the library frame and knows no project format"
  "project   | ${authoring}                          | | ${library_rule}"
  "aids      | ${authoring}                          | | ${library_rule}"
  "contents  | ${authoring}                          | | ${library_rule}"
  "authoring | ${authoring}                          | | ${library_rule}"
  "html      | ${conversion}                         | | ${library_rule}"
  "wizard    | ${conversion}                         | | ${library_rule}"
  "conversion| ${conversion}                         | | ${library_rule}"
  "host      | host platform rtf formats tarvenwick resources/twhost | | the host reaches the libraries only through include/tarvenwick and dlopen"
  "assistant | assistant platform rtf formats resources/pointip | | the assistant is a program of its own: it uses only the platform and the shared readers"
  "tools     | tools platform rtf formats project    | project/dialogs/* | tools/ use rtf/, formats/ and the project model, never the dialogs"
  "tests     | *                                     | | "
  "bench     | *                                     | | "
  "fuzz      | *                                     | | ")
