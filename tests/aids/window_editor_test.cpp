// The Window Editor over a Windows 3.1 project, driven by headless scripts:
// the preview's place in units, the project file written back, the PW macro.
#include <gtest/gtest.h>

#include "aids/macro_editor.h"
#include "aids/window_editor.h"
#include "aids/window_position_dialog.h"
#include "aids/window_units.h"
#include "core/messages.h"
#include "core/settings.h"
#include "platform/text.h"
#include "platform/profile.h"
#include "platform/ui/painter.h"
#include "project/dialogs/project_dialogs.h"
#include "project/files/project_file.h"
#include "project/project_fixture.h"

namespace {

using Lines = std::vector<std::string>;

TEST(WindowUnits, PixelsBecomeUnitsClampedToTheScreen) {
  const ui::ScreenSize screen{1024, 768};
  // The lower-right quarter: width and height end at 1023.
  EXPECT_EQ(aids::units_from_pixels({512, 384, 512, 384}, screen), (aids::UnitRect{512, 512, 511, 511}));
  EXPECT_EQ(aids::units_from_pixels({0, 0, 1024, 768}, screen), (aids::UnitRect{0, 0, 1023, 1023}));
  // Off the screen to the upper left, and past it to the lower right.
  EXPECT_EQ(aids::units_from_pixels({-40, -10, 200, 100}, screen), (aids::UnitRect{0, 0, 200, 133}));
  EXPECT_EQ(aids::units_from_pixels({2000, 900, 300, 300}, screen), (aids::UnitRect{1023, 1023, 0, 0}));
  EXPECT_EQ(aids::units_from_pixels({10, 10, 10, 10}, ui::ScreenSize{0, 0}), (aids::UnitRect{0, 0, 0, 0}));
  const ui::WindowRect back = aids::pixels_from_units({512, 512, 511, 511}, screen);
  EXPECT_EQ(back.x, 512);
  EXPECT_EQ(back.y, 384);
  EXPECT_EQ(back.cx, 511);
  EXPECT_EQ(back.cy, 383);
}

TEST(WindowUnits, TypedPositionsAreWholeNumbersInRange) {
  EXPECT_EQ(aids::parse_unit(" 1023 "), 1023);
  EXPECT_EQ(aids::parse_unit("0"), 0);
  for (const char* bad : {"", "1024", "-1", "12a", "1e3", "99999999999999999999"})
    EXPECT_FALSE(aids::parse_unit(bad)) << bad;
}

TEST(WindowUnits, NamesThatWouldBreakTheWindowLineAreRefused) {
  EXPECT_TRUE(aids::valid_window_name("proc_1"));
  for (const char* bad : {"", "ninechars", "a=b", "a,b", "a b", "a>b", "a;b", "\"x\""})
    EXPECT_FALSE(aids::valid_window_name(bad)) << bad;
}

TEST(WindowPreview, PaintsBothRegionsAndTheirTexts) {
  project::WindowRecord w = aids::new_window("second");
  w.nonscroll_colour = 0x0000FF;
  ui::RecordingPainter painter;
  aids::paint_window_preview(painter, 300, 200, w);
  EXPECT_EQ(painter.record(), (Lines{
                                  "fill 0 0 300 40 0x0000FF",
                                  "frame 0 0 300 40 0x000000",
                                  "fill 0 40 300 160 0xFFFFFF",
                                  "frame 0 40 300 160 0x000000",
                                  "text 0 6 300 16 0x000000 centre \"Non-Scrolling Area\"",
                                  "text 0 45 300 16 0x000000 centre \"Main (Scrolling) Area\"",
                                  "text 0 90 300 16 0x000000 centre \"Move/Size this window with the mouse.\"",
                              }));
}

class WindowEditorTest : public tw_test::ProjectFixture {
 protected:
  static constexpr const char* kProject = "c:\\help\\guide.hpj";
  const std::string legacy =
      "[OPTIONS]\r\nTITLE=Guide\r\n[FILES]\r\nintro.rtf\r\n[WINDOWS]\r\n"
      "main=\"Guide\",(0, 0, 1023, 1023),0,(255, 255, 255),(192, 192, 192),0\r\n"
      "second=\"Second\",(512, 0, 511, 1023),0,,,1\r\n";

