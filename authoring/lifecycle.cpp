#include "authoring/lifecycle.h"

#include "aids/keyword_dialogs.h"
#include "aids/keyword_list_window.h"
#include "authoring/library_state.h"
#include "core/messages.h"
#include "core/settings.h"
#include "formats/profile_key_names.h"
#include "project/files/data_file.h"
#include "platform/ui/host.h"

namespace authoring {
namespace {

constexpr int kAboutDialog = 21000;

// Window classes of the library, with their background brushes.
struct WindowClass {
  const char* name;
  std::uint32_t background;
};
constexpr std::uint32_t kLightGrey = 0xC0C0C0;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr WindowClass kClasses[] = {
    {"ProgMeter", kLightGrey}, {"WndEd", kWhite}, {"BitStat", kLightGrey}, {"TWTab", kLightGrey}};

// Runs the About box: OK or Cancel close it.
class AboutProc : public ui::DialogProc {};

}  // namespace

void ConnectAidHooks(LibraryState& state) {
  core::AidHooks& hooks = state.aid_hooks;
  hooks.open_keyword_list = [&state](const core::KeywordListRequest& request) {
    return aids::OpenKeywordList(state, request);
  };
  hooks.open_keyword_page = [&state](std::int32_t parent, std::function<void(const std::string&)> chosen) {
    return aids::OpenKeywordPage(state, parent, std::move(chosen));
  };
  hooks.show_keyword_page = aids::ShowKeywordPage;
  hooks.keyword_page_choice = aids::KeywordPageChoice;
}

bool AttachLibrary(LibraryState& state) {
  ConnectAidHooks(state);
  core::read_setting(profile_keys::kMainDirectory, "", core::kPathMax);
  state.reset_pending = true;
  state.instance = core::authoring_module();
  state.new_shell = true;  // every host we run on is a new shell
  state.init_mode = 0;
  for (const auto& c : kClasses) {
    if (!ui::host().register_class(c.name, c.background)) return false;
  }
  return true;
}

int AboutTW(LibraryState& state, std::int32_t window) {
  AboutProc proc;
  ui::host().run_modal(state.instance ? state.instance : core::authoring_module(),
                       std::to_string(kAboutDialog), proc, dialog_owner(state, window));
  state.initialised = true;
  return 1;
}

int InitTW(LibraryState& state, std::int32_t window, int mode) {
  state.word97 = core::read_setting_int("Word 97", 0);
  if (state.word_version < 6) state.position_stack.clear();
  state.import_flag = false;
  state.init_mode = mode;
  if (mode == -97) state.reset_pending = true;
  if (state.scratch.empty()) state.scratch.assign(core::kScratchSize, '\0');
  if (state.project_set) {
    state.initialised = true;
    return 1;
  }
  if (!state.initialised) AboutTW(state, window);
  state.initialised = true;
  state.topic_files.clear();
  state.position_stack.clear();
  ResetState(state);
  if (mode == -97) return 1;
  LoadProjectState(state);
  return 1;
}

}  // namespace authoring
