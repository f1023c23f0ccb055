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
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/spool_file.h"
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

// Receives the finished |TOPIC in pieces; false stops the writing.
using ByteSink = std::function<bool(std::string_view)>;

// The records are written out as they are made, to the spool when one is
// given, so that memory holds the tables (a few numbers per topic and per
// block), not the topic text. What is known only later (a topic's size,
// its next topic, its regions and browse links) is kept per topic and
// written into the topic header as the blocks are put together.
class TopicStream {
 public:
  explicit TopicStream(TopicLayout layout = {}, platform::SpoolFile* spool = nullptr)
      : layout_(layout), spool_(spool) {}
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
  // The size of the finished internal file: every block takes 4 KB.
  std::uint64_t rendered_size() const { return blocks() * kTopicBlockSize; }

  enum class Written { done, block_overflow, failed };
  // Writes the whole internal file through sink. block_overflow: compressed,
  // and a block does not pack into its 4 KB, or a record is longer than a
  // block holds; failed: the spool could not be written or read, or the
  // sink refused.
  Written write(const ByteSink& sink);
  // The whole internal file in memory; nullopt where write() would not finish.
  std::optional<std::string> render();
  // Compressed: a record longer than a block holds, so no smaller block helps.
  bool record_too_long() const { return record_too_long_; }

 private:
  struct TopicInfo {
    std::uint64_t header_at;  // of its topic header record in the stream
    std::uint64_t end = 0;    // of its last record
    std::int32_t browse_back = -1, browse_next = -1;
    std::int32_t non_scroll = -1, scroll = -1;  // first paragraph of each region
  };
  struct BlockHead {
    std::int32_t record_before;  // the last record starting before the block
    std::int32_t first_record;   // -1 when a long record fills the block
    std::int32_t header_before;  // the last topic header starting before it
  };
  std::uint64_t add_record(std::uint8_t type, std::string_view formatting, std::string_view text);
  void pad_to_block_end();
  void start_block_for(std::size_t record_size);
  void note_block_head(std::uint64_t at, bool topic_header);
  bool spill();
  std::uint64_t size() const { return tail_at_ + tail_.size(); }
  std::uint64_t blocks() const;
  std::int32_t position(std::uint64_t stream_at) const;
  std::uint64_t block_of(std::uint64_t stream_at) const { return stream_at / layout_.block_data; }
  std::optional<std::string> block_data(std::uint64_t block);
  void patch_topic_headers(std::uint64_t block, std::string& data, std::size_t& first_topic) const;
  std::string block_header(std::uint64_t block) const;

  TopicLayout layout_;
  platform::SpoolFile* spool_;
  std::string kept_;        // the stream before the tail, without a spool
  std::string tail_;        // the stream from its last record on
  std::uint64_t tail_at_ = 0;
  bool spool_failed_ = false;
  std::vector<TopicInfo> topics_;
  std::vector<BlockHead> heads_;
  bool has_records_ = false;
  std::uint64_t last_record_at_ = 0;
  std::int32_t last_record_ = -1, last_header_ = -1;  // positions
  std::uint64_t counted_block_ = 0;  // the block whose characters are counted
  std::int32_t characters_ = 0;      // in it so far
  bool record_too_long_ = false;
};

}  // namespace hlp