  void SetUp() override {
    ProjectFixture::SetUp();
    use_project(kProject, legacy);
    tw_test::write_file(root() + "/windows/TRVWCK6.INI",
                        std::string("[TARVENWICK]\nPROJECT=") + kProject + "\n");
    platform::write_profile_string("Project", "W95", "0", core::option_file_path(kProject));
    ASSERT_EQ(project::ReadProjectFile(state), 1);
  }
  // Runs the editor in project mode from a window with a script; the chosen
  // name, or "cancelled".
  std::string edit(const std::string& script, std::string name = "main") {
    ui().queue_script("dialog DLG_WINED\n" + script);
    if (aids::EditWindows(state, 5, name) != 1) return "cancelled";
    return name;
  }
  Lines window_lines() {
    Lines found;
    bool inside = false;
    for (const auto& line : text::split_lines(text_of(kProject))) {
      if (!line.empty() && line[0] == '[') inside = line == "[WINDOWS]";
      else if (inside && !line.empty() && line[0] != ';') found.push_back(line);
    }
    return found;
  }
  Lines transcript_with(const std::string& needle) {
    Lines found;
    for (const auto& line : ui().transcript())
      if (line.find(needle) != std::string::npos) found.push_back(line);
    return found;
  }
};

TEST_F(WindowEditorTest, UnchangedWindowsLeaveTheProjectFileAlone) {
  EXPECT_EQ(edit("select 105 second\nclick 1\n", "main"), "second");
  EXPECT_EQ(text_of(kProject), legacy);
  EXPECT_EQ(edit("click 2\n"), "cancelled");
  EXPECT_EQ(text_of(kProject), legacy);
}

TEST_F(WindowEditorTest, MovedPreviewAndFieldsAreWrittenBack) {
  EXPECT_EQ(edit("rect WndEd 512 384 512 384\nset 104 Second; more\ncheck 108 0\n"
                 "click 101\ncolour 0x00FF00\nclick 1\n",
                 "second"),
            "second");
  EXPECT_EQ(window_lines(), (Lines{"main=\"Guide\",(0, 0, 1023, 1023),0,(255, 255, 255),(192, 192, 192),0",
                                   "second=\"Second; more\",(512, 512, 511, 511),0,(0, 255, 0),,0"}));
  // Read back whole, the caption's ";" included.
  ASSERT_EQ(project::ReadProjectFile(state), 1);
  ASSERT_EQ(state.data.windows.size(), 2u);
  EXPECT_EQ(state.data.windows[1].caption, "Second; more");
  // A preview that fills the screen is a maximised window.
  edit("rect WndEd 0 0 1024 768\nclick 1\n", "second");
  EXPECT_EQ(window_lines()[1], "second=\"Second; more\",(0, 0, 1023, 1023),1,(0, 255, 0),,0");
  // Default colours, and the main window's default place.
  edit("check 130 1\ncheck 106 1\nclick 1\n", "main");
  EXPECT_EQ(window_lines()[0], "main=\"Guide\",,,,(192, 192, 192),0");
}

TEST_F(WindowEditorTest, SwitchingWindowsAsksWhetherToKeepTheChanges) {
  // No: the caption change is dropped; Cancel stays; Yes keeps it.
  edit("select 105 second\nset 104 Other\nselect 105 main\nmessage No\nclick 1\n");
  EXPECT_EQ(text_of(kProject), legacy);
  edit("select 105 second\nset 104 Other\nselect 105 main\nmessage Cancel\nset 104 Third\nclick 1\n");
  EXPECT_EQ(window_lines()[1], "second=\"Third\",(512, 0, 511, 1023),0,,,1");
  edit("select 105 second\nset 104 Kept\nselect 105 main\nmessage Yes\nclick 1\n");
  EXPECT_EQ(window_lines()[1], "second=\"Kept\",(512, 0, 511, 1023),0,,,1");
  EXPECT_EQ(transcript_with("Save changes to second?").size(), 3u);
}

TEST_F(WindowEditorTest, PositionDialogTakesOnlyNumbersInRange) {
  ui().queue_script(
      "dialog DLG_WINED\nclick 131\n"
      "dialog DLG_WINPOS\nset 101 10\nset 103 1024\nclick 1\nmessage OK\nset 103 300\nset 104 x\nclick 1\n"
      "message OK\nset 104 400\nclick 1\n"
      "click 1\n");
  std::string name = "second";
  ASSERT_EQ(aids::EditWindows(state, 5, name), 1);
  EXPECT_EQ(transcript_with("Value must be from 0 to 1023.").size(), 2u);
  EXPECT_EQ(window_lines()[1], "second=\"Second\",(10, 0, 300, 400),0,,,1");
}

TEST_F(WindowEditorTest, OnlyFiveSecondaryWindowsAreAddedAndDeletedOnesGoOnOk) {
  // A typed name is taken when the author leaves the name field.
  edit("set 105 w3\nclick 104\nset 105 w4\nclick 104\nset 105 w5\nclick 104\nset 105 w6\nclick 104\n"
       "set 105 w7\nclick 104\nmessage OK\nselect 105 w3\nclick 143\nset 105 w7\nclick 104\nclick 1\n");
  EXPECT_EQ(transcript_with("Too many secondary windows.  Only 5 are allowed.").size(), 1u);
  const Lines lines = window_lines();
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[2], "w4=\"w4\",(0, 0, 512, 512),0,,,0");
  EXPECT_EQ(lines[5], "w7=\"w7\",(0, 0, 512, 512),0,,,0");
  // A name passed in that is not defined is added at once; a bad one is refused.
  EXPECT_EQ(edit("click 2\n", "w8"), "cancelled");
  EXPECT_EQ(edit("set 105 a=b\nclick 104\nmessage OK\nclick 2\n"), "cancelled");
  EXPECT_EQ(transcript_with("Window names are one to 8").size(), 1u);
  EXPECT_EQ(window_lines().size(), 6u);
}

