// The related-projects list window ("DLG_WG_LIST"), which a target dialog
// opens to pick a topic in another help project, and the editor of the
// related projects file ("DLG_WG_EDIT").
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "aids/related_projects.h"
#include "platform/ui/dialog.h"
#include "formats/help_contexts.h"

namespace aids {

inline constexpr int kRelatedListHelp = help_contexts::kRelatedList;
inline constexpr int kRelatedEditorHelp = help_contexts::kRelatedEditor;

// What the list window asks of the dialog that opened it (the jump, pop-up,
// button and graphic dialogs).
class RelatedProjectsOwner {
 public:
  virtual ~RelatedProjectsOwner() = default;
  // Reload the context strings and titles from a project (its full path).
  virtual void load_targets(std::string_view project_path) = 0;
  virtual bool other_file() const = 0;
  // Clear the "In Another File" box.
  virtual void clear_other_file() = 0;
  // Ticked: the box "In Another File" ticked, title and ID buttons disabled,
  // file and target fields emptied. Cleared: back to normal.
  virtual void set_unlisted(bool on) = 0;
  // Whether the owner was cancelled (the list then leaves its lists alone).
  virtual bool cancelled() const = 0;
};

class RelatedListWindow : public ui::DialogProc {
 public:
  // target_file: the help file of the owner's target, when it lies in one.
  RelatedListWindow(project::ProjectState& state, RelatedProjectsOwner& owner, std::string target_file);
  void on_init(ui::Dialog& dialog) override;
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override;
  void on_close(ui::Dialog& dialog) override;
  void on_size(ui::Dialog& dialog, int width, int height) override;

 private:
  void lay_out(ui::Dialog& dialog, int width, int height);
  void choose(ui::Dialog& dialog);
  void unlisted(ui::Dialog& dialog);

  project::ProjectState& state_;
  RelatedProjectsOwner& owner_;
  std::string target_file_;
  std::vector<std::string> paths_;  // full path of each entry
};

// Opens the list window for an owner, closing one that is open already (one
// at a time); its handle, 0 when it could not be opened. The owner closes it
// (CloseRelatedProjectsList) before it goes away.
ui::Handle OpenRelatedProjectsList(project::ProjectState& state, RelatedProjectsOwner& owner, std::int32_t window,
                                   std::string_view target_file);
void CloseRelatedProjectsList();

class RelatedProjectsEditor : public ui::DialogProc {
 public:
  RelatedProjectsEditor(project::ProjectState& state, std::string path);
  void on_init(ui::Dialog& dialog) override;
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override;

 private:
  void show(ui::Dialog& dialog);
  void add(ui::Dialog& dialog);
  void remove(ui::Dialog& dialog);
  void store_comment(ui::Dialog& dialog);
  void accept(ui::Dialog& dialog);

  project::ProjectState& state_;
  std::string path_;
  std::vector<RelatedProject> read_, projects_;
};

// The editor over the related projects file at path: 1 after OK, 0 after
// Cancel or without a path. The file is written only when the list changed
// and the author confirms.
int EditRelatedProjects(project::ProjectState& state, std::int32_t window, std::string_view path);

}  // namespace aids
