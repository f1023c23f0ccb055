// Pictures named in the resource scripts reach the desktop: the contents
// editor's list draws its book from the picture built into the library, not
// the grey box of a picture that cannot be found.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QWidget>

#include "contents/contents_model.h"
#include "contents/dialogs/entry_drawing.h"
#include "core/messages.h"
#include "platform/ui/gui/dialog_window.h"
#include "platform/ui/gui/gui_host.h"
#include "resources/trvwck32/contents.h"
#include "gui_fixture.h"
#include "support/test_support.h"

namespace {

// The contents editor's template with one book in its list, drawn as the
// editor draws its entries.
class OneBook : public ui::DialogProc {
 public:
  void on_init(ui::Dialog& d) override {
    contents::start_model(model_);
    contents::append_entry(model_, contents::CntEntry{1, "Getting Started", false});
    d.add_item(IDC_CNT_ENTRIES, "Getting Started");
    contents::paint_entry_list(d, IDC_CNT_ENTRIES, model_, {0}, contents::DrawMode::editor, 20);
  }

 private:
  contents::ContentsModel model_;
};

// The book's spine is navy; a missing picture is drawn in greys only, and
// nothing else in an unselected row is navy.
int navy_pixels(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.blue() >= 0x70 && c.red() < 0x30 && c.green() < 0x30) ++count;
    }
  return count;
}

class GuiResourcePictures : public tw_test::GuiFixture {};

TEST_F(GuiResourcePictures, TheContentsListDrawsItsBookPicture) {
  int navy = -1;
  gui_->set_open_observer([&](ui::gui::DialogWindow& w) {
    QWidget* list = w.control_widget(IDC_CNT_ENTRIES);
    ASSERT_NE(list, nullptr);
    navy = navy_pixels(list->grab().toImage());
  });
  OneBook proc;
  gui_->queue_script("dialog DLG_CNT\nclick 2\n");
  ui::host().run_modal(core::authoring_module(), "DLG_CNT", proc, gui_->main_window());
  EXPECT_GT(navy, 4);
}

}  // namespace
