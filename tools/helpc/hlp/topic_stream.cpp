#include "tools/helpc/hlp/topic_stream.h"

#include <algorithm>
#include <utility>

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

}  // namespace

std::int32_t TopicStream::position(std::uint64_t stream_at) const {
  return static_cast<std::int32_t>(block_of(stream_at) * 0x4000 + kTopicBlockHeaderSize +
                                   stream_at % layout_.block_data);
}

std::uint64_t TopicStream::blocks() const {
  return size() == 0 ? 1 : (size() + layout_.block_data - 1) / layout_.block_data;
}

void TopicStream::pad_to_block_end() {
  const std::size_t used = size() % layout_.block_data;
  if (used != 0) tail_.append(layout_.block_data - used, '\0');
}

// Compressed blocks end at a record's end: a record that does not fit the
// rest of the block starts the next one.
void TopicStream::start_block_for(std::size_t record_size) {
  if (!layout_.compressed) return;
  if (record_size > layout_.block_data) record_too_long_ = true;
  const std::size_t used = size() % layout_.block_data;
  if (used != 0 && used + record_size > layout_.block_data) pad_to_block_end();
}

// Hands the tail to the spool (or keeps it in memory without one).
bool TopicStream::spill() {
  if (spool_) {
    if (!spool_failed_ && !spool_->append(tail_)) spool_failed_ = true;
  } else {
    kept_ += tail_;
  }
  tail_at_ += tail_.size();
  tail_.clear();
  return !spool_failed_;
}

// Blocks without a record of their own (a long record runs through them)
// name the records before them.
void TopicStream::note_block_head(std::uint64_t at, bool topic_header) {
  const std::uint64_t block = block_of(at);
  while (heads_.size() <= block) heads_.push_back(BlockHead{last_record_, -1, last_header_});
  if (heads_[block].first_record == -1) heads_[block].first_record = position(at);
  last_record_ = position(at);
  if (topic_header) last_header_ = last_record_;
}

std::uint64_t TopicStream::add_record(std::uint8_t type, std::string_view formatting, std::string_view text) {
  start_block_for(kTopicLinkSize + formatting.size() + text.size());
  const std::uint64_t at = size();
  // The record before is the last in the tail: it learns where this one is,
  // and then nothing in the tail changes any more.
  if (has_records_) put_i32(tail_, last_record_at_ - tail_at_ + kFieldNextRecord, position(at));
  spill();
  Bytes link;
  link.u32(static_cast<std::uint32_t>(kTopicLinkSize + formatting.size() + text.size()));
  link.u32(static_cast<std::uint32_t>(text.size()));
  link.i32(has_records_ ? last_record_ : -1);
  link.i32(-1);  // the next record, filled in when it comes
  link.u32(static_cast<std::uint32_t>(kTopicLinkSize + formatting.size()));
  link.u8(type);
  tail_ += link.str();
  tail_ += formatting;
  tail_ += text;
  note_block_head(at, type == kRecordTopicHeader);
  has_records_ = true;
  last_record_at_ = at;
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
  if (!topics_.empty() && topics_.back().header_at == last_record_at_) pad_to_block_end();
  Bytes header;
  header.i32(0);   // topic size
  header.i32(-1);  // browse back
  header.i32(-1);  // browse forward
  header.i32(static_cast<std::int32_t>(topics_.size()));
  header.i32(-1);  // the non-scrolling region
  header.i32(-1);  // the scrolling region
  header.i32(-1);  // the next topic
  Bytes text;
  text.sz(title);
  for (const auto& macro : macros) text.sz(macro);
  std::string title_text = text.take();
  const std::uint64_t at = add_record(kRecordTopicHeader, header.str(), title_text);
  const auto offset = static_cast<std::int32_t>(block_of(at) * 0x8000) + characters_;
  topics_.push_back(TopicInfo{at, size()});
  return offset;
}