TEST_F(WindowEditorTest, MoreWindowsThanTheEditorAddsAreKept) {
  std::string crowded = legacy;
  for (int i = 3; i <= 9; ++i) crowded += "w" + std::to_string(i) + "=\"W\",(1, 2, 3, 4),0,,,0\r\n";
  use_project(kProject, crowded);
  ASSERT_EQ(project::ReadProjectFile(state), 1);
  EXPECT_EQ(state.data.windows.size(), 9u);
  edit("select 105 w9\nset 104 Nine\nclick 1\n");
  const Lines lines = window_lines();
  ASSERT_EQ(lines.size(), 9u);
  EXPECT_EQ(lines[8], "w9=\"Nine\",(1, 2, 3, 4),0,,,0");
}

// Records what the preview last painted before OK.
class PaintProbe : public aids::WindowEditor {
 public:
  using WindowEditor::WindowEditor;
  Lines painted;
  void on_command(ui::Dialog& d, int id, ui::Notify n) override {
    if (id == ui::kIdOk) painted = ui::headless()->paint_record(preview_window());
    WindowEditor::on_command(d, id, n);
  }
};

TEST_F(WindowEditorTest, PreviewFollowsTheChosenColoursAndPlace) {
  PaintProbe probe(state, aids::WindowEditorMode::project, state.data.windows, "main");
  ui().queue_script("dialog DLG_WINED\nrect WndEd 0 0 200 100\ncheck 120 1\nclick 101\ncolour 0x0000FF\nclick 1\n");
  ASSERT_EQ(ui().run_modal(core::authoring_module(), "DLG_WINED", probe, 0), 1);
  ASSERT_GE(probe.painted.size(), 3u);
  EXPECT_EQ(probe.painted[0], "fill 0 0 200 40 0xFFFFFF");
  EXPECT_EQ(probe.painted[2], "fill 0 40 200 60 0x0000FF");
  EXPECT_EQ(probe.windows()[0].nonscroll_colour, project::kNoColour);
  EXPECT_EQ(probe.windows()[0].x, 0);
  EXPECT_EQ(probe.windows()[0].width, 200);
  EXPECT_EQ(probe.windows()[0].height, 133);
}

TEST_F(WindowEditorTest, MacroModeReturnsThePositionWindowMacro) {
  std::string macro;
  ui().queue_script("dialog DLG_WINED\nrect WndEd 0 0 512 384\nclick 1\n");
  ASSERT_EQ(aids::PositionWindowMacro(state, 5, macro), 1);
  EXPECT_EQ(macro, "PW(0,0,512,512,1, `main')");
  ui().queue_script("dialog DLG_WINED\nset 105 nothere\nclick 1\nmessage OK\nselect 105 second\nselect# 45 3\nclick 1\n");
  ASSERT_EQ(aids::PositionWindowMacro(state, 5, macro), 1);
  EXPECT_EQ(macro, "PW(512,0,511,1023,3, `second')");
  EXPECT_EQ(transcript_with("You must select an existing window name.").size(), 1u);
  EXPECT_EQ(text_of(kProject), legacy);  // macro mode changes no project
}

TEST_F(WindowEditorTest, MacroEditorAndProjectDialogOpenTheEditor) {
  std::string macros = "!Back()";
  ui().queue_script("dialog DLG_MACROS\nselect# 101 45\nset 103 PW(1,1,1,1,1, `x');Back()\nclick 319\n"
                    "dialog DLG_WINED\nrect WndEd 0 0 512 384\nclick 1\nclick 105\nclick 1\n");
  ASSERT_EQ(aids::EditMacros(state, 5, aids::MacroMode::hotspot, macros), 1);
  EXPECT_EQ(macros, "!Back();PW(0,0,512,512,1, `main');Back()");

  ui().queue_script("dialog DLG_PRJ\nclick 122\ndialog DLG_WINED\nselect 105 second\nclick 143\nclick 1\nclick 1\n");
  ASSERT_EQ(project::SetOptions(state, 5), 1);
  EXPECT_EQ(window_lines(), (Lines{"main=\"Guide\",(0, 0, 1023, 1023),0,(255, 255, 255),(192, 192, 192),0"}));
}

}  // namespace
