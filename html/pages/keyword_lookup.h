// The keyword database look-up behind KLink and ALink hotspots: which topics
// carry any of a list of keywords.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace html {

struct ConversionRun;

// The two keyword kinds and their databases beside the help project.
enum class KeywordKind { k, a };

// The longest result, and the longest database line read.
inline constexpr std::size_t kKeywordTopicsBytes = 32000;
inline constexpr std::size_t kKeywordLineBytes = 5000;

// For every database line that holds one of the ";"-separated keywords in
// its keyword field: its title, a tab, its context string and ";", each
// topic once, in database order. Kept in run.keyword_topics (and returned).
// A database that cannot be opened is reported; the result is then empty.
const std::string& lookup_keyword_topics(ConversionRun& run, std::string_view keywords,
                                         KeywordKind kind);

}  // namespace html
