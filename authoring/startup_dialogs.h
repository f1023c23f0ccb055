// Dialog procedures of the start dialog and the new-project dialog.
#pragma once
#include <string>
#include <vector>

#include "authoring/startup.h"
#include "platform/ui/dialog.h"
#include "resources/trvwck32.h"
#include "formats/help_contexts.h"

namespace authoring {

struct LibraryState;

// Product help context of the start dialog's Help button.
inline constexpr int kStartHelpContext = help_contexts::kStartDialog;

// "DLG_START": recent projects, Open..., Create..., quick-start help.
class StartDialog : public ui::DialogProc {
 public:
  static constexpr int kRecentList = IDC_START_RECENT_LIST;
  static constexpr int kOpenButton = IDC_START_OPEN_BUTTON;
  static constexpr int kQuickStart = IDC_START_QUICK_START;
  static constexpr int kCreateButton = IDC_START_CREATE_BUTTON;
  static constexpr int kHelpButton = IDC_START_HELP_BUTTON;

  explicit StartDialog(LibraryState& state);
  void on_init(ui::Dialog& dialog) override;
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override;
  const ProjectChoice& choice() const { return choice_; }
  // The document to open once a project was opened or created.
  const std::string& document() const { return document_; }

 private:
  void finish(ui::Dialog& dialog, std::string path, bool is_new);
  void open_selected(ui::Dialog& dialog);
  void browse(ui::Dialog& dialog);
  void create(ui::Dialog& dialog);

  LibraryState& state_;
  ProjectChoice choice_;
  std::string document_;
  // The recent list's projects as stored, by list line (the list shows
  // them as host paths).
  std::vector<std::string> recent_;
};

// "DLG_CREPRJ": the new project's file and its compiler.
class CreateProjectDialog : public ui::DialogProc {
 public:
  static constexpr int kPathEdit = IDC_CREPRJ_PATH_EDIT;
  static constexpr int kBrowseButton = IDC_CREPRJ_BROWSE_BUTTON;
  static constexpr int kWin95Radio = IDC_CREPRJ_WIN95_RADIO;
  static constexpr int kWin31Radio = IDC_CREPRJ_WIN31_RADIO;
  static constexpr int kHelpButton = IDC_CREPRJ_HELP_BUTTON;

  explicit CreateProjectDialog(LibraryState& state);
  void on_init(ui::Dialog& dialog) override;
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override;
  const std::string& path() const { return path_; }
  bool win95() const { return win95_; }

 private:
  bool accept(ui::Dialog& dialog);

  LibraryState& state_;
  std::string path_;
  bool win95_ = true;
};

}  // namespace authoring
