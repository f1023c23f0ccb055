// The assistant's window run headless: scripted sessions through the panel,
// its pages and dialogs, and the settings it keeps between runs.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <thread>

#include "assistant/data_file.h"
#include "assistant/options_dialog.h"
#include "assistant/panel.h"
#include "assistant/settings.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/profile.h"
#include "platform/text.h"
#include "support/mixed_case_dir.h"
#include "support/test_support.h"

namespace {

using assistant::App;

class AssistantWindow : public tw_test::Fixture {
 protected:
  void SetUp() override {
    tw_test::Fixture::SetUp();
    platform::add_program_folder(TW_BUILD_DIR "/bin");
  }

  // Runs the program's window with a script; returns the app as it closed.
  void run(App& app, const std::string& script) {
    ui().queue_script(script);
    assistant::run_assistant(app);
    EXPECT_TRUE(ui().pending_script().empty()) << ui().pending_script().front();
  }

  bool transcript_has(std::string_view line) const {
    const auto& t = const_cast<AssistantWindow*>(this)->ui().transcript();
    return std::find(t.begin(), t.end(), line) != t.end();
  }
  std::string transcript() {
    std::string out;
    for (const auto& line : ui().transcript()) out += line + "\n";
    return out;
  }
  std::string setting(const char* section, const char* key) {
    return platform::get_profile_string(section, key, "(none)", 300, assistant::kSettingsFile);
  }
};

constexpr const char* kTwoEntries =
    "dialog 1000\n"
    "set 101 Print\n"
    "set 102 Copies\n"
    "set 105 How many copies.\n"
    "click 93\n"
    "set 101 Print\n"
    "set 102 Range\n"
    "set 105 Which pages.\n";

TEST_F(AssistantWindow, CreatesSavesReopensAndCompiles) {
  App app;
  run(app, std::string(kTwoEntries) +
               "click 117\n"
               "file c:\\print.ptd\n"
               "click 115\n"
               "click 116\n"
               "file c:\\print.ptd\n"
               "click 370\n");
  EXPECT_EQ(tw_test::read_file(file("print.ptd")),
            "0\r\n\r\nPrint_Copies=20000|How many copies.\r\nPrint_Range=20001|Which pages.\r\n");
  EXPECT_EQ(app.model.count(), 2);
  EXPECT_TRUE(transcript_has("filedialog save \"*.ptd\" -> c:\\print.ptd")) << transcript();
  EXPECT_TRUE(transcript_has("exec \"HCW.EXE /c/e c:\\trvwck\\pta_test.tst\" show=1 -> 33")) << transcript();
  EXPECT_EQ(tw_test::read_file(file("trvwck/pta_test.h")),
            "#define IDH_Print_Copies\t20000\r\n#define IDH_Print_Range\t20001\r\n");
  EXPECT_EQ(setting("PT ASSISTANT", "last file"), "c:\\print.rtf");
  EXPECT_EQ(ui().window_title(app.main_window), "\"Pointip\" Assistant - print.ptd");
  if (app.test.process()) platform::wait_for_process(app.test.process());
}

TEST_F(AssistantWindow, PanelAndFormControlsPopUpTheirHelp) {
  App app;
  // A panel button, a form field, a label, then the list
  // view, whose controls have no popups.
  run(app, "dialog 1000\nhelp 115\nhelp 102\nhelp 501\nselect# 990 1\nhelp 101\nhelp 370\nclick 2\n");
  std::vector<std::string> help;
  for (const auto& line : ui().transcript())
    if (line.rfind("winhelp", 0) == 0) help.push_back(line);
  EXPECT_EQ(help, (std::vector<std::string>{"winhelp \"c:\\trvwck\\pointip.hlp\" command=8 data=115",
                                            "winhelp \"c:\\trvwck\\pointip.hlp\" command=8 data=102",
                                            "winhelp \"c:\\trvwck\\pointip.hlp\" command=8 data=370"}))
      << transcript();
}

TEST_F(AssistantWindow, RefusalsShowTheirMessageAndKeepTheForm) {
  App app;
  run(app, std::string(kTwoEntries) +
               "set 103 20000\n"
               "click 93\n"
               "message OK\n");
  EXPECT_TRUE(transcript_has("message \"This context integer has already been used. You must assign a unique value.\" "
                             "caption=\"\\\"Pointip\\\" Assistant\" icon=stop -> OK"))
      << transcript();
  EXPECT_EQ(app.model.count(), 1);
}

TEST_F(AssistantWindow, CancelOnCloseKeepsTheProgramRunning) {
  App app;
  run(app, std::string(kTwoEntries) +
               "click 2\n"
               "message Cancel\n"
               "click 93\n"
               "click 2\n"
               "message No\n");
  EXPECT_EQ(app.model.count(), 2) << transcript();
  EXPECT_EQ(std::count(ui().transcript().begin(), ui().transcript().end(),
                       "message \"Do you want to save your changes to the current file?\" "
                       "caption=\"\\\"Pointip\\\" Assistant\" icon=question -> Cancel"),
            1)
      << transcript();
}

TEST_F(AssistantWindow, AMissingLastFileGivesAnUntitledStart) {
  platform::write_profile_string("PT ASSISTANT", "last file", "c:\\gone.rtf", assistant::kSettingsFile);
  App app;
  run(app, "");
  EXPECT_EQ(ui().window_title(app.main_window), "\"Pointip\" Assistant - untitled");
  EXPECT_EQ(setting("PT ASSISTANT", "last file"), "");
}

TEST_F(AssistantWindow, AlwaysOnTopIsKeptForTheNextStart) {
  App first;
  run(first, "dialog 1000\nclick 10\n");
  EXPECT_EQ(setting("PT ASSISTANT", "ontop"), "0");
  App second;
  run(second, "");
  EXPECT_FALSE(second.settings.on_top);
}

TEST_F(AssistantWindow, ListViewSearchDoesNotWrapRound) {
  tw_test::write_file(file("list.ptd"),
                      "0\r\n\r\nFind_Me=20000|a\r\nOther_One=20001|b\r\nOther_Two=20002|c\r\n");
  platform::write_profile_string("PT ASSISTANT", "last file", "c:\\list.rtf", assistant::kSettingsFile);
  App app;
  run(app,
      "dialog 1000\n"
      "select# 990 1\n"
      "select# 101 1\n"
      "set 109 find\n"
      "click 88\n");
  EXPECT_EQ(app.model.current, 1) << "the only match lies above the selected line";
  App again;
  run(again,
      "dialog 1000\n"
      "select# 990 1\n"
      "set 109 two\n"
      "click 88\n"
      "dblclick 101 0\n"
      "set 105 Changed\n");
  EXPECT_EQ(again.model.current, 0);
  EXPECT_EQ(again.form_values().popup, "Changed") << "a double click shows the entry form";
}

TEST_F(AssistantWindow, ListViewMovesAndArrangesEntries) {
  tw_test::write_file(file("list.ptd"), "0\r\n\r\nB_one=1|a\r\nA_two=2|b\r\nB_three=3|c\r\n");
  platform::write_profile_string("PT ASSISTANT", "last file", "c:\\list.rtf", assistant::kSettingsFile);
  App app;
  run(app,
      "dialog 1000\n"
      "select# 990 1\n"
      "click 105\n"
      "select# 101 2\n"
      "click 363\n"
      "click 117\n"
      "click 2\n");
  EXPECT_EQ(tw_test::read_file(file("list.ptd")), "0\r\n\r\nA_two=2|b\r\nB_three=3|c\r\nB_one=1|a\r\n");
  EXPECT_EQ(app.model.current, 1);
}

TEST_F(AssistantWindow, OptionsNeedAnIncludeFileForTheThirdSource) {
  tw_test::write_file(file("src/resource.h"), "#define IDC_NAME 1001\r\n#define IDC_AGE 1002\r\n#define IDC_CITY 1003\r\n");
  App app;
  run(app,
      "dialog 1000\n"
      "click 118\n"
      "dialog 1003\n"
      "check 15 1\n"
      "click 1\n"
      "message OK\n"
      "set 13 c:\\src\\resource.h\n"
      "click 1\n"
      "select 318 IDC_NAME\n"
      "set 105 Your name.\n"
      "click 93\n"
      "select 318 IDC_CITY\n"
      "click 93\n");
  EXPECT_TRUE(transcript_has("message \"You must specify an include (.h) file.\" caption=\"\\\"Pointip\\\" Assistant\" "
                             "icon=stop -> OK"))
      << transcript();
  ASSERT_EQ(app.model.count(), 2) << transcript();
  EXPECT_EQ(app.model.entry(0), "IDC_NAME=--|Your name.");
  EXPECT_EQ(app.model.include_file, "c:\\src\\resource.h");
}

// The owner-drawn topic ID list: the names of the include file, the ones
// already used marked with the check mark.
TEST_F(AssistantWindow, TheTopicIdListMarksTheNamesAlreadyUsed) {
  tw_test::write_file(file("src/resource.h"), "#define IDC_NAME 1001\r\n#define IDC_AGE 1002\r\n");
  App app;
  run(app,
      "dialog 1000\n"
      "click 118\n"
      "dialog 1003\n"
      "check 15 1\n"
      "set 13 c:\\src\\resource.h\n"
      "click 1\n"
      "select 318 IDC_AGE\n"
      "set 105 Your age.\n"
      "click 93\n");
  ASSERT_EQ(app.model.count(), 1) << transcript();
  EXPECT_EQ(app.model.entry(0), "IDC_AGE=--|Your age.");
  std::vector<std::string> painted = ui().paint_record(app.form_page, 318);
  auto has = [&](std::string_view line) { return std::find(painted.begin(), painted.end(), line) != painted.end(); };
  EXPECT_TRUE(has("bitmap 0 16 16 16 \"BIT_CHECK\"")) << testing::PrintToString(painted);
  EXPECT_FALSE(has("bitmap 0 0 16 16 \"BIT_CHECK\"")) << testing::PrintToString(painted);
  EXPECT_TRUE(has("text 16 0 304 16 0x000000 left \"IDC_NAME\"")) << testing::PrintToString(painted);
}

// Keeps the include file's field as the dialog showed it.
class ShownIncludeFile : public assistant::OptionsDialog {
 public:
  using OptionsDialog::OptionsDialog;
  void on_init(ui::Dialog& dialog) override {
    OptionsDialog::on_init(dialog);
    shown = dialog.text(kIncludePath);
  }
  std::string shown;
};

// The include file shows as its host path spelled as on disk; left alone it
// is kept exactly as stored, typed as a host path it is stored in the drive
// form.
TEST_F(AssistantWindow, OptionsShowTheIncludeFileAsItsHostPath) {
  tw_test::MixedCaseDir dir;
  const std::string header = dir.file("Src Files/Resource.h"), other = dir.file("Src Files/Other.h");
  tw_test::write_file(header, "#define IDC_NAME 1001\r\n");
  tw_test::write_file(other, "#define IDC_AGE 1002\r\n");
  const std::string stored = text::to_lower(platform::to_system_path(header));
  App app;
  app.model.mode = assistant::IdSource::include_file;
  app.model.include_file = stored;
  ShownIncludeFile unchanged(app);
  ui().queue_script("dialog 1003\nclick 1\n");
  EXPECT_EQ(ui().run_modal(assistant::pointip_module(), "1003", unchanged, 0), 1);
  EXPECT_EQ(unchanged.shown, header);
  EXPECT_EQ(app.model.include_file, stored);

  ShownIncludeFile typed(app);
  ui().queue_script("dialog 1003\nset 13 " + other + "\nclick 1\n");
  EXPECT_EQ(ui().run_modal(assistant::pointip_module(), "1003", typed, 0), 1);
  EXPECT_EQ(app.model.include_file, platform::to_system_path(other));
  EXPECT_TRUE(platform::has_drive(app.model.include_file)) << app.model.include_file;
}

// The Test command driven by hand, with the host's clock for the timer.
class AssistantTest : public AssistantWindow {
 protected:
  void open_panel(App& app) {
    auto panel = std::make_unique<assistant::Panel>(app);
    panel_ = panel.get();
    app.settings = assistant::read_settings();
    ui().create_modeless(assistant::pointip_module(), "1000", std::move(panel), 0);
  }
  void press(App& app, int id) {
    panel_->on_command(*ui().find_dialog(app.panel), id, ui::Notify::clicked);
  }
  // Lets the timer tick until the compile has ended.
  void wait_for_compile(App& app) {
    for (int i = 0; i < 200 && app.test.compiling(); ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
      ui().advance_time(500);
    }
    ASSERT_FALSE(app.test.compiling());
  }
  int exec_count() {
    return static_cast<int>(std::count_if(ui().transcript().begin(), ui().transcript().end(),
                                          [](const std::string& l) { return l.rfind("exec ", 0) == 0; }));
  }
  assistant::Panel* panel_ = nullptr;
};

TEST_F(AssistantTest, CompilesOnceThenShowsThePopup) {
  tw_test::write_file(file("t.ptd"), "0\r\n\r\nPrint_Copies=20000|How many.\r\nPrint_Range=20001|Which.\r\n");
  platform::write_profile_string("PT ASSISTANT", "last file", "c:\\t.rtf", assistant::kSettingsFile);
  App app;
  open_panel(app);
  app.show_entry(1);
  press(app, assistant::kTest);
  wait_for_compile(app);
  EXPECT_TRUE(transcript_has("winhelp \"c:\\trvwck\\pta_test.hlp\" command=8 data=20001")) << transcript();
  EXPECT_TRUE(tw_test::exists(file("trvwck/pta_test.log"))) << "the compiler stand-in ran";
  ui().clear_transcript();
  press(app, assistant::kTest);
  EXPECT_EQ(exec_count(), 0) << transcript();
  EXPECT_TRUE(transcript_has("winhelp \"c:\\trvwck\\pta_test.hlp\" command=8 data=20001")) << transcript();
}

TEST_F(AssistantTest, IncludeModeTestsThePositionPlusTen) {
  tw_test::write_file(file("t.ptd"), "2\r\nc:\\r.h\r\nIDC_A=--|a\r\nIDC_B=--|b\r\nIDC_C=--|c\r\n");
  platform::write_profile_string("PT ASSISTANT", "last file", "c:\\t.rtf", assistant::kSettingsFile);
  App app;
  open_panel(app);
  app.show_entry(2);
  press(app, assistant::kTest);
  wait_for_compile(app);
  EXPECT_TRUE(transcript_has("winhelp \"c:\\trvwck\\pta_test.hlp\" command=8 data=12")) << transcript();
  EXPECT_EQ(tw_test::read_file(file("trvwck/pta_test.h")),
            "#define IDC_A\t10\r\n#define IDC_B\t11\r\n#define IDC_C\t12\r\n");
}

TEST_F(AssistantTest, AMissingCompilerIsReported) {
  platform::write_profile_string("COMPILERS", "hcw", "c:\\nowhere\\hcw.exe", assistant::kSettingsFile);
  tw_test::write_file(file("t.ptd"), "0\r\n\r\nA_B=1|x\r\n");
  platform::write_profile_string("PT ASSISTANT", "last file", "c:\\t.rtf", assistant::kSettingsFile);
  App app;
  open_panel(app);
  app.show_entry(0);
  press(app, assistant::kTest);
  EXPECT_FALSE(app.test.compiling());
  EXPECT_TRUE(transcript_has("message \"Unable to locate or run the Windows 95 help compiler.\" "
                             "caption=\"\\\"Pointip\\\" Assistant\" icon=stop -> OK (default)"))
      << transcript();
  EXPECT_EQ(transcript().find("winhelp"), std::string::npos);
}

}  // namespace