void TopicStream::add_paragraph(const Paragraph::Record& paragraph, bool non_scrolling) {
  if (topics_.empty()) return;
  const std::uint64_t at = add_record(kRecordDisplay, paragraph.formatting, paragraph.text);
  TopicInfo& topic = topics_.back();
  topic.end = size();
  std::int32_t& region = non_scrolling ? topic.non_scroll : topic.scroll;
  if (region == -1) region = position(at);
}

bool TopicStream::fits() const { return block_of(size()) < kMaxBlocks; }

void TopicStream::set_browse(int topic, std::int32_t previous, std::int32_t next) {
  if (topic < 0 || topic >= topics()) return;
  topics_[topic].browse_back = previous;
  topics_[topic].browse_next = next;
}

// The block's stream bytes, filled out with zeros to the block's size.
std::optional<std::string> TopicStream::block_data(std::uint64_t block) {
  const std::uint64_t from = block * layout_.block_data;
  const std::size_t stored = from < size() ? static_cast<std::size_t>(std::min<std::uint64_t>(layout_.block_data, size() - from)) : 0;
  std::string data;
  if (spool_ && stored > 0) {
    auto read = spool_->read(from, stored);
    if (!read) return std::nullopt;
    data = std::move(*read);
  } else if (stored > 0) {
    data = kept_.substr(static_cast<std::size_t>(from), stored);
  }
  data.resize(layout_.block_data, '\0');
  return data;
}

// Writes the fields learnt after each topic header was made into the part
// of the header that lies in this block (a plain block may cut a header).
void TopicStream::patch_topic_headers(std::uint64_t block, std::string& data, std::size_t& first_topic) const {
  const std::uint64_t lo = block * layout_.block_data, hi = lo + layout_.block_data;
  while (first_topic < topics_.size() && topics_[first_topic].header_at + kFieldNextTopic + 4 <= lo) ++first_topic;
  for (std::size_t i = first_topic; i < topics_.size() && topics_[i].header_at < hi; ++i) {
    const TopicInfo& t = topics_[i];
    const std::pair<std::size_t, std::int32_t> fields[] = {
        {kFieldBlockSize, static_cast<std::int32_t>(t.end - t.header_at)},
        {kFieldBrowseBack, t.browse_back},
        {kFieldBrowseNext, t.browse_next},
        {kFieldNonScroll, t.non_scroll},
        {kFieldScroll, t.scroll},
        {kFieldNextTopic, i + 1 < topics_.size() ? position(topics_[i + 1].header_at) : -1}};
    for (const auto& [field, value] : fields) {
      const auto u = static_cast<std::uint32_t>(value);
      for (std::uint64_t k = 0; k < 4; ++k) {
        const std::uint64_t at = t.header_at + field + k;
        if (at >= lo && at < hi) data[at - lo] = static_cast<char>((u >> (8 * k)) & 0xFF);
      }
    }
  }
}

std::string TopicStream::block_header(std::uint64_t block) const {
  const BlockHead head = block < heads_.size() ? heads_[block] : BlockHead{last_record_, -1, last_header_};
  Bytes out;
  out.i32(head.record_before);
  out.i32(head.first_record);
  out.i32(head.header_before);
  return out.take();
}

TopicStream::Written TopicStream::write(const ByteSink& sink) {
  if (layout_.compressed && record_too_long_) return Written::block_overflow;
  if (!spill()) return Written::failed;
  std::size_t first_topic = 0;
  const std::uint64_t count = blocks();
  for (std::uint64_t b = 0; b < count; ++b) {
    auto data = block_data(b);
    if (!data) return Written::failed;
    patch_topic_headers(b, *data, first_topic);
    std::string block = block_header(b);
    if (!layout_.compressed) {
      block += *data;
    } else {
      std::string packed = lz77_compress(*data);
      if (packed.size() > kPlainBlockData) return Written::block_overflow;
      packed.resize(kPlainBlockData, '\0');
      block += packed;
    }
    if (!sink(block)) return Written::failed;
  }
  return Written::done;
}

std::optional<std::string> TopicStream::render() {
  std::string out;
  if (write([&out](std::string_view piece) {
        out.append(piece);
        return true;
      }) != Written::done)
    return std::nullopt;
  return out;
}

}  // namespace hlp
