// Where the related-projects list stands between uses, and the choice of
// several related help files.
#include <gtest/gtest.h>

#include "aids/related_dialogs.h"
#include "aids/related_files_dialog.h"
#include "aids/related_list_layout.h"
#include "core/messages.h"
#include "core/settings.h"
#include "project/project_fixture.h"

namespace {

using Lines = std::vector<std::string>;

const std::string kHeader = "\r\n; Tarvenwick Related Projects File\r\n\r\n[PROJECTS]\r\n\r\n";

bool same(ui::WindowRect a, ui::WindowRect b) { return a.x == b.x && a.y == b.y && a.cx == b.cx && a.cy == b.cy; }

TEST(RelatedListPosition, ReadsTheStoredRectangleOrTheDefault) {
  EXPECT_TRUE(same(aids::ParseRelatedListPos(" 10 20 300 200 "), {10, 20, 300, 200}));
  EXPECT_TRUE(same(aids::ParseRelatedListPos(""), {0, 0, 280, 150}));
  EXPECT_TRUE(same(aids::ParseRelatedListPos("10 20 300"), {0, 0, 280, 150})) << "a value cut short";
  EXPECT_TRUE(same(aids::ParseRelatedListPos("-40 5 10 0"), {-40, 5, 242, 125})) << "never below the smallest size";
  EXPECT_EQ(aids::FormatRelatedListPos({-40, 5, 300, 200}), "-40 5 300 200");
}

class RelatedChoicesTest : public tw_test::ProjectFixture {
 protected:
  const std::string rpj = "c:\\a\\group.rpj";
  void SetUp() override {
    ProjectFixture::SetUp();
    use_project("c:\\a\\one.hpj", "[OPTIONS]\r\n");
    tw_test::write_file(host("c:\\a\\two.hpj"), "[OPTIONS]\r\n");
    state.settings.work_group_file = rpj;
    tw_test::write_file(host(rpj), kHeader + "c:\\a\\one.hpj;Ours\r\ntwo.hpj;Second\r\nc:\\b\\three.hpj;\r\n"
                                             "C:\\B\\Three.HPJ;again\r\n");
  }
  bool shown(std::string_view piece) {
    for (const auto& line : ui().transcript())
      if (line.find(piece) != std::string::npos) return true;
    return false;
  }
};

class SilentOwner : public aids::RelatedProjectsOwner {
 public:
  void load_targets(std::string_view) override {}
  bool other_file() const override { return false; }
  void clear_other_file() override {}
  void set_unlisted(bool) override {}
  bool cancelled() const override { return true; }
};

TEST_F(RelatedChoicesTest, ListWindowKeepsItsPlaceAndSizeBetweenUses) {
  SilentOwner owner;
  // First use: the default place; the controls follow the window's size.
  ui::Handle list = aids::OpenRelatedProjectsList(state, owner, 0, "");
  ASSERT_NE(list, 0);
  EXPECT_TRUE(same(ui().window_rect(list), {0, 0, 280, 150}));
  ui::Dialog* shown_list = ui().find_dialog(list);
  ASSERT_NE(shown_list, nullptr);
  EXPECT_TRUE(same(shown_list->control_rect(101), {12, 26, 244, 69}));
  EXPECT_TRUE(same(shown_list->control_rect(160), {12, 126, 200, 16}));
  EXPECT_TRUE(same(shown_list->control_rect(197), {251, 124, 20, 20}));
  EXPECT_TRUE(same(shown_list->control_rect(201), {5, 5, 270, 140}));

  // The user moves it and makes it too small: it keeps the smallest size.
  ui().queue_script("window DLG_WG_LIST\nrect DLG_WG_LIST 30 40 100 90\n");
  ui().pump();
  EXPECT_TRUE(same(ui().window_rect(list), {30, 40, 242, 125}));
  EXPECT_TRUE(same(shown_list->control_rect(101), {12, 26, 206, 44}));
  aids::CloseRelatedProjectsList();
  EXPECT_EQ(core::read_setting("WG List Pos", "", 40), "30 40 242 125");

  // The next list opens where the last one closed.
  ui().queue_script("window DLG_WG_LIST\nrect DLG_WG_LIST 50 60 400 300\n");
  list = aids::OpenRelatedProjectsList(state, owner, 0, "");
  EXPECT_TRUE(same(ui().window_rect(list), {30, 40, 242, 125}));
  ui().pump();
  aids::CloseRelatedProjectsList();
  EXPECT_EQ(core::read_setting("WG List Pos", "", 40), "50 60 400 300");
}

TEST_F(RelatedChoicesTest, HelpFilesAreTheOtherProjectsOnce) {
  EXPECT_EQ(aids::RelatedHelpFiles(state), (Lines{"two.hlp", "c:\\b\\three.hlp"}));
  state.settings.work_group_file.clear();
  EXPECT_TRUE(aids::RelatedHelpFiles(state).empty());
}

TEST_F(RelatedChoicesTest, ChosenHelpFilesComeBackJoinedWithTheChoice) {
  std::string files = "untouched";
  // Nothing chosen: the message, then Cancel leaves the text alone.
  ui().queue_script("dialog DLG_WG_FILES\nclick 1\nmessage OK\nclick 2\n");
  EXPECT_EQ(aids::ChooseRelatedHelpFiles(state, 0, files), 0);
  EXPECT_TRUE(shown("message \"You must select at least one file.\""));
  EXPECT_EQ(files, "untouched");

  // Both files, one added twice; the first radio button.
  ui().queue_script("dialog DLG_WG_FILES\nselect# 101 0\nselect# 101 1\nclick 103\ndblclick 101 0\nclick 1\n");
  EXPECT_EQ(aids::ChooseRelatedHelpFiles(state, 0, files), 1);
  EXPECT_EQ(files, "two.hlp;c:\\b\\three.hlp");

  // One removed again; the second radio button.
  ui().queue_script("dialog DLG_WG_FILES\ndblclick 101 1\ndblclick 101 0\nselect# 102 0\nclick 104\ncheck 111 1\n"
                    "click 1\n");
  EXPECT_EQ(aids::ChooseRelatedHelpFiles(state, 0, files), 2);
  EXPECT_EQ(files, "two.hlp");

  // The check box wins over either radio button.
  ui().queue_script("dialog DLG_WG_FILES\ndblclick 101 1\ncheck 111 1\ncheck 125 1\nclick 1\n");
  EXPECT_EQ(aids::ChooseRelatedHelpFiles(state, 0, files), 3);
  EXPECT_EQ(files, "c:\\b\\three.hlp");
}

}  // namespace