namespace {

TEST_F(AssistantTest, SaveLeavesAFileAnotherProgramReplacedAlone) {
  tw_test::write_file(file("w.ptd"), "0\r\n\r\nA_B=1|x\r\n");
  platform::write_profile_string("PT ASSISTANT", "last file", "c:\\w.rtf", assistant::kSettingsFile);
  App app;
  open_panel(app);
  assistant::FormValues v = app.form_values();
  v.popup = "changed here";
  app.set_form(v);
  press(app, assistant::kCommitInPlace);
  ASSERT_TRUE(app.model.changed);
  // Another program replaces the file while the assistant has it open.
  tw_test::write_file(file("w.ptd.new"), "0\r\n\r\nA_B=1|theirs\r\n");
  std::filesystem::rename(file("w.ptd.new"), file("w.ptd"));
  press(app, assistant::kSave);
  EXPECT_EQ(tw_test::read_file(file("w.ptd")), "0\r\n\r\nA_B=1|theirs\r\n");
  EXPECT_NE(transcript().find("was changed by another program"), std::string::npos) << transcript();
  EXPECT_TRUE(app.model.changed);
  // Saved under another name, it is the author's again.
  ui().queue_script("file c:\\mine.ptd\n");
  ASSERT_TRUE(app.choose_save_path());
  press(app, assistant::kSave);
  EXPECT_EQ(tw_test::read_file(file("mine.ptd")), "0\r\n\r\nA_B=1|changed here\r\n");
}

}  // namespace
