// The topic lists of the topic and group dialogs: one line per listed topic,
// ordered by context string or by browse position.
#pragma once
#include <string>
#include <vector>

#include "project/topics/topic_table.h"

namespace project {

// Stands for "every topic file" where a list can be limited to one.
inline constexpr int kAnyFile = -1000;
inline constexpr std::string_view kNoBrowseMark = "<no_brws_seq>";
inline constexpr std::string_view kUndefinedMark = "---undef---";

struct TopicLine {
  int topic = -1;  // topic number
  std::string text;
};

// "context\tsequence:number", "context\t<no_brws_seq>" or "context\t---undef---".
std::string context_order_line(const TopicTable& table, const Topic& topic);
// "sequence:number\tcontext", "<no_brws_seq>\tcontext" or "---undef---\tcontext".
std::string browse_order_line(const TopicTable& table, const Topic& topic);

// The listed topics (live, in a topic file; of `file` unless kAnyFile) in
// table order, with their context-order lines.
std::vector<TopicLine> topics_in_table_order(const TopicTable& table, int file = kAnyFile);
// The same sorted by context-order line, and by browse-order line (text
// order without case, as a sorted list box keeps them).
std::vector<TopicLine> topics_by_context(const TopicTable& table, int file = kAnyFile);
std::vector<TopicLine> topics_by_browse(const TopicTable& table, int file = kAnyFile);

// The topic numbers of a list, in its order.
std::vector<int> topic_order(const std::vector<TopicLine>& lines);

}  // namespace project
