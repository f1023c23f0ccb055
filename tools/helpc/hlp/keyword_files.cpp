#include "tools/helpc/hlp/keyword_files.h"

#include <algorithm>
#include <cctype>

#include "tools/helpc/hlp/btree.h"
#include "tools/helpc/hlp/bytes.h"

namespace hlp {

// Keywords sort without regard to case; keywords that differ only in case
// are one keyword, spelled as first met.
bool KeywordIndex::Less::operator()(const std::string& a, const std::string& b) const {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
  });
}

void KeywordIndex::add(const std::string& keyword, std::int32_t topic_offset) {
  auto& topics = keywords_[keyword];
  // A topic's keywords come together, so a repeat is the last one filed.
  if (topics.empty() || topics.back() != topic_offset) topics.push_back(topic_offset);
}

std::optional<KeywordIndex::Files> KeywordIndex::render() const {
  Files files;
  Bytes data;
  std::vector<BtreeEntry> entries;
  for (const auto& [keyword, topics] : keywords_) {
    Bytes value;
    if (topics.size() > 0xFFFF) return std::nullopt;
    value.u16(static_cast<std::uint32_t>(topics.size()));
    value.u32(static_cast<std::uint32_t>(data.size()));
    for (std::int32_t offset : topics) data.i32(offset);
    entries.push_back(BtreeEntry{keyword + std::string(1, '\0'), value.take()});
  }
  auto tree = build_btree(entries, BtreeLayout{kBtreeFlags, 2048, "F24"});
  if (!tree) return std::nullopt;
  Bytes map;
  map.u16(static_cast<std::uint32_t>(tree->leaves.size()));
  for (const auto& [page, before] : tree->leaves) {
    map.i32(before);
    map.u16(static_cast<std::uint32_t>(page));
  }
  files.btree = std::move(tree->bytes);
  files.data = data.take();
  files.map = map.take();
  return files;
}

}  // namespace hlp
