#include "tools/helpc/hlp/keyword_files.h"

#include "platform/text.h"
#include "tools/helpc/hlp/btree.h"
#include "tools/helpc/hlp/bytes.h"

namespace hlp {

// Keywords sort without regard to case; keywords that differ only in case
// (or in the separator of a sub-entry) are one keyword, spelled as first
// met. A first level keeps its first spelling in its sub-entries too, so
// that the viewer shows it once.
void KeywordIndex::add(const std::string& keyword, std::int32_t topic_offset) {
  KeywordLevels levels = sub_entries_ ? keyword_levels(keyword) : KeywordLevels{std::string(text::trim(keyword)), {}, {}};
  if (levels.first.empty()) return;
  levels.first = first_levels_.try_emplace(text::to_lower(levels.first), levels.first).first->second;
  auto& topics = keywords_[levels];
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
    entries.push_back(BtreeEntry{stored_keyword(keyword) + std::string(1, '\0'), value.take()});
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
