// Reading |TOPIC back: the blocks unpacked and joined into one stream of
// records, and positions found in it.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hlp {

struct TopicData {
  std::string stream;                     // the blocks' data, joined
  std::vector<std::size_t> block_starts;  // where each block's data starts in it
};

// nullopt when a packed block does not unpack.
std::optional<TopicData> read_topic_blocks(std::string_view topic_file, bool compressed);
// Where a record position lies in the stream; nullopt when it names no
// block, or the block's header.
std::optional<std::size_t> stream_index(const TopicData& data, std::uint32_t position);
// Whether |SYSTEM says the topic blocks are packed.
bool topics_compressed(std::string_view system_file);

}  // namespace hlp
