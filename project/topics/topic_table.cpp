#include "project/topics/topic_table.h"

#include <algorithm>
#include <limits>

#include "platform/text.h"

namespace project {
namespace {

// The largest context number the table hands out.
constexpr std::int32_t kLastNumber = std::numeric_limits<std::int32_t>::max();

// FindTopic compares at most this many characters of the given name.
constexpr size_t kFindNameMax = 81;

bool all_digits(std::string_view s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Splits "sequence:number"; false when the text has no such form.
bool split_browse_text(std::string_view text, std::string_view& sequence, std::string_view& digits) {
  auto colon = text.rfind(':');
  if (colon == std::string_view::npos) return false;
  sequence = text::trim(text.substr(0, colon));
  digits = text::trim(text.substr(colon + 1));
  return !sequence.empty() && all_digits(digits);
}

// The browse width grows to a longer number's length until the first
// browse number of the project has been taken.
void apply_browse_text(TopicTable& table, Topic& topic, std::string_view text) {
  std::string_view sequence, digits;
  if (!split_browse_text(text, sequence, digits)) return;
  int index = table.add_sequence(sequence);
  if (index < 0) return;
  if (!table.browse_numbers_in_use && static_cast<int>(digits.size()) > table.browse_width) {
    table.browse_width = std::min(static_cast<int>(digits.size()), kMaxBrowseWidth);
  }
  topic.browse_sequence = index;
  topic.browse_number = pad_browse_number(digits, table.browse_width);
  if (topic.browse_number > 0) table.browse_numbers_in_use = true;
}

}  // namespace

bool Topic::live() const { return context.size() > 1 && context[0] != '#'; }

std::string_view Topic::name() const {
  std::string_view s = context;
  if (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  return s;
}

std::string stored_context(std::string_view name) {
  return text::cut(" " + std::string(text::trim(name)), kContextMax);
}

int TopicTable::push_back(Topic topic) {
  if (count() >= kMaxTopics) return -1;
  topics_.push_back(std::move(topic));
  return count() - 1;
}

void TopicTable::clear() { *this = TopicTable{}; }

int TopicTable::find(std::string_view name) const {
  const std::string wanted = " " + std::string(text::cut(name, kFindNameMax));
  for (int i = 0; i < count(); ++i) {
    if (text::iequals(topics_[static_cast<size_t>(i)].context, wanted)) return i;
  }
  return -1;
}

int TopicTable::find_sequence(std::string_view name) const {
  for (size_t i = 0; i < sequences_.size(); ++i) {
    if (text::iequals(sequences_[i], name)) return static_cast<int>(i);
  }
  return -1;
}

int TopicTable::add_sequence(std::string_view name) {
  std::string cut = text::cut(text::trim(name), kSequenceNameMax);
  if (cut.empty()) return -1;
  int index = find_sequence(cut);
  if (index >= 0) return index;
  if (static_cast<int>(sequences_.size()) >= kMaxSequences) return -1;
  sequences_.push_back(cut);
  return static_cast<int>(sequences_.size()) - 1;
}

void TopicTable::raise_next_number(std::int32_t n) {
  if (n >= next_number_) next_number_ = n == kLastNumber ? kLastNumber : n + 1;
}

std::int32_t TopicTable::take_next_number() {
  if (next_number_ < kLastNumber) return next_number_++;
  std::vector<std::int32_t> used;
  for (const Topic& t : topics_)
    if (t.live() && t.number >= kFirstContextNumber) used.push_back(t.number);
  std::sort(used.begin(), used.end());
  std::int32_t free = kFirstContextNumber;
  for (std::int32_t n : used) {
    if (n > free) break;
    if (n == free) ++free;  // the table holds far fewer topics than numbers
  }
  return free;
}

bool TopicTable::number_in_use(std::int32_t n, int except) const {
  for (int i = 0; i < count(); ++i) {
    const Topic& t = topics_[static_cast<size_t>(i)];
    if (i != except && t.live() && t.number == n) return true;
  }
  return false;
}

std::int32_t pad_browse_number(std::string_view digits, int width) {
  std::string padded = text::cut(digits, static_cast<size_t>(width));
  padded.resize(static_cast<size_t>(width), '0');
  return static_cast<std::int32_t>(text::parse_int(padded));
}

std::string topic_table_full_text(std::string_view name) {
  return text::format(
      "The project already has %d topics, as many as its data file can hold. "
      "The topic \"%s\" was not added.",
      kMaxTopics, std::string(text::trim(name)).c_str());
}

int AddOrUpdateTopic(TopicTable& table, const TopicUpdate& update) {
  std::string_view name = text::trim(update.name);
  if (name.empty()) return -1;
  int index = table.find(name);
  if (index < 0) {
    Topic topic;
    topic.context = stored_context(name);
    topic.file = update.file;
    topic.number = update.give_number ? table.take_next_number() : kNoNumber;
    index = table.push_back(std::move(topic));
    if (index < 0) return -1;
  }
  table[index].file = update.file;
  apply_browse_text(table, table[index], update.browse_text);
  return index;
}

}  // namespace project
