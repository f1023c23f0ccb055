#include "tools/helpc/hlp/topic_stream.h"

#include "tools/helpc/hlp/bytes.h"
#include "tools/helpc/hlp/lz77.h"

namespace hlp {
namespace {

// Fields of a topic header record, from the record's start.
constexpr std::size_t kFieldBlockSize = kTopicLinkSize;
constexpr std::size_t kFieldBrowseBack = kTopicLinkSize + 4;
constexpr std::size_t kFieldBrowseNext = kTopicLinkSize + 8;
constexpr std::size_t kFieldNonScroll = kTopicLinkSize + 16;
constexpr std::size_t kFieldScroll = kTopicLinkSize + 20;
constexpr std::size_t kFieldNextTopic = kTopicLinkSize + 24;
constexpr std::size_t kFieldNextRecord = 12;

void put_i32(std::string& s, std::size_t at, std::int32_t v) {
  auto u = static_cast<std::uint32_t>(v);
  for (int i = 0; i < 4; ++i) s[at + i] = static_cast<char>((u >> (8 * i)) & 0xFF);
}

std::int32_t get_i32(const std::string& s, std::size_t at) {
  std::uint32_t u = 0;
  for (int i = 0; i < 4; ++i) u |= static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + i])) << (8 * i);
  return static_cast<std::int32_t>(u);
}

}  // namespace

std::int32_t TopicStream::position(std::size_t stream_at) const {
  return static_cast<std::int32_t>(block_of(stream_at) * 0x4000 + kTopicBlockHeaderSize +
                                   stream_at % layout_.block_data);
}

// Compressed blocks end at a record's end: a record that does not fit the
// rest of the block starts the next one.
void TopicStream::start_block_for(std::size_t record_size) {
  if (!layout_.compressed) return;
  if (record_size > layout_.block_data) record_too_long_ = true;
  const std::size_t used = stream_.size() % layout_.block_data;
  if (used != 0 && used + record_size > layout_.block_data) stream_.append(layout_.block_data - used, '\0');
}

std::size_t TopicStream::add_record(std::uint8_t type, std::string_view formatting, std::string_view text) {
  start_block_for(kTopicLinkSize + formatting.size() + text.size());
  const std::size_t at = stream_.size();
  Bytes link;
  link.u32(static_cast<std::uint32_t>(kTopicLinkSize + formatting.size() + text.size()));
  link.u32(static_cast<std::uint32_t>(text.size()));
  link.i32(records_.empty() ? -1 : position(records_.back()));
  link.i32(-1);  // the next record, filled in when it comes
  link.u32(static_cast<std::uint32_t>(kTopicLinkSize + formatting.size()));
  link.u8(type);
  stream_ += link.str();
  stream_ += formatting;
  stream_ += text;
  if (!records_.empty()) put_i32(stream_, records_.back() + kFieldNextRecord, position(at));
  records_.push_back(at);
  is_header_.push_back(type == kRecordTopicHeader);
  if (block_of(at) != counted_block_) {
    counted_block_ = block_of(at);
    characters_ = 0;
  }
  if (type == kRecordDisplay) characters_ += static_cast<std::int32_t>(text.size());
  return at;
}

std::int32_t TopicStream::begin_topic(std::string_view title, const std::vector<std::string>& macros) {
  // A topic with no paragraphs counts no characters: the next one starts a
  // block, so that the two offsets differ.
  if (!topics_.empty() && topics_.back().header_at == records_.back()) {
    const std::size_t used = stream_.size() % layout_.block_data;
    if (used != 0) stream_.append(layout_.block_data - used, '\0');
  }
  Bytes header;
  header.i32(0);   // topic size, filled in at the end
  header.i32(-1);  // browse back
  header.i32(-1);  // browse forward
  header.i32(static_cast<std::int32_t>(topics_.size()));
  header.i32(-1);  // no non-scrolling region
  header.i32(-1);  // the scrolling region, set by the first paragraph
  header.i32(-1);  // the next topic
  Bytes text;
  text.sz(title);
  for (const auto& macro : macros) text.sz(macro);
  std::string title_text = text.take();
  std::size_t at = add_record(kRecordTopicHeader, header.str(), title_text);
  if (!topics_.empty()) put_i32(stream_, topics_.back().header_at + kFieldNextTopic, position(at));
  const auto offset = static_cast<std::int32_t>(block_of(at) * 0x8000) + characters_;
  topics_.push_back(TopicInfo{at, stream_.size(), offset});
  return offset;
}

void TopicStream::add_paragraph(const Paragraph::Record& paragraph, bool non_scrolling) {
  if (topics_.empty()) return;
  std::size_t at = add_record(kRecordDisplay, paragraph.formatting, paragraph.text);
  topics_.back().end = stream_.size();
  std::size_t region = topics_.back().header_at + (non_scrolling ? kFieldNonScroll : kFieldScroll);
  if (get_i32(stream_, region) == -1) put_i32(stream_, region, position(at));
}

bool TopicStream::fits() const { return block_of(stream_.size()) < kMaxBlocks; }

void TopicStream::set_browse(int topic, std::int32_t previous, std::int32_t next) {
  if (topic < 0 || topic >= topics()) return;
  put_i32(stream_, topics_[topic].header_at + kFieldBrowseBack, previous);
  put_i32(stream_, topics_[topic].header_at + kFieldBrowseNext, next);
}

// The block's header: the last record and the last topic header before
// it, and its first record (-1 when a long record fills it).
std::string TopicStream::block_header(std::size_t block, std::size_t& next_record, std::int32_t& last_record,
                                      std::int32_t& last_header) const {
  const std::size_t block_end = (block + 1) * layout_.block_data;
  std::int32_t first_record = -1;
  const std::int32_t headers_before = last_header;
  const std::int32_t records_before = last_record;
  for (; next_record < records_.size() && records_[next_record] < block_end; ++next_record) {
    if (first_record == -1) first_record = position(records_[next_record]);
    last_record = position(records_[next_record]);
    if (is_header_[next_record]) last_header = last_record;
  }
  Bytes head;
  head.i32(records_before);
  head.i32(first_record);
  head.i32(headers_before);
  return head.take();
}

std::optional<std::string> TopicStream::render() const {
  if (layout_.compressed && record_too_long_) return std::nullopt;
  std::string stream = stream_;
  for (const auto& t : topics_) {
    put_i32(stream, t.header_at + kFieldBlockSize, static_cast<std::int32_t>(t.end - t.header_at));
  }
  const std::size_t block_data = layout_.block_data;
  const std::size_t blocks = stream.empty() ? 1 : (stream.size() + block_data - 1) / block_data;
  stream.resize(blocks * block_data, '\0');
  std::string out;
  std::size_t next_record = 0;
  std::int32_t last_record = -1, last_header = -1;
  for (std::size_t b = 0; b < blocks; ++b) {
    out += block_header(b, next_record, last_record, last_header);
    std::string_view data = std::string_view(stream).substr(b * block_data, block_data);
    if (!layout_.compressed) {
      out.append(data);
      continue;
    }
    std::string packed = lz77_compress(data);
    if (packed.size() > kPlainBlockData) return std::nullopt;
    packed.resize(kPlainBlockData, '\0');
    out += packed;
  }
  return out;
}

}  // namespace hlp
