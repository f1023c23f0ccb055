#include "aids/distribution_index.h"

#include <cstdint>

#include "core/project_paths.h"

namespace aids {
namespace {

bool is_word_char(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// True when tag stands in text with no letter or digit right before or after.
bool whole_word_in(std::string_view text, std::string_view tag) {
  if (tag.empty()) return false;
  for (size_t at = text.find(tag); at != std::string_view::npos; at = text.find(tag, at + 1)) {
    bool start_ok = at == 0 || !is_word_char(text[at - 1]);
    size_t end = at + tag.size();
    bool end_ok = end == text.size() || !is_word_char(text[end]);
    if (start_ok && end_ok) return true;
  }
  return false;
}

std::vector<std::string_view> tags_of(std::string_view build_tags) {
  std::vector<std::string_view> tags;
  size_t start = 0;
  while (start <= build_tags.size()) {
    size_t end = build_tags.find_first_of("; ,\t", start);
    if (end == std::string_view::npos) end = build_tags.size();
    if (end > start) tags.push_back(build_tags.substr(start, end - start));
    start = end + 1;
  }
  return tags;
}

void put_word(std::string& out, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

void set_word(std::string& out, size_t slot, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) out[slot + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// The record start every section shares: the context string with its TAB,
// and the title with its TAB when there is a title or anything after it.
void record_head(std::string& out, const DistributionTopic& topic, bool more) {
  out += "\r\n" + Scramble(*topic.context + "\t");
  if (topic.title || more) out += Scramble(topic.title.value_or("") + "\t");
}

}  // namespace

DistributionChoice ChoiceFromCode(int code) {
  DistributionChoice choice;
  if (code <= 0) return choice;
  choice.a = code % 10 != 0;
  choice.k = (code / 10) % 10 != 0;
  choice.full_text = code >= 100;
  return choice;
}

std::string distribution_index_path(std::string_view project_path) {
  return core::companion_file(project_path, ".xtw");
}

std::string Scramble(std::string_view piece, unsigned char value) {
  std::string out(piece);
  for (char& c : out) {
    c = static_cast<char>(static_cast<unsigned char>(c) ^ value);
    if (c == '\n' || c == '\r') c = '0';
  }
  return out;
}

// A build-tag footnote may name several tags (separated by semicolons,
// commas or blanks); each is looked for in the exclusion list on its own, so
// a topic tagged "INTERNAL;WIN95" is left out when "INTERNAL" is listed.
bool ExcludedFromDistribution(std::string_view build_tags, std::string_view excluded_tags) {
  if (build_tags.find("DOC_ONLY") != std::string_view::npos) return true;
  for (std::string_view tag : tags_of(build_tags))
    if (whole_word_in(excluded_tags, tag)) return true;
  return false;
}

std::string KeywordSection(const std::vector<DistributionTopic>& topics, KeywordKind kind) {
  std::string out = "\r\n";
  for (const DistributionTopic& topic : topics) {
    if (!topic.context) continue;
    const std::vector<std::string>& keywords = kind == KeywordKind::k ? topic.k_keywords : topic.a_keywords;
    record_head(out, topic, !keywords.empty());
    for (const std::string& keyword : keywords) out += Scramble(keyword + ";");
  }
  return out + "\r\n" + Scramble(kSectionEndLine) + "\r\n";
}

// A topic without a title gives only its context line.
std::string FullTextSection(const std::vector<DistributionTopic>& topics) {
  std::string out = "\r\n";
  for (const DistributionTopic& topic : topics) {
    if (!topic.context) continue;
    record_head(out, topic, false);
    if (topic.title) out += Scramble(topic.words);
  }
  return out;
}

std::string DistributionIndexBytes(const std::vector<DistributionTopic>& topics, DistributionChoice choice,
                                   std::string_view excluded_tags) {
  std::vector<DistributionTopic> included;
  for (const DistributionTopic& topic : topics)
    if (!ExcludedFromDistribution(topic.build_tags, excluded_tags)) included.push_back(topic);
  std::string out;
  for (int slot = 0; slot < 3; ++slot) put_word(out, 0);
  auto add_section = [&](size_t slot, const std::string& section) {
    set_word(out, slot, static_cast<std::uint32_t>(out.size()));
    out += section;
  };
  if (choice.a) add_section(0, KeywordSection(included, KeywordKind::a));
  if (choice.k) add_section(4, KeywordSection(included, KeywordKind::k));
  if (choice.full_text) add_section(8, FullTextSection(included));
  return out;
}

}  // namespace aids
