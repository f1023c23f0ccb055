// A person's actions on the widgets reach the dialog procedure as the
// script's would, and the procedure's changes show in the widgets; text
// crosses between code page 1252 and Unicode at this edge only.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QApplication>
#include <QKeyEvent>
#include <QFocusEvent>
#include <algorithm>
#include <cmath>

#include "platform/ui/gui/dialog_window.h"
#include "platform/ui/gui/painted_box.h"
#include "platform/ui/list_view.h"
#include "platform/ui/gui/gui_host.h"
#include "platform/ui/gui/text_edge.h"
#include "gui_fixture.h"
#include "support/test_support.h"

namespace {

// Typing as a keyboard does, accented letters included.
void type_text(QWidget* widget, const QString& text) {
  for (QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &press);
  }
}

constexpr const char* kScript =
    "DLG_PICK DIALOG 0, 0, 160, 100\n"
    "CAPTION \"Pick\"\n"
    "FONT 8, \"MS Sans Serif\"\n"
    "BEGIN\n"
    "  EDITTEXT 101, 4, 4, 100, 12, ES_AUTOHSCROLL | WS_TABSTOP\n"
    "  AUTOCHECKBOX \"&Bold\", 102, 4, 20, 60, 10\n"
    "  AUTORADIOBUTTON \"&One\", 103, 4, 32, 60, 10, WS_GROUP\n"
    "  AUTORADIOBUTTON \"&Two\", 104, 4, 44, 60, 10\n"
    "  LISTBOX 105, 70, 20, 80, 40, LBS_NOTIFY | WS_VSCROLL\n"
    "  DEFPUSHBUTTON \"OK\", 1, 20, 80, 40, 14\n"
    "  PUSHBUTTON \"Cancel\", 2, 70, 80, 40, 14\n"
    "END\n"
    "DLG_DRAWN DIALOG 0, 0, 160, 100\n"
    "FONT 8, \"MS Sans Serif\"\n"
    "BEGIN\n"
    "  EDITTEXT 201, 4, 4, 100, 12, ES_AUTOHSCROLL | WS_TABSTOP\n"
    "  COMBOBOX 202, 4, 20, 100, 60, CBS_DROPDOWN | WS_TABSTOP\n"
    "  CONTROL \"bullet\", 203, \"Button\", BS_OWNERDRAW | WS_TABSTOP, 110, 4, 16, 16\n"
    "  LISTBOX 204, 4, 36, 100, 40, LBS_OWNERDRAWFIXED | LBS_NOTIFY | WS_VSCROLL\n"
    "  PUSHBUTTON \"Cancel\", 2, 110, 80, 40, 14\n"
    "END\n"
    "DLG_SIZED DIALOG 0, 0, 100, 60\n"
    "STYLE WS_POPUP | WS_CAPTION | WS_THICKFRAME\n"
    "FONT 8, \"MS Sans Serif\"\n"
    "BEGIN\n"
    "  LISTBOX 301, 4, 4, 92, 36, LBS_NOTIFY\n"
    "  PUSHBUTTON \"Cancel\", 2, 4, 44, 40, 14\n"
    "END\n"
    "DLG_JOB DIALOG 0, 0, 120, 40\n"
    "CAPTION \"Working\"\n"
    "FONT 8, \"MS Sans Serif\"\n"
    "BEGIN\n"
    "  CONTROL \"\", 401, \"msctls_progress32\", 0, 4, 4, 112, 10\n"
    "  PUSHBUTTON \"Cancel\", 2, 40, 20, 40, 14\n"
    "END\n";

// Fills the list, and copies the edit field into the caption as it changes.
class PickProc : public ui::DialogProc {
 public:
  void on_init(ui::Dialog& d) override {
    d.add_item(105, "Caf\xE9");
    d.add_item(105, "Tea");
    d.set_text(101, "na\xEFve");
  }
  void on_command(ui::Dialog& d, int id, ui::Notify n) override {
    log.push_back(std::to_string(id) + (n == ui::Notify::changed ? " changed" : n == ui::Notify::selection ? " selection" : " clicked"));
    if (id == 101 && n == ui::Notify::changed) d.set_caption(d.text(101));
    if (id == 1) {
      text = d.text(101);
      bold = d.check(102);
      two = d.check(104);
      picked = d.selection(105);
    }
    ui::DialogProc::on_command(d, id, n);
  }
  std::vector<std::string> log;
  std::string text;
  int bold = -1, two = -1, picked = -2;
};

