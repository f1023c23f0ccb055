// The Macro Editor ("DLG_MACROS") and the dialogs it opens: the macro test
// ("DLG_TEST_MACROS") and the ShortCut definition ("DLG_SHORTCUT").
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "aids/macro_catalogue.h"
#include "platform/ui/dialog.h"

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
inline constexpr int kMacroEditorHelp = 1104;
inline constexpr int kTestMacrosHelp = 1105;
inline constexpr int kShortcutHelp = 1402;

class MacroEditor : public ui::DialogProc {
 public:
  static constexpr int kCatalogue = 101;
  static constexpr int kChosen = 102;
  static constexpr int kEditLine = 103;
  static constexpr int kMacroList = 104;
  static constexpr int kAdd = 105;
  static constexpr int kEdit = 106;
  static constexpr int kDelete = 107;
  static constexpr int kShowNames = 110;
  static constexpr int kShowDescriptions = 111;
  static constexpr int kHelpOn = 115;
  static constexpr int kDescriptions = 120;
  static constexpr int kDescription = 177;
  static constexpr int kCustom = 188;
  static constexpr int kLibrary = 318;
  static constexpr int kPositionWindow = 319;
  static constexpr int kTest = 389;
  static constexpr int kUndo = 87;
  static constexpr int kShortcut = 89;
  static constexpr int kUrl = 90;
  static constexpr int kHelpButton = 998;

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
  static constexpr int kList = 101;
  static constexpr int kRun = 102;
  static constexpr int kStep = 103;
  static constexpr int kHelpButton = 998;

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
  static constexpr int kSelect = 101;
  static constexpr int kBits16 = 103;
  static constexpr int kBits32 = 104;
  static constexpr int kProgram = 120;
  static constexpr int kHelpButton = 998;

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
