// The "Insert Graphic" dialog (DLG_GRAPHIC): the picture (chosen file or
// stock picture) with its preview, the hotspot action and target, the
// position and the transparent background.
#pragma once
#include <string>
#include <string_view>

#include "aids/related_dialogs.h"
#include "aids/target_fields.h"
#include "platform/ui/dialog.h"
#include "resources/trvwck32/pictures.h"

namespace project {
struct ProjectState;
}

namespace aids {

struct AidsState;

// The hotspot actions, in the order of their radio buttons.
enum class PictureAction { jump, popup, macro, keyword_jump };

class GraphicDialog : public ui::DialogProc, public RelatedProjectsOwner {
 public:
  GraphicDialog(AidsState& state, std::string file, std::string target);
  void on_init(ui::Dialog& dialog) override;
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override;
  void on_close(ui::Dialog& dialog) override;

  // After OK.
  const std::string& file() const { return file_; }  // as typed, or the stock name
  bool stock() const { return stock_ >= 0; }
  int kind() const { return kind_; }                  // InsertBitmapKind
  const std::string& target() const { return target_; }
  int position() const { return position_; }          // 0 left, 1 right, 2 insertion point
  bool transparent() const { return transparent_; }

  // What the related-projects list asks of the dialog.
  void load_targets(std::string_view project_path) override;
  bool other_file() const override;
  void clear_other_file() override;
  void set_unlisted(bool on) override;
  bool cancelled() const override { return cancelled_; }

 private:
  // The picture (graphic_dialog.cpp).
  void show_state(ui::Dialog& dialog);
  void paint_preview(ui::Dialog& dialog);
  void paint_stock_buttons(ui::Dialog& dialog);
  void select_file(ui::Dialog& dialog);
  std::string offer_copy(ui::Dialog& dialog, const std::string& path);
  void choose_stock(ui::Dialog& dialog, int index);
  void start_graphics_editor(ui::Dialog& dialog);
  void start_hotspot_editor(ui::Dialog& dialog);
  std::string hotspot_graphic_path(const std::string& picture) const;
  void accept(ui::Dialog& dialog);

  // The hotspot target (graphic_target.cpp).
  void init_target(ui::Dialog& dialog);
  void show_target_state(ui::Dialog& dialog);
  void edit_windows(ui::Dialog& dialog);
  void open_related(ui::Dialog& dialog);
  void edit_action(ui::Dialog& dialog);
  bool target_command(ui::Dialog& dialog, int id, ui::Notify notify);
  PictureAction action(const ui::Dialog& dialog) const;
  bool accept_target(ui::Dialog& dialog);
  ui::Dialog* shown() const;

  AidsState& state_;
  TargetFields fields_;
  std::string file_;
  std::string target_;
  std::string macro_;  // the macro or keyword jump, with its "!"
  int stock_ = -1;
  int kind_ = 1;
  int position_ = 2;
  bool transparent_ = false;
  bool cancelled_ = false;
  ui::Handle handle_ = 0;
};

// The full path of the dialog's picture: the stock folder's, the file's
// own when it has a folder, else the first on the bitmap roots ("" when
// none).
std::string picture_path(const project::ProjectState& state, const std::string& file, bool stock);

}  // namespace aids
