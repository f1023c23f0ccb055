// |TOPIC: 4 KB blocks, each with a 12-byte header, holding one stream of
// records (a topic header, then the topic's paragraphs), each record
// chained to the next by position. Topics follow one another in the
// blocks. A position names the block (times 0x4000) and the offset in it;
// a topic's offset, which the context, title and keyword trees store,
// names the block (times 0x8000) and the characters of the paragraphs
// that start before it in the block.
//
// Stored plain, a block holds 4,084 bytes of the stream and records run on
// into the next block. Compressed, a block holds up to `block_data` bytes
// of the stream, packed into the same 4 KB; a record then never runs over
// a block's end, since the packed block's filler would be read as its
// continuation.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/helpc/hlp/paragraph.h"

namespace hlp {

inline constexpr std::size_t kTopicBlockSize = 4096;
inline constexpr std::size_t kTopicBlockHeaderSize = 12;
inline constexpr std::size_t kPlainBlockData = kTopicBlockSize - kTopicBlockHeaderSize;
// The most a block unpacks to: positions keep 14 bits for the offset.
inline constexpr std::size_t kMaxBlockData = 0x4000 - kTopicBlockHeaderSize;
inline constexpr std::size_t kTopicLinkSize = 21;
inline constexpr std::uint8_t kRecordTopicHeader = 0x02;
inline constexpr std::uint8_t kRecordDisplay = 0x20;

struct TopicLayout {
  bool compressed = false;
  std::size_t block_data = kPlainBlockData;  // stream bytes a block holds
};

class TopicStream {
 public:
  explicit TopicStream(TopicLayout layout = {}) : layout_(layout) {}
  // Starts a topic; answers its offset.
  std::int32_t begin_topic(std::string_view title, const std::vector<std::string>& macros);
  // A paragraph of the topic's non-scrolling region comes before all its
  // scrolling ones.
  void add_paragraph(const Paragraph::Record& paragraph, bool non_scrolling = false);
  // Browse links of a topic begun earlier (by its number, from 0).
  void set_browse(int topic, std::int32_t previous, std::int32_t next);
  int topics() const { return static_cast<int>(topics_.size()); }
  // Topic offsets are 32-bit and count 0x8000 a block: past this many
  // blocks they no longer fit.
  static constexpr std::size_t kMaxBlocks = 0xFFFF;
  bool fits() const;
  // The whole internal file; nullopt when compressed and a block does not
  // pack into its 4 KB, or a record is longer than a block holds.
  std::optional<std::string> render() const;
  // Compressed: a record longer than a block holds, so no smaller block helps.
  bool record_too_long() const { return record_too_long_; }

 private:
  struct TopicInfo {
    std::size_t header_at;  // of its topic header record in the stream
    std::size_t end = 0;    // of its last record
    std::int32_t offset = 0;
  };
  std::size_t add_record(std::uint8_t type, std::string_view formatting, std::string_view text);
  void start_block_for(std::size_t record_size);
  std::int32_t position(std::size_t stream_at) const;
  std::size_t block_of(std::size_t stream_at) const { return stream_at / layout_.block_data; }
  std::string block_header(std::size_t block, std::size_t& next_record, std::int32_t& last_record,
                           std::int32_t& last_header) const;

  TopicLayout layout_;
  std::string stream_;  // the records without block headers
  std::vector<TopicInfo> topics_;
  std::vector<std::size_t> records_;  // stream positions, in order
  std::vector<bool> is_header_;
  std::size_t counted_block_ = 0;  // the block whose characters are counted
  std::int32_t characters_ = 0;    // in it so far
  bool record_too_long_ = false;
};

}  // namespace hlp
