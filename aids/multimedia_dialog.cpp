#include "aids/multimedia_dialog.h"

#include "aids/insert_button.h"
#include "aids/multimedia_element.h"
#include "core/help_commands.h"
#include "core/messages.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/text.h"
#include "platform/ui/dialog.h"
#include "platform/ui/host.h"
#include "platform/ui/resources.h"
#include "project/project_state.h"
#include "project/topics/project_document.h"
#include "resources/trvwck32/pictures.h"

namespace aids {

namespace {

using ui::kIdNo;
using ui::kIdYes;
constexpr int kIdHelp = 9;

bool shows_multimedia(project::ProjectState& state) {
  if (state.win95_compiler || state.data.project.emulation) return true;
  core::show_message(state, kNeedsWin95Text, ui::kMbOk | ui::kMbIconExclamation);
  return false;
}

class CopyOffer : public ui::DialogProc {
 public:
  explicit CopyOffer(std::string file) : file_(std::move(file)) {}
  void on_init(ui::Dialog& dialog) override { dialog.set_text(IDC_ROOT_FILE_TEXT, file_); }
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override {
    if (id == kIdYes || id == kIdNo) return dialog.end(id);
    ui::DialogProc::on_command(dialog, id, notify);
  }

 private:
  std::string file_;
};

class MultimediaDialog : public ui::DialogProc {
 public:
  MultimediaDialog(project::ProjectState& state, MultimediaElement element, bool win95)
      : state_(state), element_(std::move(element)), win95_(win95) {}

  void on_init(ui::Dialog& dialog) override {
    dialog.set_text(IDC_MULTIM_FILE_TEXT, element_.file);
    dialog.set_check(IDC_MULTIM_PLAYBAR_CHECK, element_.playbar);
    dialog.set_check(IDC_MULTIM_MENU_CHECK, win95_ && element_.menu);
    dialog.set_check(IDC_MULTIM_BAGGAGE_CHECK, win95_ && element_.baggage);
    dialog.enable(IDC_MULTIM_MENU_CHECK, win95_);
    dialog.enable(IDC_MULTIM_BAGGAGE_CHECK, win95_);
    dialog.set_check(IDC_MULTIM_AUTOPLAY_CHECK, element_.autoplay);
    dialog.set_check(IDC_MULTIM_LOOP_CHECK, element_.loop);
    for (int i = 0; i < 3; ++i)
      dialog.set_check(IDC_MULTIM_LEFT_RADIO + i, static_cast<int>(element_.position) == i);
  }

  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override {
    if (id == IDC_MULTIM_SELECT_BUTTON) return select(dialog);
    if (id == IDC_MULTIM_PREVIEW_BUTTON) return preview();
    if (id == ui::kIdOk) return accept(dialog);
    if (id == kIdHelp) {
      core::ProductHelpContext(state_, dialog.handle(), kMultimediaHelpContext);
      return;
    }
    ui::DialogProc::on_command(dialog, id, notify);
  }

  const MultimediaElement& element() const { return element_; }

 private:
  std::string project_folder() const { return std::string(platform::directory_of(state_.project_path)); }

  // A file in the project folder is shown without its folder.
  void select(ui::Dialog& dialog) {
    ui::FileDialogRequest request;
    request.initial_dir = project_folder();
    std::optional<std::string> chosen = ui::host().file_dialog(dialog.handle(), request);
    if (!chosen) return;
    path_ = *chosen;
    const bool here = text::iequals(platform::to_host_path(platform::directory_of(path_)),
                                    platform::to_host_path(project_folder()));
    element_.file = here ? std::string(platform::file_name_of(path_)) : path_;
    dialog.set_text(IDC_MULTIM_FILE_TEXT, element_.file);
  }

  void preview() const {
    if (element_.file.empty()) return;
    platform::win_exec(text::format(std::string(kMediaPlayerCommand).c_str(),
                                    platform::quote_argument(path_.empty() ? element_.file : path_).c_str()),
                       1);
  }

  void accept(ui::Dialog& dialog) {
    if (text::trim(element_.file).empty()) {
      core::show_message(state_, ui::load_string(core::authoring_module(), kStrSelectMultimedia),
                         ui::kMbOk | ui::kMbIconExclamation);
      return;
    }
    if (element_.file.find('\\') != std::string::npos || element_.file.find('/') != std::string::npos)
      offer_copy(dialog);
    element_.playbar = dialog.check(IDC_MULTIM_PLAYBAR_CHECK) == 1;
    element_.menu = !win95_ || dialog.check(IDC_MULTIM_MENU_CHECK) == 1;
    element_.baggage = !win95_ || dialog.check(IDC_MULTIM_BAGGAGE_CHECK) == 1;
    element_.autoplay = dialog.check(IDC_MULTIM_AUTOPLAY_CHECK) == 1;
    element_.loop = dialog.check(IDC_MULTIM_LOOP_CHECK) == 1;
    for (int i = 0; i < 3; ++i)
      if (dialog.check(IDC_MULTIM_LEFT_RADIO + i) == 1) element_.position = static_cast<ElementPosition>(i);
    dialog.end(1);
  }

  // A file in another folder: Yes copies it into the project folder and
  // keeps the bare name.
  void offer_copy(ui::Dialog& dialog) {
    CopyOffer offer(platform::to_host_path(element_.file));
    if (ui::host().run_modal(core::authoring_module(), "DLG_MMROOT", offer, dialog.handle()) != kIdYes)
      return;
    const std::string name(platform::file_name_of(element_.file));
    if (platform::copy_file(element_.file, platform::join_path(project_folder(), name))) element_.file = name;
  }

  project::ProjectState& state_;
  MultimediaElement element_;
  std::string path_;
  bool win95_;
};

class UpdatePicturesDialog : public ui::DialogProc {
 public:
  void on_init(ui::Dialog& dialog) override { dialog.set_check(IDC_UPPICT_FIRST_RADIO, 1); }
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override {
    if (id != ui::kIdOk) return ui::DialogProc::on_command(dialog, id, notify);
    for (int i = 0; i < 4; ++i)
      if (dialog.check(IDC_UPPICT_FIRST_RADIO + i) == 1) return dialog.end(i + 1);
    dialog.end(1);
  }
};

}  // namespace

int InsertMultiMedia(project::ProjectState& state, std::int32_t window, std::string& element,
                     std::string& document) {
  if (!shows_multimedia(state)) return 0;
  const bool win95 = state.win95_compiler != 0;
  MultimediaDialog dialog(state, parse_multimedia_element(element, win95), win95);
  const int result = ui::host().run_modal(core::authoring_module(), "DLG_MULTIM", dialog,
                                          core::dialog_owner(state, window));
  if (!state.options.wys_picts) document.clear();
  if (result != 1) return 0;
  element = multimedia_element_text(dialog.element(), win95);
  return 1;
}

int UpdatePictures(project::ProjectState& state, std::int32_t window, std::string_view document) {
  if (!document.empty() && !project::CheckProjectDocument(state, document)) return 0;
  UpdatePicturesDialog dialog;
  return ui::host().run_modal(core::authoring_module(), "DLG_UPPICT", dialog, core::dialog_owner(state, window));
}

}  // namespace aids
