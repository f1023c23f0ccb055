// The dialog procedures of the project settings: "DLG_PRJ" and the dialogs
// it opens ("DLG_MORE_OPT", "DLG_MORE_OPT2", "DLG_PREF", "DLG_APPHLP").
#pragma once
#include <cstdint>
#include <string>

#include "platform/ui/dialog.h"
#include "project/files/project_model.h"
#include "resources/trvwck32/project.h"

namespace project {
struct ProjectState;
}

namespace project {

// "S&elect >>", the compiler radio buttons, the settings buttons, the
// extension check boxes and the related-projects file.
class ProjectDialog : public ui::DialogProc {
 public:
  static constexpr int kProjectPath = IDC_PRJ_PROJECT_PATH;
  static constexpr int kSelectProject = IDC_PRJ_SELECT_PROJECT;
  static constexpr int kCompilerOptions = IDC_PRJ_COMPILER_OPTIONS;
  static constexpr int kPaths = IDC_PRJ_PATHS;
  static constexpr int kPreferences = IDC_PRJ_PREFERENCES;
  static constexpr int kHelpWorkshop = IDC_PRJ_HELP_WORKSHOP;
  static constexpr int kButtonBar = IDC_PRJ_BUTTON_BAR;
  static constexpr int kMacros = IDC_PRJ_MACROS;
  static constexpr int kWindows = IDC_PRJ_WINDOWS;
  static constexpr int kAppHelp = IDC_PRJ_APP_HELP;
  static constexpr int kEmulation = IDC_PRJ_EMULATION;
  static constexpr int kSlideShows = IDC_PRJ_SLIDE_SHOWS;
  static constexpr int kSound = IDC_PRJ_SOUND;
  static constexpr int kRelatedFile = IDC_PRJ_RELATED_FILE;
  static constexpr int kSelectRelated = IDC_PRJ_SELECT_RELATED;
  static constexpr int kEditRelated = IDC_PRJ_EDIT_RELATED;
  static constexpr int kWin95 = IDC_PRJ_WIN95;
  static constexpr int kWin31 = IDC_PRJ_WIN31;
  static constexpr int kHc30 = IDC_PRJ_HC30;

  explicit ProjectDialog(ProjectState& state);
  void on_init(ui::Dialog& dialog) override;
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override;

 private:
  void show_state(ui::Dialog& dialog);
  void show_compiler(ui::Dialog& dialog);
  void choose_compiler(ui::Dialog& dialog, int id);
  void select_project(ui::Dialog& dialog);
  void select_related(ui::Dialog& dialog);
  std::string related_file(const ui::Dialog& dialog) const;
  void start_help_workshop();
  void open_child(ui::Dialog& dialog, int id);
  void extension_box(ui::Dialog& dialog, int id);
  bool help_workshop_running() const;
  bool refused_while_help_workshop_runs();
  void close(ui::Dialog& dialog);
  void drop_files_help_workshop_removed();

  ProjectState& state_;
  ProjectFileModel before_;
  int help_workshop_process_ = 0;
  bool help_workshop_started_ = false;
};

// "DLG_MORE_OPT": title, contents topic, warnings, compression, bitmap
// roots and the compile settings, edited in a copy of the model.
class CompilerOptionsDialog : public ui::DialogProc {
 public:
  static constexpr int kTitle = IDC_MORE_OPT_TITLE;
  static constexpr int kContents = IDC_MORE_OPT_CONTENTS;
  static constexpr int kBitmapRoots = IDC_MORE_OPT_BITMAP_ROOTS;
  static constexpr int kBackground = IDC_MORE_OPT_BACKGROUND;
  static constexpr int kBeep = IDC_MORE_OPT_BEEP;
  static constexpr int kMoreOptions = IDC_MORE_OPT_MORE_OPTIONS;
  static constexpr int kWarnAll = IDC_MORE_OPT_WARN_ALL;       // then moderate, severe only
  static constexpr int kCompressNone = IDC_MORE_OPT_COMPRESS_NONE;  // then medium, high

  CompilerOptionsDialog(ProjectState& state, ProjectFileModel& model);
  void on_init(ui::Dialog& dialog) override;
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override;

 private:
  ProjectState& state_;
  ProjectFileModel& model_;
};

// "DLG_MORE_OPT2": copyright, citation, build expression and tags, icon,
// language, multikey letters, CD-ROM, old key phrases, forced font.
class MoreCompilerOptionsDialog : public ui::DialogProc {
 public:
  static constexpr int kCopyright = IDC_MORE_OPT2_COPYRIGHT;
  static constexpr int kCitation = IDC_MORE_OPT2_CITATION;
  static constexpr int kBuild = IDC_MORE_OPT2_BUILD;
  static constexpr int kBuildTags = IDC_MORE_OPT2_BUILD_TAGS;
  static constexpr int kIcon = IDC_MORE_OPT2_ICON;
  static constexpr int kLanguage = IDC_MORE_OPT2_LANGUAGE;
  static constexpr int kMultikey = IDC_MORE_OPT2_MULTIKEY;
  static constexpr int kCdrom = IDC_MORE_OPT2_CDROM;
  static constexpr int kOldKeyphrase = IDC_MORE_OPT2_OLD_KEYPHRASE;
  static constexpr int kForceFont = IDC_MORE_OPT2_FORCE_FONT;

  MoreCompilerOptionsDialog(ProjectState& state, ProjectFileModel& model);
  void on_init(ui::Dialog& dialog) override;
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override;

 private:
  void insert_tag(ui::Dialog& dialog);
  void accept(ui::Dialog& dialog);

  ProjectState& state_;
  ProjectFileModel& model_;
};

// "DLG_PREF": the long-name rule, the compiler message viewer, the prefix
// proposed for new context strings, and the jump preferences.
class PreferencesDialog : public ui::DialogProc {
 public:
  static constexpr int kLongNamesRefuse = IDC_PREF_LONG_NAMES_REFUSE;  // then ask, allow
  static constexpr int kShowErrors = IDC_PREF_SHOW_ERRORS;
  static constexpr int kPrefix = IDC_PREF_PREFIX;
  static constexpr int kTestButtons = IDC_PREF_TEST_BUTTONS;
  static constexpr int kUndefinedJumps = IDC_PREF_UNDEFINED_JUMPS;

  explicit PreferencesDialog(ProjectState& state);
  void on_init(ui::Dialog& dialog) override;
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override;

 private:
  bool accept(ui::Dialog& dialog);
  ProjectState& state_;
};

// "DLG_APPHLP": which context-map files are written, the map header's
// name, the map the alias editor offers names from, further [MAP] includes.
class AppHelpDialog : public ui::DialogProc {
 public:
  static constexpr int kHeader = IDC_APPHLP_HEADER;
  static constexpr int kSource = IDC_APPHLP_SOURCE;
  static constexpr int kBrowseSource = IDC_APPHLP_BROWSE_SOURCE;
  static constexpr int kIncludes = IDC_APPHLP_INCLUDES;
  static constexpr int kModeNone = IDC_APPHLP_MODE_NONE;  // then header, +Basic, +Pascal, all

  explicit AppHelpDialog(ProjectState& state);
  void on_init(ui::Dialog& dialog) override;
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override;

 private:
  bool accept(ui::Dialog& dialog);
  ProjectState& state_;
};

// SetOptions: re-reads the settings and the project file and runs
// "DLG_PRJ". 0 when the project file cannot be read; after OK 3 when the
// project left the Windows 95 compiler with emulation or slide shows on, 2
// when it came to it with (earlier) emulation or slide shows on; else 1.
int SetOptions(ProjectState& state, std::int32_t window);

}  // namespace project
