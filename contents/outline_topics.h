// The topics an outline can take, as the editor's topic list shows them:
// "title=context string", or "# {context string}" for a topic without a
// title of its own.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace project {
struct ProjectState;
class TopicTable;
}

namespace contents {

// The project's live topics in topic-table order, or sorted by their text
// (without case) when sorted is set. Titles come from the K keyword database.
std::vector<std::string> outline_topic_list(const project::ProjectState& state, bool sorted);
// The same for the topics of the project at project_path.
std::vector<std::string> outline_topic_list(const project::TopicTable& table, std::string_view project_path,
                                            bool sorted);

struct TopicChoice {
  std::string title;    // the placeholder itself for an untitled topic
  std::string context;
};
// A list line taken apart; the title is the text before the last "=" (a
// title may hold "=", a context string may not).
TopicChoice topic_choice(std::string_view line);

}  // namespace contents
