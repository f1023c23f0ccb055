#include "aids/window_editor.h"

#include <cctype>

#include "aids/window_position_dialog.h"
#include "core/help_commands.h"
#include "core/messages.h"
#include "platform/text.h"
#include "project/project_state.h"
#include "resources/trvwck32/windows.h"

namespace aids {
namespace {

constexpr int kNormalState = 1;

bool is_main(const project::WindowRecord& w) { return text::iequals(w.name, "main"); }

}  // namespace

const std::vector<std::string>& display_state_texts() {
  static const std::vector<std::string> texts = {
      "SW_HIDE - Hide window",
      "SW_SHOWNORMAL - Show normally",
      "SW_SHOWMINIMIZED - Minimize & activate",
      "SW_SHOWMAXIMIZED - Maximize window",
      "SW_SHOWNOACTIVE - - Show in current pos w/o activating",
      "SW_SHOW - Show normally",
      "SW_MINIMIZE - Minimize window",
      "SW_SHOWMINNOACTIVE - Minimize w/o activating",
      "SW_SHOWNA - Show normally w/o activating",
      "SW_RESTORE - Show normally",
  };
  return texts;
}

bool valid_window_name(std::string_view name) {
  if (name.empty() || name.size() > static_cast<size_t>(project::kWindowNameMax)) return false;
  for (unsigned char c : name)
    if (!std::isalnum(c) && c != '_') return false;
  return true;
}

project::WindowRecord new_window(std::string_view name) {
  project::WindowRecord w;
  w.name = std::string(name);
  w.caption = std::string(name);
  w.x = 0, w.y = 0, w.width = 512, w.height = 512;
  return w;
}

bool same_window(const project::WindowRecord& a, const project::WindowRecord& b) {
  return a.name == b.name && a.caption == b.caption && a.x == b.x && a.y == b.y && a.width == b.width &&
         a.height == b.height && a.show_state == b.show_state && a.main_colour == b.main_colour &&
         a.nonscroll_colour == b.nonscroll_colour && a.on_top == b.on_top;
}

WindowEditor::WindowEditor(project::ProjectState& state, WindowEditorMode mode,
                           std::vector<project::WindowRecord> windows, std::string selected)
    : state_(state), mode_(mode), selected_(std::move(selected)) {
  if (windows.empty() || !is_main(windows.front())) windows.insert(windows.begin(), project::main_window());
  for (auto& w : windows) windows_.push_back({std::move(w), false});
  custom_colours_.fill(ui::kWhite);
}

WindowEditor::~WindowEditor() = default;

void WindowEditor::on_init(ui::Dialog& dialog) {
  preview_ = std::make_unique<WindowPreview>(dialog.handle());
  fill_names(dialog);
  const bool macro = mode_ == WindowEditorMode::macro;
  dialog.show(IDC_WINED_STATES, macro);
  if (macro) {
    for (const auto& t : display_state_texts()) dialog.add_item(IDC_WINED_STATES, t);
    dialog.set_selection(IDC_WINED_STATES, kNormalState);
  }
  load(dialog, 0);
  const std::string start(text::trim(selected_));
  if (!start.empty()) switch_to(dialog, start);
}

void WindowEditor::fill_names(ui::Dialog& dialog) {
  dialog.clear_items(IDC_WINED_NAME);
  for (const Edited& w : windows_)
    if (!w.deleted) dialog.add_item(IDC_WINED_NAME, w.record.name);
}

void WindowEditor::load(ui::Dialog& dialog, int index) {
  current_ = index;
  edit_ = windows_[index].record;
  typed_ = false;
  dialog.set_selection(IDC_WINED_NAME, dialog.find_item(IDC_WINED_NAME, edit_.name));
  dialog.set_text(IDC_WINED_NAME, edit_.name);
  const bool main = is_main(edit_);
  dialog.enable(IDC_WINED_DELETE, !main);
  dialog.enable(IDC_WINED_DEFAULT_PLACE, main);
  show_fields(dialog);
  preview_->show(edit_);
}

void WindowEditor::show_fields(ui::Dialog& dialog) {
  dialog.set_text(IDC_WINED_CAPTION, edit_.caption);
  dialog.set_check(IDC_WINED_ON_TOP, edit_.on_top != 0 ? 1 : 0);
  dialog.set_check(IDC_WINED_MAIN_DEFAULT, edit_.main_colour == project::kNoColour ? 1 : 0);
  dialog.set_check(IDC_WINED_NONSCROLL_DEFAULT, edit_.nonscroll_colour == project::kNoColour ? 1 : 0);
  dialog.set_check(IDC_WINED_DEFAULT_PLACE, edit_.show_state == 0 && edit_.x == project::kNoPosition ? 1 : 0);
}

int WindowEditor::find(std::string_view name) const {
  for (size_t i = 0; i < windows_.size(); ++i)
    if (!windows_[i].deleted && text::iequals(windows_[i].record.name, name)) return static_cast<int>(i);
  return -1;
}

int WindowEditor::live_count() const {
  int count = 0;
  for (const Edited& w : windows_) count += w.deleted ? 0 : 1;
  return count;
}

void WindowEditor::on_command(ui::Dialog& dialog, int id, ui::Notify notify) {
  if (id == IDC_WINED_NAME) {
    if (notify == ui::Notify::changed) typed_ = true;
    if (notify == ui::Notify::focus_lost) take_typed_name(dialog);
    if (notify == ui::Notify::selection) {
      const int sel = dialog.selection(IDC_WINED_NAME);
      if (sel >= 0) switch_to(dialog, dialog.item_text(IDC_WINED_NAME, sel));
    }
    return;
  }
  // Leaving the name field for any other control takes a typed name.
  take_typed_name(dialog);
  switch (id) {
    case IDC_WINED_CAPTION:
      edit_.caption = text::cut(dialog.text(IDC_WINED_CAPTION), project::kWindowCaptionMax);
      preview_->set_title(edit_.caption);
      return;
    case IDC_WINED_ON_TOP:
      edit_.on_top = dialog.check(IDC_WINED_ON_TOP) == 1 ? 1 : 0;
      return;
    case IDC_WINED_MAIN_COLOUR:
    case IDC_WINED_NONSCROLL_COLOUR:
      return choose_colour(dialog, id);
    case IDC_WINED_MAIN_DEFAULT:
    case IDC_WINED_NONSCROLL_DEFAULT:
      return use_default_colour(dialog, id);
    case IDC_WINED_DEFAULT_PLACE:
      return default_place(dialog);
    case IDC_WINED_POSITION:
      return set_position(dialog);
    case IDC_WINED_DELETE:
      return remove_current(dialog);
    case IDC_WINED_HELP:
      core::ProductHelpContext(state_, dialog.handle(),
                               mode_ == WindowEditorMode::project ? kWindowEditorHelp : kWindowMacroHelp);
      return;
    case ui::kIdOk:
      return accept(dialog);
    default:
      ui::DialogProc::on_command(dialog, id, notify);
  }
}

void WindowEditor::take_typed_name(ui::Dialog& dialog) {
  if (!typed_) return;
  typed_ = false;
  const std::string name(text::trim(dialog.text(IDC_WINED_NAME)));
  // In macro mode an unknown name stays typed: OK refuses it.
  if (name.empty() || (mode_ == WindowEditorMode::macro && find(name) < 0)) return;
  switch_to(dialog, name);
}

void WindowEditor::switch_to(ui::Dialog& dialog, std::string_view name) {
  const int index = find(name);
  if (index == current_) return;
  if (index < 0 && (mode_ == WindowEditorMode::macro || !may_add(dialog, name))) {
    dialog.set_text(IDC_WINED_NAME, edit_.name);
    return;
  }
  if (!may_leave_current(dialog)) {
    dialog.set_selection(IDC_WINED_NAME, dialog.find_item(IDC_WINED_NAME, edit_.name));
    dialog.set_text(IDC_WINED_NAME, edit_.name);
    return;
  }
  if (index >= 0) return load(dialog, index);
  windows_.push_back({new_window(name), false});
  dialog.add_item(IDC_WINED_NAME, name);
  load(dialog, static_cast<int>(windows_.size()) - 1);
}

// The changes of the current window are kept, dropped or the switch is
// called off, as the author answers. Macro mode keeps nothing, so it asks
// nothing.
bool WindowEditor::may_leave_current(ui::Dialog& dialog) {
  if (mode_ == WindowEditorMode::macro || same_window(edit_, windows_[current_].record)) return true;
  const std::string text =
      text::format(core::resource_string(kSaveWindowChangesText).c_str(), edit_.name.c_str());
  const int answer = core::show_message(state_, text, ui::kMbYesNoCancel | ui::kMbIconQuestion);
  if (answer == ui::kIdCancel) return false;
  if (answer == ui::kIdYes) windows_[current_].record = edit_;
  return true;
}

bool WindowEditor::may_add(ui::Dialog& dialog, std::string_view name) {
  if (!valid_window_name(name)) {
    refuse(dialog, core::resource_string(kWindowNameText));
    return false;
  }
  if (live_count() >= kMaxProjectWindows) {
    refuse(dialog, core::resource_string(kTooManyWindowsText));
    return false;
  }
  return true;
}

void WindowEditor::refuse(ui::Dialog& dialog, const std::string& text) {
  core::show_message(state_, text, ui::kMbOk | ui::kMbIconExclamation);
  dialog.set_focus(IDC_WINED_NAME);
}

void WindowEditor::remove_current(ui::Dialog& dialog) {
  if (is_main(edit_)) return;
  windows_[current_].deleted = true;
  const int item = dialog.find_item(IDC_WINED_NAME, edit_.name);
  if (item >= 0) dialog.delete_item(IDC_WINED_NAME, item);
  load(dialog, 0);
}

void WindowEditor::set_position(ui::Dialog& dialog) {
  UnitRect place{0, 0, kUnitMax, kUnitMax};
  if (edit_.x != project::kNoPosition) place = {edit_.x, edit_.y, edit_.width, edit_.height};
  WindowPositionDialog position(state_, place);
  if (ui::host().run_modal(core::authoring_module(), "DLG_WINPOS", position, dialog.handle()) != 1) return;
  place = position.place();
  edit_.x = place.x, edit_.y = place.y, edit_.width = place.width, edit_.height = place.height;
  show_fields(dialog);
  preview_->show(edit_);
}

void WindowEditor::choose_colour(ui::Dialog& dialog, int id) {
  const bool main = id == IDC_WINED_MAIN_COLOUR;
  std::int32_t& colour = main ? edit_.main_colour : edit_.nonscroll_colour;
  const ui::Colour initial = colour == project::kNoColour ? ui::kWhite : static_cast<ui::Colour>(colour);
  auto chosen = ui::host().choose_colour(dialog.handle(), initial, custom_colours_);
  if (!chosen) return;
  colour = static_cast<std::int32_t>(*chosen & 0xFFFFFF);
  dialog.set_check(main ? IDC_WINED_MAIN_DEFAULT : IDC_WINED_NONSCROLL_DEFAULT, 0);
  preview_->paint(edit_);
}

void WindowEditor::use_default_colour(ui::Dialog& dialog, int id) {
  std::int32_t& colour = id == IDC_WINED_MAIN_DEFAULT ? edit_.main_colour : edit_.nonscroll_colour;
  colour = dialog.check(id) == 1 ? project::kNoColour : static_cast<std::int32_t>(ui::kWhite);
  preview_->paint(edit_);
}

void WindowEditor::default_place(ui::Dialog& dialog) {
  if (dialog.check(IDC_WINED_DEFAULT_PLACE) == 1) {
    edit_.x = project::kNoPosition;
    edit_.show_state = 0;
    preview_->cover_screen();
  } else {
    const UnitRect u = preview_->units();
    edit_.x = u.x, edit_.y = u.y, edit_.width = u.width, edit_.height = u.height;
  }
  preview_->paint(edit_);
}

// The author moved or sized the preview: the window takes its place, and a
// preview that fills the screen stands for a maximised window.
void WindowEditor::on_window_moved(ui::Dialog& dialog, ui::Handle window) {
  if (!preview_ || window != preview_->handle()) return;
  dialog.set_check(IDC_WINED_DEFAULT_PLACE, 0);
  const UnitRect u = preview_->units();
  edit_.x = u.x, edit_.y = u.y, edit_.width = u.width, edit_.height = u.height;
  edit_.show_state = preview_->covers_screen() ? 1 : 0;
  preview_->paint(edit_);
}

void WindowEditor::accept(ui::Dialog& dialog) {
  const std::string name(text::trim(dialog.text(IDC_WINED_NAME)));
  if (mode_ == WindowEditorMode::macro) {
    if (find(name) < 0) return refuse(dialog, core::resource_string(kExistingWindowText));
    int shown = dialog.selection(IDC_WINED_STATES);
    if (shown < 0) shown = kNormalState;
    // The window's own units where it has a place: the preview's pixels
    // would round them.
    UnitRect u = preview_->units();
    if (edit_.x != project::kNoPosition) u = {edit_.x, edit_.y, edit_.width, edit_.height};
    macro_ = text::format("PW(%d,%d,%d,%d,%d, `%s')", u.x, u.y, u.width, u.height, shown, edit_.name.c_str());
  }
  windows_[current_].record = edit_;
  chosen_ = edit_.name;
  dialog.end(1);
}

void WindowEditor::on_close(ui::Dialog&) { preview_.reset(); }

std::vector<project::WindowRecord> WindowEditor::windows() const {
  std::vector<project::WindowRecord> kept;
  for (const Edited& w : windows_)
    if (!w.deleted) kept.push_back(w.record);
  return kept;
}

}  // namespace aids
