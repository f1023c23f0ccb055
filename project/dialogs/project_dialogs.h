// The dialog procedures of the project settings: "DLG_PRJ" and the dialogs
// it opens ("DLG_MORE_OPT", "DLG_MORE_OPT2", "DLG_PREF", "DLG_APPHLP").
#pragma once
#include <cstdint>
#include <string>

#include "platform/ui/dialog.h"
#include "project/files/project_model.h"

namespace project {
struct ProjectState;
}

namespace project {

// "S&elect >>", the compiler radio buttons, the settings buttons, the
// extension check boxes and the related-projects file.
class ProjectDialog : public ui::DialogProc {
 public:
  static constexpr int kProjectPath = 101;
  static constexpr int kSelectProject = 102;
  static constexpr int kCompilerOptions = 110;
  static constexpr int kPaths = 111;
  static constexpr int kPreferences = 112;
  static constexpr int kHelpWorkshop = 113;
  static constexpr int kButtonBar = 120;
  static constexpr int kMacros = 121;
  static constexpr int kWindows = 122;
  static constexpr int kAppHelp = 123;
  static constexpr int kEmulation = 130;
  static constexpr int kSlideShows = 131;
  static constexpr int kSound = 132;
  static constexpr int kRelatedFile = 140;
  static constexpr int kSelectRelated = 141;
  static constexpr int kEditRelated = 142;
  static constexpr int kWin95 = 201;
  static constexpr int kWin31 = 202;
  static constexpr int kHc30 = 203;

  explicit ProjectDialog(ProjectState& state);
  void on_init(ui::Dialog& dialog) override;
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override;

 private:
  void show_state(ui::Dialog& dialog);
  void show_compiler(ui::Dialog& dialog);
  void choose_compiler(ui::Dialog& dialog, int id);
  void select_project(ui::Dialog& dialog);
  void select_related(ui::Dialog& dialog);
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
  static constexpr int kTitle = 101;
  static constexpr int kContents = 102;
  static constexpr int kBitmapRoots = 103;
  static constexpr int kBackground = 104;
  static constexpr int kBeep = 105;
  static constexpr int kMoreOptions = 110;
  static constexpr int kWarnAll = 201;       // then moderate, severe only
  static constexpr int kCompressNone = 211;  // then medium, high

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
  static constexpr int kCopyright = 101;
  static constexpr int kCitation = 102;
  static constexpr int kBuild = 103;
  static constexpr int kBuildTags = 104;
  static constexpr int kIcon = 105;
  static constexpr int kLanguage = 106;
  static constexpr int kMultikey = 107;
  static constexpr int kCdrom = 108;
  static constexpr int kOldKeyphrase = 109;
  static constexpr int kForceFont = 110;

  MoreCompilerOptionsDialog(ProjectState& state, ProjectFileModel& model);
  void on_init(ui::Dialog& dialog) override;
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override;

 private:
  void insert_tag(ui::Dialog& dialog);
  void accept(ui::Dialog& dialog);

  ProjectState& state_;
  ProjectFileModel& model_;
};

// "DLG_PREF": the long-name rule, the compiler message viewer, and the
// prefix proposed for new context strings.
class PreferencesDialog : public ui::DialogProc {
 public:
  static constexpr int kLongNamesRefuse = 201;  // then ask, allow
  static constexpr int kShowErrors = 104;
  static constexpr int kPrefix = 105;

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
  static constexpr int kHeader = 101;
  static constexpr int kSource = 102;
  static constexpr int kBrowseSource = 103;
  static constexpr int kIncludes = 104;
  static constexpr int kModeNone = 201;  // then header, +Basic, +Pascal, all

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
