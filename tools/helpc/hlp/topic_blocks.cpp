#include "tools/helpc/hlp/topic_blocks.h"

#include "tools/helpc/hlp/bytes.h"
#include "tools/helpc/hlp/lz77.h"
#include "tools/helpc/hlp/topic_stream.h"

namespace hlp {

std::optional<TopicData> read_topic_blocks(std::string_view topic_file, bool compressed) {
  TopicData out;
  for (std::size_t at = 0; at < topic_file.size(); at += kTopicBlockSize) {
    std::string_view block = topic_file.substr(at, kTopicBlockSize);
    if (block.size() <= kTopicBlockHeaderSize) break;
    std::string_view data = block.substr(kTopicBlockHeaderSize);
    out.block_starts.push_back(out.stream.size());
    if (!compressed) {
      out.stream.append(data);
      continue;
    }
    auto unpacked = lz77_decompress(data, kMaxBlockData);
    if (!unpacked) return std::nullopt;
    out.stream += *unpacked;
  }
  return out;
}

std::optional<std::size_t> stream_index(const TopicData& data, std::uint32_t position) {
  const std::size_t block = position >> 14;
  const std::size_t in_block = position & 0x3FFF;
  if (block >= data.block_starts.size() || in_block < kTopicBlockHeaderSize) return std::nullopt;
  const std::size_t at = data.block_starts[block] + in_block - kTopicBlockHeaderSize;
  if (at >= data.stream.size()) return std::nullopt;
  return at;
}

// The flags follow the magic number, the version and the date.
bool topics_compressed(std::string_view system_file) {
  Reader system(system_file, 10);
  auto flags = system.u16();
  return flags && (*flags & 0x0004) != 0;
}

}  // namespace hlp
