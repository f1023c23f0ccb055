#include "tools/helpc/hlp/help_file_summary.h"

#include "platform/text.h"
#include "tools/helpc/hlp/btree.h"
#include "tools/helpc/hlp/bytes.h"
#include "tools/helpc/hlp/topic_blocks.h"
#include "tools/helpc/hlp/topic_stream.h"

namespace hlp {
namespace {

int tree_entries(const FileSystemReader& reader, std::string_view name) {
  auto file = reader.file(name);
  if (!file) return 0;
  auto header = read_btree_header(*file);
  return header ? header->entries : -1;
}

}  // namespace

std::optional<int> count_topic_headers(std::string_view topic_file, bool compressed) {
  auto data = read_topic_blocks(topic_file, compressed);
  if (!data) return std::nullopt;
  int headers = 0;
  std::uint32_t position = kTopicBlockHeaderSize;
  for (std::size_t steps = 0; position != 0xFFFFFFFFu; ++steps) {
    if (steps > data->stream.size()) return std::nullopt;  // a loop
    auto at = stream_index(*data, position);
    if (!at) return std::nullopt;
    Reader link(data->stream, *at);
    if (!link.skip(12)) return std::nullopt;
    auto next = link.u32();
    if (!next || !link.skip(4)) return std::nullopt;
    auto type = link.u8();
    if (!type) return std::nullopt;
    if (*type == kRecordTopicHeader) ++headers;
    position = *next;
  }
  return headers;
}

std::optional<HelpFileSummary> summarize_help_file(std::string_view bytes) {
  auto reader = FileSystemReader::open(bytes);
  if (!reader) return std::nullopt;
  HelpFileSummary summary;
  summary.files = reader->files();
  if (auto topic = reader->file("|TOPIC")) {
    auto system = reader->file("|SYSTEM");
    auto topics = count_topic_headers(*topic, system && topics_compressed(*system));
    if (!topics) return std::nullopt;
    summary.topics = *topics;
  }
  summary.titles = tree_entries(*reader, "|TTLBTREE");
  summary.contexts = tree_entries(*reader, "|CONTEXT");
  summary.keywords = tree_entries(*reader, "|KWBTREE");
  if (summary.titles < 0 || summary.contexts < 0 || summary.keywords < 0) return std::nullopt;
  return summary;
}

std::string format_summary(const HelpFileSummary& summary) {
  std::string out;
  for (const auto& file : summary.files) out += text::format("%-12s %10u\n", file.name.c_str(), file.size);
  out += text::format("%d topics, %d titles, %d context strings, %d keywords\n", summary.topics,
                      summary.titles, summary.contexts, summary.keywords);
  return out;
}

}  // namespace hlp
