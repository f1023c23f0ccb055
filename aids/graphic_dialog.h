// The "Insert Graphic" dialog (DLG_GRAPHIC): the picture (chosen file or
// stock picture) with its preview, the hotspot action and target, the
// position and the transparent background.
#pragma once
#include <string>

#include "platform/ui/dialog.h"
#include "resources/trvwck32/pictures.h"

namespace project {
struct ProjectState;
}

namespace aids {

class GraphicDialog : public ui::DialogProc {
 public:
  GraphicDialog(project::ProjectState& state, std::string file, std::string target);
  void on_init(ui::Dialog& dialog) override;
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override;

  // After OK.
  const std::string& file() const { return file_; }  // as typed, or the stock name
  bool stock() const { return stock_ >= 0; }
  int kind() const { return kind_; }                  // InsertBitmapKind
  const std::string& target() const { return target_; }
  int position() const { return position_; }          // 0 left, 1 right, 2 insertion point
  bool transparent() const { return transparent_; }

 private:
  void show_state(ui::Dialog& dialog);
  void paint_preview(ui::Dialog& dialog);
  void select_file(ui::Dialog& dialog);
  std::string offer_copy(ui::Dialog& dialog, const std::string& path);
  void choose_stock(ui::Dialog& dialog, int index);
  void start_graphics_editor(ui::Dialog& dialog);
  void start_hotspot_editor(ui::Dialog& dialog);
  void accept(ui::Dialog& dialog);

  project::ProjectState& state_;
  std::string file_;
  std::string target_;
  std::string macro_;
  int stock_ = -1;
  int kind_ = 1;
  int position_ = 2;
  bool transparent_ = false;
};

// The full path of the dialog's picture: the stock folder's, the file's
// own when it has a folder, else the first on the bitmap roots ("" when
// none).
std::string picture_path(const project::ProjectState& state, const std::string& file, bool stock);

}  // namespace aids
