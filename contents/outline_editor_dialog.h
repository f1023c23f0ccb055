// The outline editor ("DLG_OUT", "DLG_OUT_B": "Outline Editor"): documents,
// headings and topics of the printed manual, built from the project's topic
// list or from its contents file, saved to the ".out" file and its ".dw".
#pragma once
#include <string>
#include <vector>

#include "aids/related_dialogs.h"
#include "contents/contents_edit.h"
#include "contents/contents_model.h"
#include "platform/ui/dialog.h"
#include "platform/ui/keys.h"

namespace aids {
struct AidsState;
}

namespace contents {

class OutlineEditorDialog : public ui::DialogProc, public aids::RelatedProjectsOwner, public ui::KeyHook {
 public:
  OutlineEditorDialog(aids::AidsState& state, std::string outline_file, std::string settings_file)
      : state_(state), outline_file_(std::move(outline_file)), settings_file_(std::move(settings_file)) {}
  void on_init(ui::Dialog& dialog) override;
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override;
  void on_close(ui::Dialog& dialog) override;
  // In the outline list Left and Right shift the selected entries and
  // Delete deletes them, as the buttons do.
  bool on_key(ui::Dialog& dialog, int id, ui::KeyPress key) override;

  // The related-projects list shows another project's topics here.
  void load_targets(std::string_view project_path) override;
  bool other_file() const override { return false; }
  void clear_other_file() override {}
  void set_unlisted(bool) override {}
  bool cancelled() const override { return cancelled_; }

  const ContentsModel& model() const { return model_; }

 private:
  void load_topics(ui::Dialog& dialog);
  Selection selection(const ui::Dialog& dialog) const;
  // Shows the entries again with the given ones selected, and repaints.
  void show_entries(ui::Dialog& dialog, const Selection& selected);
  void repaint(ui::Dialog& dialog);

  void add_document(ui::Dialog& dialog);
  void add_heading(ui::Dialog& dialog);
  void add_topics(ui::Dialog& dialog);
  void edit_entry(ui::Dialog& dialog);
  void import(ui::Dialog& dialog);
  void save(ui::Dialog& dialog);
  void refuse(ui::Dialog& dialog, int message, std::uint32_t icon);
  void remove(ui::Dialog& dialog);
  void shift(ui::Dialog& dialog, int by);

  aids::AidsState& state_;
  std::string outline_file_, settings_file_;
  ContentsModel model_;
  std::vector<std::string> topics_;
  ui::Handle handle_ = 0;
  int item_height_ = 0;
  bool cancelled_ = false;
  // The project whose topics the topic list shows; empty for the current one.
  std::string topics_project_;
};

// The large layout when the screen is at least 745 pixels wide and 100
// horizontal dialog base units fit in it.
bool use_large_outline_layout(int screen_width, int base_unit_x);

}  // namespace contents
