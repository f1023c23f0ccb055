// The related projects file, its editor and the list window the target
// dialogs open.
#include <gtest/gtest.h>

#include "aids/related_dialogs.h"
#include "aids/related_projects.h"
#include "core/messages.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "project/project_fixture.h"
#include "resources/trvwck32/related.h"
#include "support/mixed_case_dir.h"

namespace {

using Lines = std::vector<std::string>;

const std::string kHeader = "\r\n; Tarvenwick Related Projects File\r\n\r\n[PROJECTS]\r\n\r\n";

TEST(RelatedProjectsFile, ReadsAndWritesTheFileAsItStands) {
  const std::string bytes = kHeader + "c:\\a\\one.hpj;Manual; see also the guide\r\ntwo.hpj;\r\n";
  const auto projects = aids::parse_related_projects(bytes);
  ASSERT_EQ(projects.size(), 2u);
  EXPECT_EQ(projects[0], (aids::RelatedProject{"c:\\a\\one.hpj", "Manual; see also the guide"}));
  EXPECT_EQ(projects[1], (aids::RelatedProject{"two.hpj", ""}));
  EXPECT_EQ(aids::render_related_projects(projects), bytes);
}

TEST(RelatedProjectsFile, HandWrittenLinesAreReadLeniently) {
  // LF line ends, odd case, blanks, a line without comment, stray section
  // names and empty paths.
  const std::string bytes =
      "; mine\n[Projects]\n  C:\\Help\\One.HPJ ; Manual \n\n;only a comment\nthree.hpj[PROJECTS]\n"
      "[OTHER]\nfour.hpj;x\n";
  const auto projects = aids::parse_related_projects(bytes);
  ASSERT_EQ(projects.size(), 2u);
  EXPECT_EQ(projects[0], (aids::RelatedProject{"c:\\help\\one.hpj", " Manual"}));
  EXPECT_EQ(projects[1], (aids::RelatedProject{"three.hpj", ""}));
  EXPECT_TRUE(aids::parse_related_projects("").empty());
  EXPECT_TRUE(aids::read_related_projects("").empty());
}

// A project kept in host folders is listed as they are spelled; only the
// drive form, which resolves without regard to case, is lowered.
TEST(RelatedProjectsFile, HostPathsKeepTheirCase) {
  const auto projects = aids::parse_related_projects("[PROJECTS]\r\n/srv/Docs/Guide.HPJ;Guide\r\nC:\\A\\Two.HPJ;\r\n");
  ASSERT_EQ(projects.size(), 2u);
  EXPECT_EQ(projects[0].path, "/srv/Docs/Guide.HPJ");
  EXPECT_EQ(projects[1].path, "c:\\a\\two.hpj");
}

class RelatedProjectsTest : public tw_test::ProjectFixture {
 protected:
  const std::string rpj = "c:\\a\\group.rpj";
  void SetUp() override {
    ProjectFixture::SetUp();
    use_project("c:\\a\\one.hpj", "[OPTIONS]\r\nTITLE=One\r\n");
    tw_test::write_file(host("c:\\a\\two.hpj"), "[OPTIONS]\r\n");
    state.settings.work_group_file = rpj;
  }
  Lines transcript_with(const std::string& needle) {
    Lines found;
    for (const auto& line : ui().transcript())
      if (line.find(needle) != std::string::npos) found.push_back(line);
    return found;
  }
};

TEST_F(RelatedProjectsTest, ListingLeavesOutTheCurrentProjectAndAddsItLast) {
  tw_test::write_file(host(rpj), kHeader + "c:\\a\\one.hpj;Manual\r\ntwo.hpj;\r\ngone.hpj;Old\r\n");
  const aids::RelatedListing listing = aids::list_related_projects(state, aids::read_related_projects(rpj));
  EXPECT_EQ(listing.entries, (Lines{"two\t\t", "one\t<active>"}));
  EXPECT_EQ(listing.companions, (Lines{"two\tc:\\a\\two.hpj", "one\tc:\\a\\one.hpj"}));
  EXPECT_EQ(transcript_with("message \"Unable to open file\" caption=\"\""), (Lines{1, "message \"Unable to open file\" caption=\"\" icon=exclamation -> OK (default)"}));
}

TEST_F(RelatedProjectsTest, EditorWritesOnlyConfirmedChanges) {
  // Nothing changed: nothing written, not even a new file.
  ui().queue_script("dialog DLG_WG_EDIT\nclick 1\n");
  EXPECT_EQ(aids::EditRelatedProjects(state, 5, rpj), 1);
  EXPECT_FALSE(platform::file_exists(rpj));

  ui().queue_script(
      "dialog DLG_WG_EDIT\nclick 103\nfile c:\\A\\Two.hpj\nclick 103\nfile c:\\a\\two.hpj\n"
      "set 102 Reference; volume 2\nclick 88\nclick 1\nmessage Cancel\nclick 1\nmessage OK\n");
  EXPECT_EQ(aids::EditRelatedProjects(state, 5, rpj), 1);
  EXPECT_EQ(transcript_with("already included").size(), 1u);
  EXPECT_EQ(tw_test::read_file(host(rpj)), kHeader + "c:\\a\\two.hpj;Reference; volume 2\r\n");

  ui().queue_script("dialog DLG_WG_EDIT\nselect# 101 0\nclick 104\nclick 1\nmessage OK\n");
  EXPECT_EQ(aids::EditRelatedProjects(state, 5, rpj), 1);
  EXPECT_EQ(tw_test::read_file(host(rpj)), kHeader);
}

TEST_F(RelatedProjectsTest, FailedWriteKeepsTheEditorOpen) {
  const std::string nowhere = "c:\\missing\\folder\\group.rpj";
  ui().queue_script("dialog DLG_WG_EDIT\nclick 103\nfile c:\\a\\two.hpj\nclick 1\nmessage OK\nclick 2\n");
  EXPECT_EQ(aids::EditRelatedProjects(state, 5, nowhere), 0);
  EXPECT_EQ(transcript_with("Unable to write to the Related Projects File; access denied").size(), 1u);
}

// Keeps the editor's list lines as they stand when OK is pressed.
class ListedProjects : public aids::RelatedProjectsEditor {
 public:
  using RelatedProjectsEditor::RelatedProjectsEditor;
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override {
    if (id == ui::kIdOk) {
      lines.clear();
      for (int i = 0; i < dialog.item_count(IDC_WG_EDIT_PROJECTS); ++i)
        lines.push_back(dialog.item_text(IDC_WG_EDIT_PROJECTS, i));
    }
    RelatedProjectsEditor::on_command(dialog, id, notify);
  }
  Lines lines;
};

// The editor lists projects where they lie, spelled as on disk; a project
// chosen by its host path is stored in the drive form, and the lines it
// did not touch are written back as they stood.
TEST_F(RelatedProjectsTest, EditorShowsHostPathsAndStoresTheDriveForm) {
  tw_test::MixedCaseDir dir;
  const std::string one = dir.file("Help Set/One.hpj"), three = dir.file("Help Set/Three.hpj");
  tw_test::write_file(one, "[OPTIONS]\r\n");
  tw_test::write_file(three, "[OPTIONS]\r\n");
  const std::string stored_one = text::to_lower(platform::to_system_path(one));
  tw_test::write_file(host(rpj), kHeader + stored_one + ";First\r\n");
  ListedProjects editor(state, rpj);
  ui().queue_script("dialog DLG_WG_EDIT\nclick 103\nfile " + three + "\nclick 1\nmessage OK\n");
  EXPECT_EQ(ui().run_modal(core::authoring_module(), "DLG_WG_EDIT", editor, 5), 1);
  EXPECT_EQ(editor.lines, (Lines{one + "\t\tFirst", three + "\t\t"}));
  const std::string stored_three = text::to_lower(platform::to_system_path(three));
  EXPECT_TRUE(platform::has_drive(stored_three)) << stored_three;
  EXPECT_EQ(tw_test::read_file(host(rpj)), kHeader + stored_one + ";First\r\n" + stored_three + ";\r\n");
}

// Keeps what the list window asked of its owner.
class RecordingOwner : public aids::RelatedProjectsOwner {
 public:
  Lines calls;
  bool other = false, was_cancelled = false;
  void load_targets(std::string_view path) override { calls.push_back("load " + std::string(path)); }
  bool other_file() const override { return other; }
  void clear_other_file() override {
    calls.push_back("clear other file");
    other = false;
  }
  void set_unlisted(bool on) override { calls.push_back(on ? "unlisted" : "listed"); }
  bool cancelled() const override { return was_cancelled; }
};

TEST_F(RelatedProjectsTest, ListWindowTellsItsOwnerWhatWasChosen) {
  tw_test::write_file(host(rpj), kHeader + "two.hpj;Second\r\n");
  RecordingOwner owner;
  owner.other = true;
  aids::RelatedListWindow list(state, owner, "");
  ui().queue_script("dialog DLG_WG_LIST\nselect# 101 0\ncheck 160 1\nselect# 101 1\nclick 2\n");
  ui().run_modal(core::authoring_module(), "DLG_WG_LIST", list, 0);
  EXPECT_EQ(owner.calls, (Lines{"clear other file", "listed", "load c:\\a\\two.hpj", "unlisted", "listed",
                                "load c:\\a\\one.hpj", "load c:\\a\\one.hpj"}));
  EXPECT_EQ(transcript_with("dialog DLG_WG_LIST"), (Lines{1, "dialog DLG_WG_LIST \"Related Projects: group.rpj\" -> 0"}));
}

TEST_F(RelatedProjectsTest, ListWindowStartsAtTheTargetsHelpFile) {
  tw_test::write_file(host(rpj), kHeader + "two.hpj;Second\r\n");
  RecordingOwner owner;
  owner.was_cancelled = true;
  aids::RelatedListWindow known(state, owner, "TWO.hlp");
  ui().queue_script("dialog DLG_WG_LIST\nclick 2\n");
  ui().run_modal(core::authoring_module(), "DLG_WG_LIST", known, 0);
  aids::RelatedListWindow unknown(state, owner, "other.hlp");
  ui().queue_script("dialog DLG_WG_LIST\nclick 2\n");
  ui().run_modal(core::authoring_module(), "DLG_WG_LIST", unknown, 0);
  EXPECT_TRUE(owner.calls.empty());  // a cancelled owner is left alone

  // Only one list window at a time.
  RecordingOwner first, second;
  const ui::Handle a = aids::OpenRelatedProjectsList(state, first, 0, "");
  const ui::Handle b = aids::OpenRelatedProjectsList(state, second, 0, "two.hlp");
  EXPECT_NE(a, 0);
  EXPECT_FALSE(ui().is_window(a));
  EXPECT_TRUE(ui().is_window(b));
  ui::Dialog* shown = ui().find_dialog(b);
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(shown->selection(101), 0);
  EXPECT_EQ(shown->check(160), 0);
  aids::CloseRelatedProjectsList();
  EXPECT_FALSE(ui().is_window(b));
  EXPECT_EQ(first.calls, Lines{"load c:\\a\\one.hpj"});
}

}  // namespace
