// The Macro Editor and its test and ShortCut dialogs, driven by headless
// scripts; the start-up macros written into the project file.
#include <gtest/gtest.h>

#include <filesystem>

#include "aids/macro_editor.h"
#include "platform/browser_query.h"
#include "platform/profile.h"
#include "project/dialogs/project_dialogs.h"
#include "project/files/project_file.h"
#include "core/settings.h"
#include "project/project_fixture.h"

namespace {

using Lines = std::vector<std::string>;

class MacroEditorTest : public tw_test::ProjectFixture {
 protected:
  static constexpr const char* kProject = "c:\\help\\guide.hpj";
  const std::string legacy =
      "[OPTIONS]\r\nTITLE=Guide\r\n[FILES]\r\nintro.rtf\r\n[CONFIG]\r\nBrowseButtons()\r\n";

  void SetUp() override {
    ProjectFixture::SetUp();
    use_project(kProject, legacy);
    tw_test::write_file(root() + "/windows/TRVWCK6.INI",
                        std::string("[TARVENWICK]\nPROJECT=") + kProject + "\n");
    platform::write_profile_string("Project", "W95", "0", core::option_file_path(kProject));
    ASSERT_EQ(project::ReadProjectFile(state), 1);
  }
  // Runs the editor in a mode on macros with a script; the result, or
  // "cancelled".
  std::string edit(std::string macros, const std::string& script,
                   aids::MacroMode mode = aids::MacroMode::hotspot) {
    ui().queue_script("dialog DLG_MACROS\n" + script);
    if (aids::EditMacros(state, 5, mode, macros) != 1) return "cancelled";
    return macros;
  }
  Lines transcript_with(const std::string& needle) {
    Lines found;
    for (const auto& line : ui().transcript())
      if (line.find(needle) != std::string::npos) found.push_back(line);
    return found;
  }
};

TEST_F(MacroEditorTest, UnchangedHotspotMacroComesBackAsItWas) {
  const std::string macro = "!JI(`guide.hlp>main', `intro');Back()";
  EXPECT_EQ(edit(macro, "click 1\n"), macro);
  // The two lines are there to take back one at a time.
  EXPECT_EQ(edit(macro, "select# 104 1\nclick 106\nset 103 Next()\nclick 105\nclick 1\n"),
            "!JI(`guide.hlp>main', `intro');Next()");
  EXPECT_EQ(edit(macro, "select# 104 0\nclick 107\nclick 1\n"), "!Back()");
  EXPECT_EQ(edit(macro, "select# 104 0\nclick 107\nselect# 104 0\nclick 107\nclick 1\n"), "");
  EXPECT_EQ(edit("Back()", "click 1\n", aids::MacroMode::plain), "Back()");
  EXPECT_EQ(edit(macro, "click 2\n"), "cancelled");
}

TEST_F(MacroEditorTest, DraggedLinesGoBeforeTheLineTheyAreDroppedOn) {
  const std::string macros = "!A();B();C();D()";
  EXPECT_EQ(edit(macros, "drag 104 3 0\nclick 1\n"), "!D();A();B();C()");
  EXPECT_EQ(edit(macros, "drag 104 0 2\nclick 1\n"), "!B();A();C();D()");
  EXPECT_EQ(edit(macros, "drag 104 1 4\nclick 1\n"), "!A();C();D();B()") << "below the last line";
  EXPECT_EQ(edit(macros, "drag 104 1 1\ndrag 104 1 2\nclick 1\n"), macros) << "dropped where it was";

  // The line taken back for editing is replaced where it went, not where it was.
  EXPECT_EQ(edit(macros, "dblclick 104 2\nset 103 Cnew()\ndrag 104 2 0\nclick 105\nclick 1\n"),
            "!Cnew();A();B();D()");
  EXPECT_EQ(edit(macros, "dblclick 104 1\nset 103 Bnew()\ndrag 104 0 4\nclick 105\nclick 1\n"),
            "!Bnew();C();D();A()");
}

TEST_F(MacroEditorTest, CatalogueEntriesComeWithoutPlaceholders) {
  // Entry 39 is JI: two empty double-quoted arguments.
  EXPECT_EQ(edit("", "select# 101 39\nclick 105\nclick 1\n"), "!JI(\"\", \"\")");
  // In an IfThen the chosen macros go into its macro argument, undo takes
  // the last one back.
  EXPECT_EQ(edit("", "select# 101 31\nselect# 101 39\nselect# 101 4\nclick 87\nselect# 101 41\n"
                     "click 105\nclick 1\n"),
            "!IfThen(IsMark(\"\"), \"JI(`', `'); Next()\")");
}

TEST_F(MacroEditorTest, TextLeftInTheEditLineIsDiscardedOnlyWhenTheUserSaysSo) {
  EXPECT_EQ(edit("Back()", "set 103 About()\nclick 1\nmessage Cancel\nclick 105\nclick 1\n"),
            "!Back();About()");
  EXPECT_EQ(transcript_with("Discard the macro currently being edited?").size(), 1u);
  EXPECT_EQ(edit("Back()", "set 103 About()\nclick 1\nmessage OK\n"), "!Back()");
}

TEST_F(MacroEditorTest, PositionAndShortcutButtonsFollowTheChosenMacro) {
  state.data.project.emulation = true;
  ui().queue_script(
      "dialog DLG_MACROS\nclick 319\nclick 89\nselect# 101 45\nclick 319\nclick 89\n"
      "select# 101 62\nclick 89\ndialog DLG_SHORTCUT\nclick 1\nmessage OK\nclick 101\n"
      "file c:\\apps\\edit.exe\nclick 104\nclick 1\nclick 2\n");
  std::string macros;
  EXPECT_EQ(aids::EditMacros(state, 5, aids::MacroMode::plain, macros), 0);
  // Hidden buttons ignore the first clicks; PW shows only its own.
  EXPECT_EQ(transcript_with("ignored").size(), 3u);
  EXPECT_EQ(transcript_with("You must select an application to run.").size(), 1u);
  EXPECT_EQ(transcript_with("exec").size(), 1u);
  EXPECT_NE(transcript_with("twsc32.exe c:\\apps\\edit.exe").size(), 0u);
  EXPECT_EQ(core::read_setting_int("SC Bits", 7), 1);
}

TEST_F(MacroEditorTest, ShortcutModeStartsOnTheShortcutEntry) {
  state.data.project.emulation = true;
  EXPECT_EQ(edit("", "click 105\nclick 1\n", aids::MacroMode::shortcut),
            "ShortCut(\"\", \"\", , , \"\")");
}

TEST_F(MacroEditorTest, TestingNeedsTheCompiledFileThenSendsMacrosToTheViewer) {
  const std::string macro = "JI(`guide.hlp', `a');Back();Next()";
  EXPECT_EQ(edit(macro, "click 389\nmessage OK\nclick 1\n", aids::MacroMode::plain), macro);
  EXPECT_EQ(transcript_with("You must compile your help file").size(), 1u);

  tw_test::write_file(host("c:\\help\\guide.hlp"), "compiled");
  ui().clear_transcript();
  edit(macro, "click 389\ndialog DLG_TEST_MACROS\nselect# 101 1\nclick 102\nclick 103\nclick 103\n"
              "click 103\nclick 2\nclick 1\n");
  EXPECT_EQ(transcript_with("winhelp"),
            (Lines{"winhelp \"c:\\help\\guide.hlp\" command=3 data=0",
                   "winhelp \"c:\\help\\guide.hlp\" command=258 data=\"Back()\"",
                   "winhelp \"c:\\help\\guide.hlp\" command=258 data=\"Next()\"",
                   "winhelp \"c:\\help\\guide.hlp\" command=258 data=\"JI(`guide.hlp', `a')\"",
                   "winhelp \"c:\\help\\guide.hlp\" command=258 data=\"Back()\"",
                   "winhelp \"c:\\help\\guide.hlp\" command=258 data=\"Next()\"",
                   "winhelp \"c:\\help\\guide.hlp\" command=2 data=0"}));
}

TEST_F(MacroEditorTest, CustomMacrosComeFromTheirLibraryWithTheirHelp) {
  state.data.project.format_comments = ";@DF [mylib.Ding(\"sound\")]{Plays a sound}<mylib.hlp>;\n";
  EXPECT_EQ(edit("", "select 318 mylib\nselect# 101 0\nclick 115\nclick 105\nclick 1\n"),
            "!Ding(\"\")");
  EXPECT_EQ(transcript_with("winhelp"), (Lines{"winhelp \"mylib.hlp\" command=261 data=\"Ding\""}));
  ui().clear_transcript();
  edit("", "select# 101 39\nclick 115\nclick 2\n");
  EXPECT_EQ(transcript_with("winhelp"), (Lines{"winhelp \"TRVWCK.HLP\" command=261 data=\"JI\""}));
  EXPECT_EQ(edit("", "click 188\nselect# 101 0\nset 103 MyOwn(1)\nclick 105\nclick 1\n"), "!MyOwn(1)");
}

// "Help On" a built-in macro opens its entry in the published macro
// reference, found by the macro's name; Windows 95 projects too.
TEST_F(MacroEditorTest, HelpOnOpensTheMacrosReferencePage) {
  const std::string site = file("site");
  tw_test::write_file(site + "/contexts.ini", "[Topics]\r\n\r\n[Map]\r\n\r\n[Keywords]\r\n"
                                              "JI=macrosp1.htm#IX_7\r\nKLink=macrosp1.htm#IX_30\r\n"
                                              "\r\n[Publication]\r\nstart=twztoc.htm\r\n");
  platform::write_profile_string("Platform", "product help", site, "WIN.INI");
  edit("", "select# 101 39\nclick 115\nclick 2\n");
  EXPECT_EQ(transcript_with("helppage"), (Lines{"helppage \"" + site + "/macrosp1.htm#IX_7\""}));
  ui().clear_transcript();
  state.win95_compiler = true;
  edit("", "set 103 KLink(\"x\")\nclick 115\nclick 2\n");
  EXPECT_EQ(transcript_with("winhelp"), (Lines{"winhelp \"TRVWCK.HLP\" command=261 data=\"KLink\""}));
  EXPECT_EQ(transcript_with("helppage"), (Lines{"helppage \"" + site + "/macrosp1.htm#IX_30\""}));
}

class OneBrowser : public platform::BrowserChannel {
 public:
  std::optional<std::string> request(std::string_view service, std::string_view, std::string_view,
                                     int) override {
    if (service == "Iexplore") return std::string("\"http://example.org/page.htm\",\"Example\"");
    return std::nullopt;
  }
};

TEST_F(MacroEditorTest, TheBrowsersPageBecomesAnUrlvaneMacro) {
  EXPECT_EQ(edit("", "set 103 About()\nclick 90\nclick 105\nclick 1\n"), "!About()");  // no browser
  platform::set_browser_channel(std::make_unique<OneBrowser>());
  EXPECT_EQ(edit("", "click 90\nclick 105\nclick 1\n"), "!EP(`urlvane.exe >http://example.org/page.htm',1)");
  state.win95_compiler = 1;
  EXPECT_EQ(edit("", "click 90\nclick 105\nclick 1\n"),
            "!EF(`urlvane.exe', `>http://example.org/page.htm', 1, `')");
  platform::set_browser_channel(nullptr);
}

TEST_F(MacroEditorTest, StartupMacrosRewriteTheProjectFileOnlyWhenChanged) {
  namespace fs = std::filesystem;
  const std::string path = host(kProject);
  const auto old_time = fs::file_time_type::clock::now() - std::chrono::hours(24);
  fs::last_write_time(path, old_time);
  ui().queue_script("dialog DLG_MACROS\nclick 1\n");
  EXPECT_EQ(aids::EditStartupMacros(state, 5), 1);
  EXPECT_EQ(fs::last_write_time(path), old_time);
  EXPECT_EQ(text_of(kProject), legacy);

  // Through the project dialog: a macro with a ";" in a quoted argument.
  ui().queue_script("dialog DLG_PRJ\nclick 121\ndialog DLG_MACROS\nset 103 EP(`a;b.exe',1)\nclick 105\n"
                    "click 1\nclick 1\n");
  EXPECT_EQ(project::SetOptions(state, 5), 1);
  // BrowseButtons() is the project's flag, written back with the macros.
  EXPECT_EQ(state.data.project.config_macros, "EP(`a;b.exe',1)");
  const std::string out = text_of(kProject);
  EXPECT_NE(out.find("BrowseButtons()\r\n"), std::string::npos) << out;
  EXPECT_NE(out.find("\r\nEP(`a:b.exe',1)\r\n"), std::string::npos) << out;
  ASSERT_EQ(project::ReadProjectFile(state), 1);
  EXPECT_EQ(state.data.project.config_macros, "EP(`a;b.exe',1)");
  EXPECT_TRUE(state.data.project.browse_buttons);
}

}  // namespace
