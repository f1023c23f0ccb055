// The Macro Editor ("DLG_MACROS") and the dialogs it opens: the macro test
// ("DLG_TEST_MACROS") and the ShortCut definition ("DLG_SHORTCUT").
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "aids/macro_catalogue.h"
#include "platform/ui/dialog.h"
#include "resources/trvwck32/macros.h"
#include "formats/help_contexts.h"

namespace project {
struct ProjectState;
}

namespace aids {

// What the edited macros are for.
enum class MacroMode {
  hotspot,   // a hotspot macro: the result starts with "!"
  plain,     // button actions, topic-entry macros
  startup,   // the project's start-up macros
  shortcut,  // a ShortCut button: the ShortCut entry preselected when empty
};

inline constexpr int kDiscardEditedText = 10059;
inline constexpr int kCompileFirstText = 10062;
inline constexpr int kMacroEditorHelp = help_contexts::kMacroEditor;
inline constexpr int kTestMacrosHelp = help_contexts::kTestMacros;
inline constexpr int kShortcutHelp = help_contexts::kShortcut;

class MacroEditor : public ui::DialogProc {
 public:
  static constexpr int kCatalogue = IDC_MACROS_CATALOGUE;
  static constexpr int kChosen = IDC_MACROS_CHOSEN;
  static constexpr int kEditLine = IDC_MACROS_EDIT_LINE;
  static constexpr int kMacroList = IDC_MACROS_MACRO_LIST;
  static constexpr int kAdd = IDC_MACROS_ADD;
  static constexpr int kEdit = IDC_MACROS_EDIT;
  static constexpr int kDelete = IDC_MACROS_DELETE;
  static constexpr int kShowNames = IDC_MACROS_SHOW_NAMES;
  static constexpr int kShowDescriptions = IDC_MACROS_SHOW_DESCRIPTIONS;
  static constexpr int kHelpOn = IDC_MACROS_HELP_ON;
  static constexpr int kDescriptions = IDC_MACROS_DESCRIPTIONS;
  static constexpr int kDescription = IDC_MACROS_DESCRIPTION;
  static constexpr int kCustom = IDC_MACROS_CUSTOM;
  static constexpr int kLibrary = IDC_MACROS_LIBRARY;
  static constexpr int kPositionWindow = IDC_MACROS_POSITION_WINDOW;
  static constexpr int kTest = IDC_MACROS_TEST;
  static constexpr int kUndo = IDC_MACROS_UNDO;
  static constexpr int kShortcut = IDC_MACROS_SHORTCUT;
  static constexpr int kUrl = IDC_MACROS_URL;
  static constexpr int kHelpButton = IDC_MACROS_HELP_BUTTON;

  MacroEditor(project::ProjectState& state, MacroMode mode, std::string macros);
  void on_init(ui::Dialog& dialog) override;
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override;

  // After OK: the macros joined by ";" ("!" first in hotspot mode).
  const std::string& result() const { return result_; }

 private:
  struct Shown {  // a catalogue line as listed
    std::string syntax, description, help_file;
  };
  void fill_catalogue(ui::Dialog& dialog);
  void show_lists(ui::Dialog& dialog);
  void choose(ui::Dialog& dialog, int index);
  void add(ui::Dialog& dialog);
  void edit(ui::Dialog& dialog);
  void remove(ui::Dialog& dialog);
  void move_line(ui::Dialog& dialog);
  void custom(ui::Dialog& dialog);
  void help_on(ui::Dialog& dialog);
  void test(ui::Dialog& dialog);
  void url(ui::Dialog& dialog);
  void position_window(ui::Dialog& dialog);
  void accept(ui::Dialog& dialog);
  std::vector<std::string> lines(const ui::Dialog& dialog) const;
  bool viewer() const;

  project::ProjectState& state_;
  MacroMode mode_;
  std::string macros_;
  std::string result_;
  std::vector<CatalogueEntry> builtin_;
  std::vector<CustomMacro> custom_;
  std::vector<Shown> shown_;  // what lists 101 and 120 hold now
  int chosen_ = -1;           // index into shown_
  int editing_ = -1;          // line of 104 taken back by "<< &Edit"
  std::vector<std::string> undo_;
};

// "DLG_TEST_MACROS": sends the macros to the help viewer one by one.
class TestMacrosDialog : public ui::DialogProc {
 public:
  static constexpr int kList = IDC_TEST_MACROS_LIST;
  static constexpr int kRun = IDC_TEST_MACROS_RUN;
  static constexpr int kStep = IDC_TEST_MACROS_STEP;
  static constexpr int kHelpButton = IDC_TEST_MACROS_HELP_BUTTON;

  TestMacrosDialog(project::ProjectState& state, std::string help_file, std::vector<std::string> macros,
                   bool viewer);
  void on_init(ui::Dialog& dialog) override;
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override;

 private:
  void send(ui::Dialog& dialog, int index);

  project::ProjectState& state_;
  std::string help_file_;
  std::vector<std::string> macros_;
  bool viewer_;
};

// "DLG_SHORTCUT": picks the program a ShortCut button starts and starts the
// ShortCut program on it.
class ShortcutDialog : public ui::DialogProc {
 public:
  static constexpr int kSelect = IDC_SHORTCUT_SELECT;
  static constexpr int kBits16 = IDC_SHORTCUT_BITS16;
  static constexpr int kBits32 = IDC_SHORTCUT_BITS32;
  static constexpr int kProgram = IDC_SHORTCUT_PROGRAM;
  static constexpr int kHelpButton = IDC_SHORTCUT_HELP_BUTTON;

  explicit ShortcutDialog(project::ProjectState& state) : state_(state) {}
  void on_init(ui::Dialog& dialog) override;
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override;

 private:
  void accept(ui::Dialog& dialog);
  project::ProjectState& state_;
};

// Runs the Macro Editor on macros; 1 with the edited text in macros after
// OK, 0 after Cancel (macros unchanged).
int EditMacros(project::ProjectState& state, std::int32_t window, MacroMode mode, std::string& macros);

// The project's start-up macros: edits them and, when they changed,
// rewrites the project file. 1 after OK, 0 after Cancel or without a project.
int EditStartupMacros(project::ProjectState& state, std::int32_t window);

}  // namespace aids
