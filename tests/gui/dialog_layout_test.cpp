// Every dialog template of both libraries drawn by the GUI host under Qt's
// offscreen platform, with a procedure that fills nothing in. The pictures go
// to build/gui-shots for a person to look at, with layout-findings-*.txt: a
// control outside its dialog, two that cover each other (group boxes and
// frames hold theirs), a caption wider than its control at the dialog font.
// A finding the dialogs mean (alternates the procedure shows one at a time)
// is listed below with its reason; any other fails the test.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <fstream>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QRadioButton>
#include <QStyle>
#include <set>

#include "core/messages.h"
#include "html/driver/messages.h"
#include "platform/ui/gui/dialog_window.h"
#include "platform/ui/gui/gui_host.h"
#include "support/test_support.h"

namespace {

using ui::detail::ControlKind;

// A window site for a dialog made by hand.
ui::detail::WindowSite& site_for_tests() {
  struct Site : ui::detail::WindowSite {
    std::int64_t now() const override { return 0; }
    void window_ended(ui::detail::HeadlessDialog&) override {}
    void enter() override {}
    void leave() override {}
  };
  static Site site;
  return site;
}

class GuiDialogs : public tw_test::Fixture {
 protected:
  void SetUp() override {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    tw_test::Fixture::SetUp();
    ui::HeadlessHost* made = tw_gui_host_create(1);
    ASSERT_NE(made, nullptr);
    gui_ = static_cast<ui::gui::GuiHost*>(made);
    ui::set_host(std::unique_ptr<ui::HeadlessHost>(made));
  }

