#include "tools/helpc/hlp/topic_stream.h"

#include "tools/helpc/hlp/bytes.h"

namespace hlp {
namespace {

constexpr std::size_t kBlockData = kTopicBlockSize - kTopicBlockHeaderSize;
// Fields of a topic header record, from the record's start.
constexpr std::size_t kFieldBlockSize = kTopicLinkSize;
constexpr std::size_t kFieldBrowseBack = kTopicLinkSize + 4;
constexpr std::size_t kFieldBrowseNext = kTopicLinkSize + 8;
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

std::int32_t topic_position(std::size_t stream_at) {
  return static_cast<std::int32_t>((stream_at / kBlockData) * 0x4000 + kTopicBlockHeaderSize +
                                   stream_at % kBlockData);
}

std::size_t TopicStream::add_record(std::uint8_t type, std::string_view formatting, std::string_view text) {
  const std::size_t at = stream_.size();
  Bytes link;
  link.u32(static_cast<std::uint32_t>(kTopicLinkSize + formatting.size() + text.size()));
  link.u32(static_cast<std::uint32_t>(text.size()));
  link.i32(records_.empty() ? -1 : topic_position(records_.back()));
  link.i32(-1);  // the next record, filled in when it comes
  link.u32(static_cast<std::uint32_t>(kTopicLinkSize + formatting.size()));
  link.u8(type);
  stream_ += link.str();
  stream_ += formatting;
  stream_ += text;
  link_from_previous(at);
  records_.push_back(at);
  is_header_.push_back(type == kRecordTopicHeader);
  return at;
}

void TopicStream::link_from_previous(std::size_t at) {
  if (!records_.empty()) put_i32(stream_, records_.back() + kFieldNextRecord, topic_position(at));
}

std::int32_t TopicStream::begin_topic(std::string_view title, const std::vector<std::string>& macros) {
  // A topic starts its own block: pad the stream to the block's end.
  if (stream_.size() % kBlockData != 0) stream_.append(kBlockData - stream_.size() % kBlockData, '\0');
  const std::int32_t offset = static_cast<std::int32_t>((stream_.size() / kBlockData) * 0x8000);
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
  if (!topics_.empty()) {
    put_i32(stream_, topics_.back().header_at + kFieldNextTopic, topic_position(stream_.size()));
  }
  std::size_t at = add_record(kRecordTopicHeader, header.str(), title_text);
  topics_.push_back(TopicInfo{at, stream_.size()});
  return offset;
}

void TopicStream::add_paragraph(const Paragraph::Record& paragraph) {
  if (topics_.empty()) return;
  std::size_t at = add_record(kRecordDisplay, paragraph.formatting, paragraph.text);
  topics_.back().end = stream_.size();
  std::size_t scroll = topics_.back().header_at + kFieldScroll;
  if (get_i32(stream_, scroll) == -1) put_i32(stream_, scroll, topic_position(at));
}

bool TopicStream::fits() const {
  return stream_.size() / (kTopicBlockSize - kTopicBlockHeaderSize) < kMaxBlocks;
}

void TopicStream::set_browse(int topic, std::int32_t previous, std::int32_t next) {
  if (topic < 0 || topic >= topics()) return;
  put_i32(stream_, topics_[topic].header_at + kFieldBrowseBack, previous);
  put_i32(stream_, topics_[topic].header_at + kFieldBrowseNext, next);
}

std::string TopicStream::render() const {
  std::string stream = stream_;
  for (const auto& t : topics_) {
    put_i32(stream, t.header_at + kFieldBlockSize, static_cast<std::int32_t>(t.end - t.header_at));
  }
  const std::size_t blocks = stream.empty() ? 1 : (stream.size() + kBlockData - 1) / kBlockData;
  stream.resize(blocks * kBlockData, '\0');
  std::string out;
  std::size_t next_record = 0;
  std::int32_t last_record = -1, last_header = -1;
  for (std::size_t b = 0; b < blocks; ++b) {
    const std::size_t block_end = (b + 1) * kBlockData;
    std::int32_t first_record = -1;
    std::int32_t headers_before = last_header;
    std::int32_t records_before = last_record;
    while (next_record < records_.size() && records_[next_record] < block_end) {
      if (first_record == -1) first_record = topic_position(records_[next_record]);
      last_record = topic_position(records_[next_record]);
      if (is_header_[next_record]) last_header = last_record;
      ++next_record;
    }
    Bytes head;
    head.i32(records_before);
    head.i32(first_record);
    head.i32(headers_before);
    out += head.str();
    out.append(stream, b * kBlockData, kBlockData);
  }
  return out;
}

}  // namespace hlp
