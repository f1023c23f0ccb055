// |TOPIC, uncompressed: 4 KB blocks, each with a 12-byte header, holding
// one stream of records (a topic header, then the topic's paragraphs),
// each record chained to the next by position. A position names the block
// (times 0x4000) and the offset in it; a topic's offset, which the
// context, title and keyword trees store, names the block (times 0x8000)
// and the characters before it in the block. Every topic starts a block of
// its own, so its offset is its block's.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tools/helpc/hlp/paragraph.h"

namespace hlp {

inline constexpr std::size_t kTopicBlockSize = 4096;
inline constexpr std::size_t kTopicBlockHeaderSize = 12;
inline constexpr std::size_t kTopicLinkSize = 21;
inline constexpr std::uint8_t kRecordTopicHeader = 0x02;
inline constexpr std::uint8_t kRecordDisplay = 0x20;

class TopicStream {
 public:
  // Starts a topic; answers its offset.
  std::int32_t begin_topic(std::string_view title, const std::vector<std::string>& macros);
  void add_paragraph(const Paragraph::Record& paragraph);
  // Browse links of a topic begun earlier (by its number, from 0).
  void set_browse(int topic, std::int32_t previous, std::int32_t next);
  int topics() const { return static_cast<int>(topics_.size()); }
  // Topic offsets are 32-bit and count 0x8000 a block: past this many
  // blocks they no longer fit.
  static constexpr std::size_t kMaxBlocks = 0xFFFF;
  bool fits() const;
  // The whole internal file.
  std::string render() const;

 private:
  struct TopicInfo {
    std::size_t header_at;  // of its topic header record in the stream
    std::size_t end = 0;    // of its last record
  };
  std::size_t add_record(std::uint8_t type, std::string_view formatting, std::string_view text);
  void link_from_previous(std::size_t at);
  std::string stream_;  // the records without block headers
  std::vector<TopicInfo> topics_;
  std::vector<std::size_t> records_;  // stream positions, in order
  std::vector<bool> is_header_;
};

// A stream position as the file names it.
std::int32_t topic_position(std::size_t stream_at);

}  // namespace hlp