  ui::gui::GuiHost* gui_ = nullptr;
};

// A caption without its accelerator mark.
QString shown(QString text) {
  text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
  text.remove(QChar('&'));
  text.replace(QChar('\x01'), QChar('&'));
  return text;
}

// Findings the templates mean. Controls that share a place are alternates:
// the procedure shows one of them and hides the rest.
const std::set<std::string>& accepted_findings() {
  static const std::set<std::string> accepted = {
      // Topic ID shows the combo box, Title the list of titles.
      "DLG_INS_JUMP controls 102 and 601 overlap",
      "DLG_INS_DEF controls 102 and 601 overlap",
      "DLG_GRAPHIC controls 102 and 601 overlap",
      // The macro catalogue by names or by descriptions.
      "DLG_MACROS controls 101 and 120 overlap",
      // "Position Window..." for a window macro, "Edit ShortCut..." for a shortcut.
      "DLG_MACROS controls 319 and 89 overlap",
      // A window class's data is typed in the field or picked from its items.
      "DLG_EMBWIN controls 105 and 170 overlap",
      // The preview of a chosen graphic, or the grid of standard bitmaps.
      "DLG_GRAPHIC controls 301 and 830 overlap", "DLG_GRAPHIC controls 301 and 831 overlap",
      "DLG_GRAPHIC controls 301 and 832 overlap", "DLG_GRAPHIC controls 301 and 833 overlap",
      "DLG_GRAPHIC controls 301 and 834 overlap", "DLG_GRAPHIC controls 301 and 835 overlap",
      "DLG_GRAPHIC controls 301 and 836 overlap", "DLG_GRAPHIC controls 301 and 837 overlap",
      "DLG_GRAPHIC controls 301 and 838 overlap", "DLG_GRAPHIC controls 301 and 839 overlap",
      // "Edit Graphic" for a file chosen, "Create Graphic" without one.
      "DLG_GRAPHIC controls 36 and 41 overlap",
      // The third compiler choice lies beyond the edge: no procedure offers it,
      // and the radio group keeps its place for the stored choice.
      "DLG_PRJ control 203 lies outside the dialog",
      // The related projects, or the companion files of the one chosen.
      "DLG_WG_LIST controls 101 and 102 overlap",
      // The project's topics by browse sequence or by context string.
      "DLG_INS_TOPIC controls 104 and 105 overlap",
      // The keyword tab strip's pages: K keywords or A keywords.
      "DLG_INS_TOPIC controls 113 and 114 overlap",
      // Topics by title, by topic ID or by document: one list at a time.
      "DLG_GOTO controls 104 and 105 overlap",
      "DLG_GOTO controls 104 and 106 overlap",
      "DLG_GOTO controls 105 and 106 overlap",
  };
  return accepted;
}

// The room a check box's or radio button's indicator and its gap take at the
// desktop's style.
int indicator_room(const QWidget& button) {
  const bool radio = qobject_cast<const QRadioButton*>(&button) != nullptr;
  QStyle* style = button.style();
  return style->pixelMetric(radio ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth, nullptr, &button) +
         style->pixelMetric(radio ? QStyle::PM_RadioButtonLabelSpacing : QStyle::PM_CheckBoxLabelSpacing, nullptr,
                            &button);
}

// A plain frame or rectangle drawn behind the controls it holds.
bool is_frame(const ui::gui::ControlView& view) {
  return view.kind == ControlKind::static_text && view.widget->metaObject() == &QFrame::staticMetaObject;
}

// What does not fit or lies wrong in one drawn dialog.
std::vector<std::string> layout_problems(const ui::gui::DialogWindow& window) {
  std::vector<std::string> problems;
  const std::string name = window.objectName().toStdString();
  const QRect inside(QPoint(0, 0), window.size());
  const QFontMetrics fm(window.metrics().font);
  std::vector<const ui::gui::ControlView*> shown_controls;
  for (const ui::gui::ControlView& view : window.controls()) {
    if (view.widget->isHidden()) continue;
    shown_controls.push_back(&view);
    const QRect r = view.widget->geometry();
    const std::string where = name + " control " + std::to_string(view.id);
    if (!inside.contains(r)) problems.push_back(where + " lies outside the dialog");
    QString text;
    int room = r.width();
    if (auto* label = qobject_cast<QLabel*>(view.widget)) {
      text = shown(label->text());
      if (label->wordWrap()) {
        const QRect need = fm.boundingRect(QRect(0, 0, room, 10000), Qt::TextWordWrap, text);
        if (need.height() > r.height() + fm.descent()) problems.push_back(where + " wraps beyond its height: " + text.toStdString());
        continue;
      }
    } else if (qobject_cast<QCheckBox*>(view.widget) || qobject_cast<QRadioButton*>(view.widget)) {
      text = shown(static_cast<QAbstractButton*>(view.widget)->text());
      room -= indicator_room(*view.widget);
    } else if (auto* button = qobject_cast<QAbstractButton*>(view.widget)) {
      text = shown(button->text());
      room -= 4;
    } else if (auto* group = qobject_cast<QGroupBox*>(view.widget)) {
      text = shown(group->title());
      room -= 8;
    }
    if (!text.isEmpty() && fm.horizontalAdvance(text) > room)
      problems.push_back(where + " is too narrow for \"" + text.toStdString() + "\"");
  }
  for (size_t i = 0; i < shown_controls.size(); ++i) {
    for (size_t j = i + 1; j < shown_controls.size(); ++j) {
      const ui::gui::ControlView& a = *shown_controls[i];
      const ui::gui::ControlView& b = *shown_controls[j];
      if (a.kind == ControlKind::group_box || b.kind == ControlKind::group_box) continue;
      if (is_frame(a) || is_frame(b)) continue;
      const QRect overlap = a.widget->geometry().intersected(b.widget->geometry());
      if (overlap.width() > 1 && overlap.height() > 1)
        problems.push_back(name + " controls " + std::to_string(a.id) + " and " + std::to_string(b.id) + " overlap");
    }
  }
  return problems;
}

// Opens every dialog of a module with a procedure that does nothing and
// cancels it, checking and photographing each.
std::vector<std::string> check_module(ui::gui::GuiHost& gui, std::int32_t module, const QString& shots) {
  std::vector<std::string> problems;
  int drawn = 0;
  gui.set_open_observer([&](ui::gui::DialogWindow& window) {
    ++drawn;
    for (std::string& p : layout_problems(window)) problems.push_back(std::move(p));
    window.grab().save(shots + "/" + window.objectName() + ".png");
  });
  for (const ui::DialogTemplate& t : ui::module_resources(module).dialogs()) {
    ui::DialogProc bare;
    gui.queue_script("dialog " + t.identifier() + "\nclick 2\n");
    ui::host().run_modal(module, t.identifier(), bare, gui.main_window());
  }
  EXPECT_EQ(drawn, static_cast<int>(ui::module_resources(module).dialogs().size()));
  gui.set_open_observer({});
  return problems;
}

QString shots_folder() {
  const QString folder = QStringLiteral(TW_BUILD_DIR "/gui-shots");
  QDir().mkpath(folder);
  return folder;
}

// Writes every finding for a person to read, and fails on those not accepted.
void write_findings(const std::string& name, const std::vector<std::string>& problems) {
  std::ofstream out((shots_folder() + "/" + QString::fromStdString(name)).toStdString(), std::ios::binary);
  std::vector<std::string> unexpected;
  for (const std::string& p : problems) {
    out << p << "\n";
    if (!accepted_findings().count(p)) unexpected.push_back(p);
  }
  EXPECT_EQ(unexpected, std::vector<std::string>{});
}

TEST_F(GuiDialogs, EveryAuthoringDialogIsDrawn) {
  write_findings("layout-findings-trvwck32.txt", check_module(*gui_, core::authoring_module(), shots_folder()));
  EXPECT_TRUE(QFile::exists(shots_folder() + "/DLG_INS_TOPIC.png"));
}

TEST_F(GuiDialogs, EveryConversionDialogIsDrawn) {
  write_findings("layout-findings-twzhtml.txt", check_module(*gui_, html::conversion_module(), shots_folder()));
  EXPECT_TRUE(QFile::exists(shots_folder() + "/DLG_HEAD.png"));
}

TEST(GuiLayoutCheck, FindsControlsOutsideOverlappingAndTooNarrow) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  delete tw_gui_host_create(1);
  ui::DialogTemplate t;
  t.name = "DLG_BAD";
  t.cx = 100, t.cy = 40;
  auto control = [](int id, const char* kind, const char* cls, const char* text, int x, int y, int cx, int cy,
                    std::uint32_t style) {
    ui::ControlTemplate c;
    c.id = id, c.kind = kind, c.window_class = cls, c.text = text;
    c.x = x, c.y = y, c.cx = cx, c.cy = cy, c.style = style | 0x10000000;
    return c;
  };
  t.controls = {control(1, "PUSHBUTTON", "Button", "A very long caption", 4, 4, 20, 14, 0),
                control(2, "PUSHBUTTON", "Button", "OK", 10, 10, 30, 14, 0),
                control(3, "PUSHBUTTON", "Button", "Far", 90, 30, 30, 14, 0)};
  ui::ResourceSet resources;
  ui::DialogProc proc;
  ui::detail::HeadlessDialog model(site_for_tests(), 2, 1, t, resources, proc, true);
  ui::gui::DialogWindow window(model, {}, nullptr);
  EXPECT_EQ(layout_problems(window),
            (std::vector<std::string>{"DLG_BAD control 1 is too narrow for \"A very long caption\"",
                                      "DLG_BAD control 3 lies outside the dialog",
                                      "DLG_BAD controls 1 and 2 overlap"}));
}

}  // namespace
