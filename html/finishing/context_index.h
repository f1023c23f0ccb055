// The publication's context index: which page shows each context string of
// the help project, which context string each [MAP] number stands for, and
// the start page. A help viewer that is asked for a context number or a
// context string finds the page through it.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "html/index/index_entries.h"

namespace html {

struct ConversionRun;

// Its name in the output folder.
inline constexpr std::string_view kContextIndexName = "contexts.ini";

struct MappedNumber {
  std::string context;
  long number = 0;
};

// The numbers of a [MAP] section's lines: "NAME NUMBER", "NAME=NUMBER" and
// "#define NAME NUMBER" (decimal or 0x hex, a comment after it allowed);
// comment lines and lines without a number are skipped.
std::vector<MappedNumber> parse_map_lines(const std::vector<std::string>& lines);

// [Keywords]: each keyword once, with the page of its first entry in index
// order. A keyword an INI key cannot hold ("=" inside, or read as a comment
// or a section) is left out; "" when the run made no index.
std::string keywords_section(const std::vector<IndexEntry>& entries);

// The index's text: [Topics] "context=page" ("page#context" when the topic
// starts below the top of its page), [Map] "number=context", [Keywords]
// "keyword=page#IX_n" (when the run made an index), [Publication]
// "start=page".
std::string context_index_text(const ConversionRun& run, const std::vector<MappedNumber>& map);

// Writes the index beside the pages from the run's context map and the help
// project's [MAP] (its lines and the headers it includes). False when it
// cannot be written.
bool write_context_index(const ConversionRun& run);

}  // namespace html
