// "DLG_MACROS": the catalogue, the edit line and the list of macros.
#include "aids/macro_editor.h"

#include "aids/macro_text.h"
#include "aids/url_capture.h"
#include "aids/window_editor.h"
#include "core/help_commands.h"
#include "project/project_state.h"
#include "core/messages.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "platform/winhelp.h"
#include "platform/ui/host.h"

namespace aids {

namespace {

constexpr std::string_view kCustomPrompt = "Custom DLL-based Macro:";

bool names_macro(std::string_view syntax, std::initializer_list<std::string_view> names) {
  const std::string name = macro_name(syntax);
  for (std::string_view n : names)
    if (text::iequals(name, n)) return true;
  return false;
}

bool is_position_window(std::string_view syntax) { return names_macro(syntax, {"PW", "PositionWindow"}); }

bool is_shortcut(std::string_view syntax) {
  return names_macro(syntax, {"ShortCut"}) || text::istarts_with(text::trim(syntax), "SH(");
}

// Where line ends up when the line at from moves to to.
int moved(int line, int from, int to) {
  if (line == from) return to;
  if (from < line && line <= to) return line - 1;
  if (to <= line && line < from) return line + 1;
  return line;
}

}  // namespace

MacroEditor::MacroEditor(project::ProjectState& state, MacroMode mode, std::string macros)
    : state_(state), mode_(mode), macros_(std::move(macros)) {}

bool MacroEditor::viewer() const { return text::iends_with(state_.project_path, ".mvp"); }

void MacroEditor::on_init(ui::Dialog& dialog) {
  CatalogueKind kind{state_.win95_compiler != 0, state_.data.project.emulation, viewer()};
  builtin_ = read_catalogue(kind, [](int id) { return core::resource_string(id); });
  custom_ = parse_custom_macros(state_.data.project.format_comments);
  const bool has_custom = !custom_.empty();
  dialog.show(kLibrary, has_custom);
  if (has_custom) {
    dialog.add_item(kLibrary, viewer() ? "Viewer" : "WinHelp");
    for (const std::string& library : custom_libraries(custom_)) dialog.add_item(kLibrary, library);
    dialog.set_selection(kLibrary, 0);
  }
  fill_catalogue(dialog);
  dialog.set_check(kShowNames, 1);
  show_lists(dialog);
  for (const std::string& line : split_macros(macros_)) dialog.add_item(kMacroList, line);
  dialog.show(kPositionWindow, false);
  dialog.show(kShortcut, false);
  if (mode_ == MacroMode::shortcut && dialog.item_count(kMacroList) == 0) {
    for (size_t i = 0; i < shown_.size(); ++i) {
      if (!is_shortcut(shown_[i].syntax)) continue;
      dialog.set_selection(kCatalogue, static_cast<int>(i));
      choose(dialog, static_cast<int>(i));
      break;
    }
  }
  dialog.set_focus(kEditLine);
}

// Lists 101 and 120 for the chosen library ("WinHelp" first: the built-in macros).
void MacroEditor::fill_catalogue(ui::Dialog& dialog) {
  const int library = dialog.visible(kLibrary) ? dialog.selection(kLibrary) : 0;
  shown_.clear();
  if (library <= 0) {
    for (const CatalogueEntry& e : builtin_) shown_.push_back({e.syntax, e.description, {}});
  } else {
    const std::string name = dialog.item_text(kLibrary, library);
    for (const CustomMacro& m : custom_)
      if (text::iequals(m.library, name)) shown_.push_back({m.syntax, m.description, m.help_file});
  }
  dialog.clear_items(kCatalogue);
  dialog.clear_items(kDescriptions);
  for (size_t i = 0; i < shown_.size(); ++i) {
    std::string line = shown_[i].syntax;
    if (library <= 0 && !builtin_[i].long_name.empty()) line += "\t" + builtin_[i].long_name;
    dialog.add_item(kCatalogue, line);
    dialog.add_item(kDescriptions, shown_[i].description);
  }
  chosen_ = -1;
}

void MacroEditor::show_lists(ui::Dialog& dialog) {
  const bool descriptions = dialog.check(kShowDescriptions) == 1;
  dialog.show(kCatalogue, !descriptions);
  dialog.show(kDescriptions, descriptions);
}

void MacroEditor::on_command(ui::Dialog& dialog, int id, ui::Notify notify) {
  switch (id) {
    case kShowNames:
    case kShowDescriptions:
      return show_lists(dialog);
    case kLibrary:
      if (notify == ui::Notify::selection) fill_catalogue(dialog);
      return;
    case kCatalogue:
    case kDescriptions:
      if (notify == ui::Notify::selection) choose(dialog, dialog.selection(id));
      return;
    case kMacroList:
      if (notify == ui::Notify::double_clicked) edit(dialog);
      if (notify == ui::Notify::dropped) move_line(dialog);
      return;
    case kUndo:
      if (!undo_.empty()) {
        dialog.set_text(kEditLine, undo_.back());
        undo_.pop_back();
      }
      return;
    case kAdd: return add(dialog);
    case kEdit: return edit(dialog);
    case kDelete: return remove(dialog);
    case kCustom: return custom(dialog);
    case kHelpOn: return help_on(dialog);
    case kTest: return test(dialog);
    case kUrl: return url(dialog);
    case kShortcut: {
      ShortcutDialog shortcut(state_);
      ui::host().run_modal(core::authoring_module(), "DLG_SHORTCUT", shortcut, dialog.handle());
      return;
    }
    case kPositionWindow:
      return position_window(dialog);
    case kHelpButton:
      core::ProductHelpContext(state_, dialog.handle(), kMacroEditorHelp);
      return;
    case ui::kIdOk:
      return accept(dialog);
    default:
      ui::DialogProc::on_command(dialog, id, notify);
  }
}

// A catalogue entry goes into the edit line without its placeholders, or
// into the conditional macro the edit line holds.
void MacroEditor::choose(ui::Dialog& dialog, int index) {
  if (index < 0 || index >= static_cast<int>(shown_.size())) return;
  chosen_ = index;
  const Shown& entry = shown_[index];
  dialog.set_text(kChosen, entry.syntax);
  dialog.set_text(kDescription, entry.description);
  dialog.set_selection(kCatalogue, index);
  dialog.set_selection(kDescriptions, index);
  const std::string current = dialog.text(kEditLine);
  undo_.push_back(current);
  const std::string macro = strip_placeholders(entry.syntax);
  if (is_conditional_macro(current))
    dialog.set_text(kEditLine, insert_into_conditional(current, conditional_insertion_point(current), macro));
  else
    dialog.set_text(kEditLine, macro);
  dialog.show(kPositionWindow, is_position_window(entry.syntax));
  dialog.show(kShortcut, is_shortcut(entry.syntax));
  dialog.set_focus(kEditLine);
}

void MacroEditor::add(ui::Dialog& dialog) {
  const std::string line(text::trim(dialog.text(kEditLine)));
  if (line.empty()) return;
  if (editing_ >= 0 && editing_ < dialog.item_count(kMacroList)) {
    dialog.delete_item(kMacroList, editing_);
    dialog.insert_item(kMacroList, editing_, line);
  } else {
    dialog.add_item(kMacroList, line);
  }
  editing_ = -1;
  undo_.clear();
  dialog.set_text(kEditLine, "");
  dialog.set_focus(kEditLine);
}

void MacroEditor::edit(ui::Dialog& dialog) {
  const int line = dialog.selection(kMacroList);
  if (line < 0) return;
  editing_ = line;
  dialog.set_text(kEditLine, dialog.item_text(kMacroList, line));
  dialog.set_focus(kEditLine);
}

void MacroEditor::remove(ui::Dialog& dialog) {
  const int line = dialog.selection(kMacroList);
  if (line < 0) return;
  dialog.delete_item(kMacroList, line);
  if (editing_ == line) editing_ = -1;
  if (editing_ > line) --editing_;
}

// A dragged line goes before the line it is dropped on, or last when it is
// dropped below the last line; the line "<< &Edit" took back moves with
// the list, so that "&Add >>" replaces the right one.
void MacroEditor::move_line(ui::Dialog& dialog) {
  const int count = dialog.item_count(kMacroList);
  const int from = dialog.selection(kMacroList);
  int to = dialog.drop_index(kMacroList);
  if (from < 0 || from >= count || to < 0 || to > count) return;
  if (to > from) --to;  // the line leaves its place first
  if (to == from) return;
  const std::string line = dialog.item_text(kMacroList, from);
  dialog.delete_item(kMacroList, from);
  dialog.insert_item(kMacroList, to, line);
  dialog.set_selection(kMacroList, to);
  if (editing_ >= 0) editing_ = moved(editing_, from, to);
}

void MacroEditor::custom(ui::Dialog& dialog) {
  const bool on = dialog.check(kCustom) == 1;
  dialog.enable(kCatalogue, !on);
  dialog.enable(kDescriptions, !on);
  dialog.set_text(kChosen, on ? kCustomPrompt : std::string_view());
  if (on) dialog.set_text(kDescription, "");
  dialog.set_focus(kEditLine);
}

// A registered library's macro is explained by the library's help file; the
// viewer's own macros, those of the Windows 95 viewer included, by the
// product help's macro reference, which has each macro name as a keyword.
void MacroEditor::help_on(ui::Dialog& dialog) {
  std::string macro = chosen_ >= 0 ? shown_[chosen_].syntax : dialog.text(kEditLine);
  std::string file = state_.settings.help_file;
  if (chosen_ >= 0 && !shown_[chosen_].help_file.empty()) file = shown_[chosen_].help_file;
  platform::win_help_text(dialog.handle(), file, platform::kHelpPartialKey, macro_name(macro));
}

std::vector<std::string> MacroEditor::lines(const ui::Dialog& dialog) const {
  std::vector<std::string> out;
  for (int i = 0; i < dialog.item_count(kMacroList); ++i) out.push_back(dialog.item_text(kMacroList, i));
  return out;
}

void MacroEditor::test(ui::Dialog& dialog) {
  const std::string help_file = platform::replace_extension(state_.project_path, viewer() ? ".mvb" : ".hlp");
  if (state_.project_path.empty() || !platform::file_exists(help_file)) {
    core::show_message(state_, core::resource_string(kCompileFirstText), ui::kMbOk | ui::kMbIconExclamation);
    return;
  }
  TestMacrosDialog tester(state_, help_file, lines(dialog), viewer());
  ui::host().run_modal(core::authoring_module(), "DLG_TEST_MACROS", tester, dialog.handle());
}

// A browser's page becomes a macro that starts "urlvane.exe" on it; without
// an answering browser the edit line stays as it is.
void MacroEditor::url(ui::Dialog& dialog) {
  auto page = capture_browser_url();
  if (!page) return;
  undo_.push_back(dialog.text(kEditLine));
  dialog.set_text(kEditLine, url_macro(*page, state_.win95_compiler != 0));
  dialog.enable(kAdd, true);
}

// The window editor's PW macro takes the place of the PositionWindow calls
// of the edit line, or of the whole line when it holds none.
void MacroEditor::position_window(ui::Dialog& dialog) {
  std::string placed;
  if (PositionWindowMacro(state_, dialog.handle(), placed) != 1) return;
  const std::string current = dialog.text(kEditLine);
  std::vector<std::string> macros = split_macros(current);
  bool replaced = false;
  for (auto& m : macros) {
    if (!is_position_window(m)) continue;
    m = placed;
    replaced = true;
  }
  undo_.push_back(current);
  dialog.set_text(kEditLine, replaced ? join_macros(macros) : placed);
  dialog.enable(kAdd, true);
  dialog.set_focus(kEditLine);
}

void MacroEditor::accept(ui::Dialog& dialog) {
  if (!text::trim(dialog.text(kEditLine)).empty()) {
    const int answer = core::show_message(state_, core::resource_string(kDiscardEditedText),
                                          ui::kMbOkCancel | ui::kMbIconQuestion);
    if (answer != ui::kIdOk) {
      dialog.set_focus(kEditLine);
      return;
    }
  }
  const std::vector<std::string> macros = lines(dialog);
  result_ = (mode_ == MacroMode::hotspot && !macros.empty() ? "!" : "") + join_macros(macros);
  dialog.end(1);
}

}  // namespace aids
