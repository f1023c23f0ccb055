#include "project/topics/topic_lists.h"

#include <algorithm>

#include "platform/text.h"
#include "project/topics/browse_numbers.h"
#include "project/topics/context_strings.h"

namespace project {
namespace {

// The browse part of a line: "sequence:number", or the mark of a topic
// without a (defined) sequence.
std::string browse_part(const TopicTable& table, const Topic& topic) {
  if (topic.browse_sequence == kUndefinedSequence) return std::string(kUndefinedMark);
  std::string text = browse_text_of(table, topic);
  return text.empty() ? std::string(kNoBrowseMark) : text;
}

std::vector<TopicLine> sorted(std::vector<TopicLine> lines) {
  std::stable_sort(lines.begin(), lines.end(), [](const TopicLine& a, const TopicLine& b) {
    return text::to_lower(a.text) < text::to_lower(b.text);
  });
  return lines;
}

template <typename LineOf>
std::vector<TopicLine> collect(const TopicTable& table, int file, LineOf line_of) {
  std::vector<TopicLine> lines;
  for (int i = 0; i < table.count(); ++i) {
    const Topic& topic = table[i];
    if (!listed_topic(topic) || (file != kAnyFile && topic.file != file)) continue;
    lines.push_back({i, line_of(table, topic)});
  }
  return lines;
}

}  // namespace

std::string context_order_line(const TopicTable& table, const Topic& topic) {
  return topic.context + "\t" + browse_part(table, topic);
}

std::string browse_order_line(const TopicTable& table, const Topic& topic) {
  return browse_part(table, topic) + "\t" + topic.context;
}

std::vector<TopicLine> topics_in_table_order(const TopicTable& table, int file) {
  return collect(table, file, context_order_line);
}

std::vector<TopicLine> topics_by_context(const TopicTable& table, int file) {
  return sorted(collect(table, file, context_order_line));
}

std::vector<TopicLine> topics_by_browse(const TopicTable& table, int file) {
  return sorted(collect(table, file, browse_order_line));
}

std::vector<int> topic_order(const std::vector<TopicLine>& lines) {
  std::vector<int> order;
  order.reserve(lines.size());
  for (const TopicLine& line : lines) order.push_back(line.topic);
  return order;
}

}  // namespace project
