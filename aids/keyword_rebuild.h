// The full rebuild of a keyword database from the project's topic files.
#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "aids/keyword_files.h"
#include "project/topics/topic_table.h"

namespace aids {

// The database text for these topic files (system paths, in project order):
// an empty line, then one record per topic with a context string. A topic
// file that does not open is skipped.
// counter (when given) is called at every context string read.
std::string KeywordDatabaseText(const std::vector<std::string>& topic_paths, const project::TopicTable& table,
                                KeywordKind kind, const std::function<void()>& counter = {});

// Writes the kind's database anew and clears its cache-valid flag. With no
// topic files nothing happens. False when the database cannot be written.
bool RebuildKeywordDatabase(std::string_view project_path, const std::vector<std::string>& topic_paths,
                            const project::TopicTable& table, KeywordKind kind, KeywordState& state,
                            const std::function<void()>& counter = {});

}  // namespace aids
