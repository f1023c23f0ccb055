// The jump dialog's window editor and related-projects buttons: the window
// combo follows the editor, and a topic picked from a related project
// becomes a target in that project's help file.
#include <algorithm>
#include <filesystem>

#include "aids/jump_commands.h"
#include "aids/jump_dialog.h"
#include "aids/related_fixture.h"
#include "core/messages.h"
#include "platform/process.h"
#include "platform/ui/host.h"
#include "jump_fixture.h"
#include "project/files/project_file.h"

namespace {

class JumpWiringTest : public tw_test::JumpFixture {
 protected:
  std::string click = "see", target, format = "0";
  void SetUp() override {
    JumpFixture::SetUp();
    state.win95_compiler = 0;  // the window editor, not the other compiler's tool
  }
  int insert(const std::string& script) {
    ui().queue_script(script);
    return aids::InsertJumpCommand(state, 0, true, kDocument, click, target, format);
  }
  bool shown(std::string_view piece) {
    const auto& t = ui().transcript();
    return std::any_of(t.begin(), t.end(), [&](const std::string& l) { return l.find(piece) != std::string::npos; });
  }
};

TEST_F(JumpWiringTest, WindowEditorLeavesTheComboOnTheWindowChosen) {
  // A new window from the editor is offered and taken.
  EXPECT_EQ(insert("dialog DLG_INS_JUMP\nselect 102 IDH_Contents\nset 137 third\nclick 138\n"
                   "dialog DLG_WINED\nclick 1\nclick 1\n"),
            1);
  EXPECT_EQ(target, "IDH_Contents>third");
  ASSERT_EQ(state.data.windows.size(), 3u);
  EXPECT_NE(text_of(kProject).find("third="), std::string::npos);

  // An unknown window on OK: the message, then the editor; cancelling the
  // editor leaves the dialog open with the name as typed.
  target.clear();
  EXPECT_EQ(insert("dialog DLG_INS_JUMP\nselect 102 IDH_Contents\nset 137 fourth\nclick 1\nmessage OK\n"
                   "dialog DLG_WINED\nclick 2\nselect 137 second\nclick 1\n"),
            1);
  EXPECT_TRUE(shown("Unrecognized secondary window fourth."));
  EXPECT_EQ(target, "IDH_Contents>second");
  EXPECT_EQ(state.data.windows.size(), 3u);
}

TEST_F(JumpWiringTest, ATopicOfARelatedProjectTargetsItsHelpFile) {
  tw_test::add_related_project(state, {"IDH_Elsewhere", "IDH_Other"});
  EXPECT_EQ(insert("dialog DLG_INS_JUMP\nclick 295\nwindow DLG_WG_LIST\nselect# 101 0\n"
                   "window DLG_INS_JUMP\nselect 102 IDH_Other\nclick 1\n"),
            1);
  EXPECT_EQ(target, "IDH_Other@two.hlp");
  EXPECT_TRUE(shown("window DLG_WG_LIST closed")) << "the list goes with the dialog";

  // A context string the related project lacks is refused like one of ours.
  target.clear();
  EXPECT_EQ(insert("dialog DLG_INS_JUMP\nclick 295\nwindow DLG_WG_LIST\nselect# 101 0\n"
                   "window DLG_INS_JUMP\nset 102 IDH_Contents\nclick 1\nmessage OK\nclick 2\n"),
            0);
  EXPECT_TRUE(shown("Context string IDH_Contents not found."));

  // Back on the current project ("<active>"), targets are ours again.
  EXPECT_EQ(insert("dialog DLG_INS_JUMP\nclick 295\nwindow DLG_WG_LIST\nselect# 101 0\nselect# 101 1\n"
                   "window DLG_INS_JUMP\nselect 102 IDH_Contents\nclick 1\n"),
            1);
  EXPECT_EQ(target, "IDH_Contents");
}

TEST_F(JumpWiringTest, AnUnlistedHelpFileTakesWhatTheAuthorTypes) {
  tw_test::add_related_project(state, {"IDH_Other"});
  EXPECT_EQ(insert("dialog DLG_INS_JUMP\nclick 295\nwindow DLG_WG_LIST\ncheck 160 1\n"
                   "window DLG_INS_JUMP\nset 513 manual.hlp\nset 102 IDH_Anything\nclick 1\n"),
            1);
  EXPECT_EQ(target, "IDH_Anything@manual.hlp");
}

// Windows 95 projects: the window "Edit..." button starts Help Workshop,
// which owns the window definitions there.
class HelpWorkshopWindowsTest : public JumpWiringTest {
 protected:
  void SetUp() override {
    JumpWiringTest::SetUp();
    state.win95_compiler = 1;
  }
  // An hcw stand-in: a shell script with this body.
  void use_help_workshop(const std::string& body) {
    const std::string script = file("hcw.sh");
    tw_test::write_file(script, "#!/bin/sh\n" + body);
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    state.settings.compilers.hcw = script;
  }
  int count(std::string_view piece) {
    const auto& t = ui().transcript();
    return static_cast<int>(
        std::count_if(t.begin(), t.end(), [&](const std::string& l) { return l.find(piece) != std::string::npos; }));
  }
};

TEST_F(HelpWorkshopWindowsTest, AHelpWorkshopThatCannotRunIsReported) {
  state.settings.compilers.hcw = "c:\\nowhere\\hcw.exe";
  EXPECT_EQ(insert("dialog DLG_INS_JUMP\nselect 102 IDH_Contents\nclick 138\nclick 1\n"), 1);
  EXPECT_EQ(count("Tarvenwick is uanble to locate or run the Help Workshop/Compiler"), 1);
  EXPECT_EQ(count("dialog DLG_WINED"), 0) << "no window editor for a Windows 95 project";
}

TEST_F(HelpWorkshopWindowsTest, OkWaitsForHelpWorkshopToClose) {
  use_help_workshop("sleep 2\n");
  EXPECT_EQ(insert("dialog DLG_INS_JUMP\nselect 102 IDH_Contents\nclick 138\nclick 138\nclick 1\nmessage OK\nclick 2\n"),
            0);
  EXPECT_EQ(count("exec \""), 1) << "a second press finds it running";
  EXPECT_EQ(count("You must close Help Workshop first."), 1);
  EXPECT_TRUE(target.empty());
}

// Lets Help Workshop finish before OK is pressed.
class AfterHelpWorkshop : public aids::JumpDialog {
 public:
  using JumpDialog::JumpDialog;
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override {
    if (id == ui::kIdOk && help_workshop().process() != 0) platform::wait_for_process(help_workshop().process());
    JumpDialog::on_command(dialog, id, notify);
  }
};

TEST_F(HelpWorkshopWindowsTest, WindowsDefinedInHelpWorkshopAreTakenAfterItCloses) {
  // The author defines the window "third" in Help Workshop, which saves the project.
  use_help_workshop("printf '[OPTIONS]\\r\\n[FILES]\\r\\nguide.rtf\\r\\n[WINDOWS]\\r\\n"
                    "third=\"Third\",(0,0,512,512),0\\r\\n' > '" + host(kProject) + "'\n");
  aids::JumpRequest request;
  request.click_text = "see";
  AfterHelpWorkshop dialog(state, request);
  ui().queue_script("dialog DLG_INS_JUMP\nselect 102 IDH_Contents\nset 137 third\nclick 138\nclick 1\n");
  EXPECT_EQ(ui().run_modal(core::authoring_module(), "DLG_INS_JUMP", dialog, 0), 1);
  EXPECT_EQ(request.target, "IDH_Contents>third");
  EXPECT_EQ(count("Unrecognized secondary window"), 0);
}

// Looks at the list window the dialog opened on its start.
class ListProbe : public aids::JumpDialog {
 public:
  using JumpDialog::JumpDialog;
  int selected = -2, unlisted = -1;
  void on_init(ui::Dialog& dialog) override {
    JumpDialog::on_init(dialog);
    if (ui::Dialog* list = ui::host().find_dialog(ui::host().find_window("DLG_WG_LIST"))) {
      selected = list->selection(101);
      unlisted = list->check(160);
    }
  }
};

TEST_F(JumpWiringTest, ATargetInAnotherHelpFileOpensTheListOnIt) {
  tw_test::add_related_project(state, {"IDH_Other"});
  aids::JumpRequest request;
  request.target = "IDH_Other@Two.hlp";
  ListProbe listed(state, request);
  ui().queue_script("dialog DLG_INS_JUMP\nclick 2\n");
  ui().run_modal(core::authoring_module(), "DLG_INS_JUMP", listed, 0);
  EXPECT_EQ(listed.selected, 0);
  EXPECT_EQ(listed.unlisted, 0);

  request.target = "IDH_Other@manual.hlp";
  ListProbe unknown(state, request);
  ui().queue_script("dialog DLG_INS_JUMP\nclick 2\n");
  ui().run_modal(core::authoring_module(), "DLG_INS_JUMP", unknown, 0);
  EXPECT_EQ(unknown.unlisted, 1);
  EXPECT_EQ(ui::host().find_window("DLG_WG_LIST"), 0);
}

}  // namespace
