// Dialog procedures of the start dialog and the new-project dialog.
#pragma once
#include <string>

#include "authoring/startup.h"
#include "platform/ui/dialog.h"

namespace authoring {

struct LibraryState;

// Product help context of the start dialog's Help button.
inline constexpr int kStartHelpContext = 1072;

// "DLG_START": recent projects, Open..., Create..., quick-start help.
class StartDialog : public ui::DialogProc {
 public:
  static constexpr int kRecentList = 101;
  static constexpr int kOpenButton = 102;
  static constexpr int kQuickStart = 103;
  static constexpr int kCreateButton = 580;
  static constexpr int kHelpButton = 998;

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
};

// "DLG_CREPRJ": the new project's file and its compiler.
class CreateProjectDialog : public ui::DialogProc {
 public:
  static constexpr int kPathEdit = 101;
  static constexpr int kBrowseButton = 102;
  static constexpr int kWin95Radio = 201;
  static constexpr int kWin31Radio = 202;
  static constexpr int kHelpButton = 998;

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
