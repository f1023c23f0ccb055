// The distribution index (".xtw"): the K keywords, A keywords and full text
// of a project's topics, for the help file's own extension library to read
// at run time. After a header of three 32-bit words (the offsets of the A,
// K and full-text sections, 0 for a section left out) come the sections in
// that order. Every field piece is scrambled; the line breaks between
// records are not.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "aids/keyword_files.h"

namespace aids {

// The one-byte value the pieces are scrambled with. It obscures the text,
// it does not protect it.
inline constexpr unsigned char kScrambleValue = 0x5A;
// The line that closes each keyword section (before scrambling).
inline constexpr std::string_view kSectionEndLine = "***tw95em End***";

// One topic as the distribution index needs it.
struct DistributionTopic {
  std::string build_tags;
  std::optional<std::string> context, title;
  std::vector<std::string> k_keywords, a_keywords;  // one text per footnote
  std::string words;  // the visible words after the title, each followed by one blank
};

// Which sections to build: the dialog's result code is the sum of 1 (A),
// 10 (K) and 100 (full text).
struct DistributionChoice {
  bool a = false, k = false, full_text = false;
  bool any() const { return a || k || full_text; }
};
DistributionChoice ChoiceFromCode(int code);

std::string distribution_index_path(std::string_view project_path);

// Each byte XORed with value; a result byte that would be LF or CR becomes
// "0", so a scrambled piece never breaks a line.
std::string Scramble(std::string_view piece, unsigned char value = kScrambleValue);

// A topic is left out of every section when its build tags hold "DOC_ONLY",
// or when one of its tags stands as a whole word in excluded_tags.
bool ExcludedFromDistribution(std::string_view build_tags, std::string_view excluded_tags);

// The sections, for the topics that are not excluded (topics without a
// context string are never written).
std::string KeywordSection(const std::vector<DistributionTopic>& topics, KeywordKind kind);
std::string FullTextSection(const std::vector<DistributionTopic>& topics);

// The whole file: header and the chosen sections.
std::string DistributionIndexBytes(const std::vector<DistributionTopic>& topics, DistributionChoice choice,
                                   std::string_view excluded_tags);

}  // namespace aids
