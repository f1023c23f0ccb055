#include "aids/keyword_commands.h"

#include <string>
#include <vector>

#include "aids/keyword_progress.h"
#include "aids/keyword_rebuild.h"
#include "aids/keyword_search.h"
#include "aids/keyword_update.h"
#include "aids/aids_state.h"
#include "core/messages.h"
#include "core/project_paths.h"
#include "core/settings.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace aids {
namespace {

constexpr int kMsgIndexOutOfDate = 59;

bool rebuild(AidsState& state, const std::vector<std::string>& paths, KeywordKind kind) {
  bool written = false;
  {
    ScanProgress progress(core::authoring_module(), kind == KeywordKind::k ? kBuildKProgress : kBuildAProgress,
                          state.owner_window);
    written = RebuildKeywordDatabase(state.project_path, paths, state.data.topics, kind, state.keywords,
                                     [&] { progress.advance(); });
  }
  if (written) return true;
  const std::string text =
      text::format("The keyword index %s could not be written.",
                   platform::to_host_path(database_path(state.project_path, kind)).c_str());
  core::show_message(state, text, ui::kMbOk | ui::kMbIconStop);
  return false;
}

}  // namespace

std::vector<std::string> ProjectTopicPaths(const AidsState& state) {
  std::vector<std::string> paths;
  for (const std::string& name : state.topic_files.names())
    paths.push_back(core::topic_file_path(state.project_path, name));
  return paths;
}

int RebuildKeywordIndexes(AidsState& state, std::int32_t window) {
  core::dialog_owner(state, window);
  if (!state.project_set || state.project_path.empty()) return 1;
  const std::vector<std::string> paths = ProjectTopicPaths(state);
  if (paths.empty()) return 1;
  const bool a_written = rebuild(state, paths, KeywordKind::a);
  const bool k_written = rebuild(state, paths, KeywordKind::k);
  if (a_written && k_written && state.options.invalid_index) {
    state.options.invalid_index = false;
    core::write_project_int(core::option_file_path(state.project_path), "Invalid index", 0);
  }
  return 1;
}

int UpdateTopicKeys(AidsState& state, std::string_view context, std::string_view title,
                    std::string_view old_keywords, std::string_view new_keywords, int mode) {
  if (!state.project_set || state.project_path.empty()) return 1;
  return UpdateKeys(state.project_path, state.keywords, context, title, old_keywords, new_keywords, mode);
}

int FindTopicsForMacro(AidsState& state, std::string_view keywords, int kind) {
  if (!keywords.empty() && (keywords.front() == '"' || keywords.front() == '`')) keywords.remove_prefix(1);
  if (!keywords.empty() && keywords.back() == '\'') keywords.remove_suffix(1);
  KeywordState& keys = state.keywords;
  keys.macro_results.clear();
  keys.next_macro_result = 0;
  if (state.project_set && !state.project_path.empty())
    keys.macro_results =
        FindTopicsByKeywords(state.project_path, kind == 0 ? KeywordKind::a : KeywordKind::k, keywords);
  return 1;
}

int NextMacroResult(AidsState& state, std::string& title, std::string& context) {
  KeywordState& keys = state.keywords;
  if (keys.next_macro_result >= keys.macro_results.size()) {
    title.clear();
    context.clear();
    return 0;
  }
  const FoundTopic& found = keys.macro_results[keys.next_macro_result++];
  title = found.title;
  context = found.context;
  return 1;
}

void WarnIfIndexOutOfDate(const AidsState& state) {
  if (!state.options.invalid_index) return;
  core::show_message(state, core::resource_string(kMsgIndexOutOfDate), ui::kMbOk | ui::kMbIconExclamation);
}

}  // namespace aids
