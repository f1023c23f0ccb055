// Reads the topics of a project's topic files for the distribution index:
// build tags, context string, title, each K and A footnote, and the visible
// words of the topic after its title.
#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "aids/distribution_index.h"
#include "project/topics/topic_table.h"

namespace aids {

// Tokens longer than this are not words (data, not text).
inline constexpr size_t kLongestWord = 498;

// The words of a topic's visible text, each followed by one blank: cut at
// blanks, line ends and braces; bitmap and embedded-window references
// ("{bmc ...}", "{ewl ...}") and picture placeholders left out, as are
// tokens longer than kLongestWord.
std::string VisibleWords(std::string_view text);

// Called at every context string read, for the build's progress.
using TopicCounter = std::function<void()>;

// The topics of these files (system paths, in project order); a file that
// does not open is skipped.
std::vector<DistributionTopic> ReadDistributionTopics(const std::vector<std::string>& topic_paths,
                                                      const project::TopicTable& table,
                                                      const TopicCounter& counter = {});

}  // namespace aids