class GuiActions : public tw_test::GuiFixture {
 protected:
  void SetUp() override {
    GuiFixture::SetUp();
    module_ = ui::register_module("gui_actions", kScript);
  }
  std::int32_t module_ = 0;
};

TEST_F(GuiActions, WidgetActionsReachTheProcedureAndItsChangesShow) {
  PickProc proc;
  // The person acts while the dialog is drawn; the script then presses OK.
  gui_->set_open_observer([&](ui::gui::DialogWindow& w) {
    auto* edit = qobject_cast<QLineEdit*>(w.control_widget(101));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text(), QString::fromUtf8("na\xC3\xAFve"));
    edit->clear();
    type_text(edit, QString::fromUtf8("d\xC3\xA9j\xC3\xA0"));
    EXPECT_EQ(w.windowTitle(), QString::fromUtf8("d\xC3\xA9j\xC3\xA0"));  // the procedure's caption shows
    qobject_cast<QCheckBox*>(w.control_widget(102))->click();
    qobject_cast<QRadioButton*>(w.control_widget(103))->click();
    qobject_cast<QRadioButton*>(w.control_widget(104))->click();
    EXPECT_FALSE(qobject_cast<QRadioButton*>(w.control_widget(103))->isChecked());  // one tick a group
    auto* list = qobject_cast<QListWidget*>(w.control_widget(105));
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), QString::fromUtf8("Caf\xC3\xA9"));
    list->setCurrentRow(1);
  });
  gui_->queue_script("dialog DLG_PICK\nclick 1\n");
  EXPECT_EQ(ui::host().run_modal(module_, "DLG_PICK", proc, gui_->main_window()), 1);
  EXPECT_EQ(proc.text, "d\xE9j\xE0");
  EXPECT_EQ(proc.bold, 1);
  EXPECT_EQ(proc.two, 1);
  EXPECT_EQ(proc.picked, 1);
  EXPECT_EQ(proc.log.back(), "1 clicked");
  EXPECT_EQ(std::count(proc.log.begin(), proc.log.end(), "105 selection"), 1);
  EXPECT_EQ(gui_->transcript().back(), "dialog DLG_PICK \"d\xE9j\xE0\" -> 1");
}

// Paints its owner-drawn button and list, sets the list's rows, and keeps
// what each control was told.
class DrawnProc : public ui::DialogProc {
 public:
  void on_init(ui::Dialog& d) override {
    for (const char* item : {"one", "two", "three", "four"}) d.add_item(204, item);
    ui::set_item_height(d, 204, 26);
    ui::set_top_index(d, 204, 2);
    ui::host().paint(d.handle(), 203, [](ui::Painter& p) { p.fill({0, 0, 16, 16}, 0x0000FF); });
  }
  void on_command(ui::Dialog& d, int id, ui::Notify n) override {
    if (n == ui::Notify::focus_lost) told.push_back(std::to_string(id) + " lost");
    if (n == ui::Notify::focus_gained) told.push_back(std::to_string(id) + " gained");
    ui::DialogProc::on_command(d, id, n);
  }
  std::vector<std::string> told;
};

void focus_on(QWidget* widget) {
  QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
  QApplication::sendEvent(widget, &in);
}

TEST_F(GuiActions, FocusMovesTellTheEditFieldsAndComboBoxesLeftAndReached) {
  DrawnProc proc;
  gui_->set_open_observer([&](ui::gui::DialogWindow& w) {
    focus_on(w.control_widget(201));  // already the focus: nothing to tell
    focus_on(w.control_widget(202));
    focus_on(w.control_widget(203));  // a button is not told
    focus_on(w.control_widget(201));
  });
  gui_->queue_script("dialog DLG_DRAWN\nclick 2\n");
  ui::host().run_modal(module_, "DLG_DRAWN", proc, gui_->main_window());
  EXPECT_EQ(proc.told, (std::vector<std::string>{"201 lost", "202 gained", "202 lost", "201 gained"}));
}

