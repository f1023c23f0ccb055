// What a compiled help file holds, read back with our own reader: its
// internal files with their sizes, and the number of topics, titles,
// context strings and keywords. `helpc --list` prints it; the tests
// compare it with the project.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/helpc/hlp/file_system.h"

namespace hlp {

struct HelpFileSummary {
  std::vector<InternalFile> files;
  int topics = 0;    // topic header records in |TOPIC
  int titles = 0;    // entries of |TTLBTREE
  int contexts = 0;  // entries of |CONTEXT
  int keywords = 0;  // entries of |KWBTREE
};

// nullopt when the bytes are no help file or its structures are damaged.
std::optional<HelpFileSummary> summarize_help_file(std::string_view bytes);

// The topic header records of a |TOPIC, plain or packed, followed record
// by record; nullopt when a link leads outside the file or loops, or a
// packed block does not unpack.
std::optional<int> count_topic_headers(std::string_view topic_file, bool compressed = false);

// The listing printed for a help file: one line per internal file (name
// and size), then the counts.
std::string format_summary(const HelpFileSummary& summary);

}  // namespace hlp
