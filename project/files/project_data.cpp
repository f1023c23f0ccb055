#include "project/files/project_data.h"

#include "platform/text.h"

namespace project {

WindowRecord main_window() {
  WindowRecord w;
  w.name = "main";
  return w;
}

std::vector<Button> standard_buttons() {
  return {{"btn_contents", "&Contents", "", {}}, {"btn_search", "&Search", "", {}},
          {"btn_back", "&Back", "", {}},         {"btn_history", "&History", "", {}},
          {"btn_previous", "&<<", "", {}},       {"btn_next", "&>>", "", {}}};
}

void reset_project_data(ProjectData& data) {
  data = ProjectData{};
  data.topics.add_sequence(kFirstSequence);
  data.windows.push_back(main_window());
  data.buttons = standard_buttons();
}

bool add_build_tag(ProjectData& data, std::string_view tag) {
  std::string cut = text::cut(text::trim(tag), kBuildTagMax);
  if (cut.empty()) return false;
  for (const auto& t : data.build_tags) {
    if (text::iequals(t, cut)) return true;
  }
  if (static_cast<int>(data.build_tags.size()) >= kMaxBuildTags) return false;
  data.build_tags.push_back(cut);
  return true;
}

}  // namespace project
