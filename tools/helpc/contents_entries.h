// The topic entries of a project's contents file and of the contents files
// it includes, read with the shared contents file reader, for the check of
// their context strings.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace helpc {

// An entry that runs a help macro or names a topic of this help file.
struct ContentsReference {
  std::string file;     // the contents file holding the entry
  std::string context;  // the context string; for a macro entry, the macro
  bool macro = false;
};

struct ContentsEntries {
  std::vector<ContentsReference> references;  // in file order, includes in place
  std::vector<std::string> missing_includes;  // as written, each name once
  std::vector<std::string> too_deep;          // includes not read: nested past all reason
};

// Reads the contents file at path and the files it includes (beside the
// including file; each file once, so includes that loop end). Entries of a
// help file other than help_file are left out: "ctx@other.hlp", and every
// entry of an included file whose ":Base" names another help file.
ContentsEntries read_contents_entries(std::string_view path, std::string_view help_file);

// The context string of a contents target "context@file.hlp>window", and
// the help file after "@" ("" when none).
struct ContentsTarget {
  std::string context;
  std::string help_file;
};
ContentsTarget split_contents_target(std::string_view target);

}  // namespace helpc
