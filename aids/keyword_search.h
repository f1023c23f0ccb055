// Finds the topics that carry any of a list of keywords.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "aids/keyword_files.h"

namespace aids {

// The topics of a database text that carry one of the semicolon-separated
// keywords, each once, in database order.
std::vector<FoundTopic> FindTopicsInDatabase(std::string_view database, std::string_view keywords);

// find_topics_by_keywords over the project's database of this kind; a
// database that does not open finds nothing.
std::vector<FoundTopic> FindTopicsByKeywords(std::string_view project_path, KeywordKind kind,
                                             std::string_view keywords);

}  // namespace aids
