#include "aids/distribution_build.h"

#include <vector>

#include "aids/distribution_index.h"
#include "aids/distribution_topics.h"
#include "aids/keyword_commands.h"
#include "aids/keyword_progress.h"
#include "aids/aids_state.h"
#include "core/messages.h"
#include "core/settings.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/profile.h"
#include "platform/text.h"
#include "platform/ui/host.h"

namespace aids {
namespace {

class DistributionDialog : public ui::DialogProc {
 public:
  explicit DistributionDialog(DistributionOptions& options) : options_(options) {}

  void on_init(ui::Dialog& dialog) override {
    dialog.set_check(kDistAField, options_.a ? 1 : 0);
    dialog.set_check(kDistKField, options_.k ? 1 : 0);
    dialog.set_check(kDistFullTextField, options_.full_text ? 1 : 0);
    dialog.set_text(kDistExcludedField, options_.excluded_tags);
  }

  void on_command(ui::Dialog& dialog, int id, ui::Notify) override {
    if (id == ui::kIdOk) {
      options_.a = dialog.check(kDistAField) != 0;
      options_.k = dialog.check(kDistKField) != 0;
      options_.full_text = dialog.check(kDistFullTextField) != 0;
      options_.excluded_tags = text::cut(text::trim(dialog.text(kDistExcludedField)), kDistExcludedMax);
      dialog.end(options_.code());
    } else if (id == ui::kIdCancel) {
      dialog.end(0);
    }
  }

 private:
  DistributionOptions& options_;
};

// The scan runs once for all sections, under the window of the first.
std::string_view progress_window(DistributionChoice choice) {
  if (choice.a) return kBuildAProgress;
  if (choice.k) return kBuildKProgress;
  return kBuildFullTextProgress;
}

}  // namespace

DistributionOptions LoadDistributionOptions(const std::string& project_path) {
  const std::string file = core::option_file_path(project_path);
  DistributionOptions options;
  options.a = platform::get_profile_int(core::kOptionSection, "Dist A", 1, file) != 0;
  options.k = platform::get_profile_int(core::kOptionSection, "Dist K", 0, file) != 0;
  options.full_text = platform::get_profile_int(core::kOptionSection, "Dist FT", 1, file) != 0;
  options.excluded_tags =
      platform::get_profile_string(core::kOptionSection, "Dist FT Excl", "", kDistExcludedMax + 1, file);
  return options;
}

bool SaveDistributionOptions(const std::string& project_path, const DistributionOptions& options) {
  const std::string file = core::option_file_path(project_path);
  platform::ProfileBatch batch(file);
  auto flag = [&](std::string_view key, bool on) {
    platform::write_profile_string(core::kOptionSection, key, on ? "1" : "0", file);
  };
  flag("Dist A", options.a);
  flag("Dist K", options.k);
  flag("Dist FT", options.full_text);
  platform::write_profile_string(core::kOptionSection, "Dist FT Excl", options.excluded_tags, file);
  return batch.commit();
}

int AskDistribution(AidsState& state, std::int32_t owner) {
  DistributionOptions options = LoadDistributionOptions(state.project_path);
  DistributionDialog dialog(options);
  int code = ui::host().run_modal(core::authoring_module(), "DLG_DIST_INX", dialog, owner);
  if (code > 0) SaveDistributionOptions(state.project_path, options);
  return code;
}

int BuildDistributionIndex(AidsState& state, std::int32_t window) {
  const std::int32_t owner = core::dialog_owner(state, window);
  if (!state.project_set || state.project_path.empty()) return 1;
  const DistributionChoice choice = ChoiceFromCode(AskDistribution(state, owner));
  if (!choice.any()) return 1;
  const std::vector<std::string> paths = ProjectTopicPaths(state);
  if (paths.empty()) return 1;
  std::vector<DistributionTopic> topics;
  {
    ScanProgress progress(core::authoring_module(), progress_window(choice), owner);
    topics = ReadDistributionTopics(paths, state.data.topics, [&] { progress.advance(); });
  }
  const std::string excluded = LoadDistributionOptions(state.project_path).excluded_tags;
  const std::string path = distribution_index_path(state.project_path);
  if (!platform::write_file(path, DistributionIndexBytes(topics, choice, excluded)))
    core::show_message(state, text::format("The distribution index %s could not be written.", platform::to_host_path(path).c_str()),
                       ui::kMbOk | ui::kMbIconStop);
  return 1;
}

}  // namespace aids