TEST_F(GuiActions, OwnerDrawnButtonsAndListsShowWhatTheProcedurePaintedAndSet) {
  DrawnProc proc;
  gui_->set_open_observer([&](ui::gui::DialogWindow& w) {
    auto* button = qobject_cast<QPushButton*>(w.control_widget(203));
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(button->text().isEmpty());  // the caption names the picture; it is not shown
    EXPECT_FALSE(button->icon().isNull());
    auto* list = dynamic_cast<ui::gui::PaintedBox*>(w.control_widget(204));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->row_height(), static_cast<int>(std::lround(26 * w.metrics().scale().y())));
    EXPECT_EQ(list->top_row(), 2);
  });
  gui_->queue_script("dialog DLG_DRAWN\nclick 2\n");
  ui::host().run_modal(module_, "DLG_DRAWN", proc, gui_->main_window());
  // The transcript is the headless host's.
  const std::vector<std::string>& said = gui_->transcript();
  EXPECT_NE(std::find(said.begin(), said.end(), "itemheight DLG_DRAWN 204 26"), said.end());
  EXPECT_NE(std::find(said.begin(), said.end(), "topindex DLG_DRAWN 204 2"), said.end());
}

// Keeps its list as wide as the window, as a resizable tool window does.
class SizedProc : public ui::DialogProc {
 public:
  void on_size(ui::Dialog& d, int width, int height) override {
    sizes.push_back(width);
    d.move_control(301, {6, 6, width - 12, height - 40});
  }
  std::vector<int> sizes;
};

TEST_F(GuiActions, ResizingAWindowWithASizingFrameLaysItOutAgain) {
  SizedProc proc;
  QRect list_before, list_after;
  int model_width = 0;
  gui_->set_open_observer([&](ui::gui::DialogWindow& w) {
    w.show();
    list_before = w.control_widget(301)->geometry();
    w.resize(w.width() + 60, w.height() + 30);
    QApplication::processEvents();
    list_after = w.control_widget(301)->geometry();
    model_width = w.model()->rect().cx;
  });
  gui_->queue_script("dialog DLG_SIZED\nclick 2\n");
  ui::host().run_modal(module_, "DLG_SIZED", proc, gui_->main_window());
  ASSERT_EQ(proc.sizes.size(), 1u);
  EXPECT_EQ(proc.sizes[0], model_width);
  EXPECT_GT(model_width, 150);  // 100 units are 150 pixels of the model
  EXPECT_GT(list_after.width(), list_before.width() + 40);
}

// Runs its whole job while it starts up, as the report's progress does, and
// notes what the desktop showed at each step.
class JobProc : public ui::DialogProc {
 public:
  explicit JobProc(ui::gui::GuiHost& gui) : gui_(gui) {}
  void on_init(ui::Dialog& d) override {
    for (int step = 1; step <= 3; ++step) {
      d.set_progress(401, step, 3);
      ui::gui::DialogWindow* w = gui_.window_of(d.handle());
      auto* meter = w ? qobject_cast<QProgressBar*>(w->control_widget(401)) : nullptr;
      seen.push_back(w && w->isVisible() && meter ? meter->value() : -1);
    }
    d.end(1);
  }
  std::vector<int> seen;

 private:
  ui::gui::GuiHost& gui_;
};

TEST(GuiDesktop, ADialogWorkingWhileItStartsUpIsShownWithItsMeter) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  tw_test::TempDir dir;
  ui::HeadlessHost* made = tw_gui_host_create(0);
  ASSERT_NE(made, nullptr);
  auto* gui = static_cast<ui::gui::GuiHost*>(made);
  ui::set_host(std::unique_ptr<ui::HeadlessHost>(made));
  const std::int32_t module = ui::register_module("gui_job", kScript);
  JobProc proc(*gui);
  EXPECT_EQ(ui::host().run_modal(module, "DLG_JOB", proc, gui->main_window()), 1);
  EXPECT_EQ(proc.seen, (std::vector<int>{1, 2, 3}));
  ui::set_host(std::make_unique<ui::HeadlessHost>());
}

TEST(GuiTextEdge, CodePage1252RoundTripsAndForeignCharactersBecomeQuestionMarks) {
  const std::string bytes = "\x80 \x93quoted\x94 \xE9\r\nline";
  EXPECT_EQ(ui::gui::to_host_text(ui::gui::from_host_text(bytes)), bytes);
  EXPECT_EQ(ui::gui::from_host_text("\x80"), QString(QChar(0x20AC)));
  EXPECT_EQ(ui::gui::to_host_text(QString::fromUtf8("\xE2\x82\xAC \xCE\xA9")), "\x80 ?");
  EXPECT_EQ(ui::gui::from_host_lines("a\r\nb"), QStringLiteral("a\nb"));
  EXPECT_EQ(ui::gui::to_host_lines(QStringLiteral("a\nb")), "a\r\nb");
}

}  // namespace
