// The contents editor's related-projects button: topics of another project
// go into the contents with that project's help file.
#include "aids/related_fixture.h"
#include "contents/dialogs/contents_editor.h"
#include "project/project_fixture.h"

namespace {

class ContentsRelatedTest : public tw_test::ProjectFixture {
 protected:
  contents::ContentsSession session;
  static constexpr const char* kProject = "c:\\help\\guide.hpj";

  void SetUp() override {
    ProjectFixture::SetUp();
    use_project(kProject, "[OPTIONS]\r\n[FILES]\r\nguide.rtf\r\n");
    state.topic_files.add("guide.rtf");
    project::AddOrUpdateTopic(state.data.topics, {"IDH_intro", "", 0, true});
    tw_test::add_related_project(state, {"IDH_elsewhere"});
    tw_test::write_file(host("c:\\help\\two.kdb"), "IDH_elsewhere\tElsewhere\tplace\r\n");
  }
};

TEST_F(ContentsRelatedTest, TopicsOfARelatedProjectNameItsHelpFile) {
  ui().queue_script(
      "dialog DLG_CNT_B\nclick 295\nwindow DLG_WG_LIST\nselect# 101 0\n"
      "window DLG_CNT_B\nselect 101 Elsewhere\nclick 108\n"
      "window DLG_WG_LIST\nselect# 101 1\nwindow DLG_CNT_B\nselect 101 # {IDH_intro}\nclick 108\nclick 1\n");
  contents::EditContents(state, session, 0);
  EXPECT_EQ(tw_test::read_file(host("c:\\help\\guide.cnt")),
            ":Base guide.hlp\r\n:Title \r\n1 Elsewhere=IDH_elsewhere@two.hlp\r\n1 # {IDH_intro}=IDH_intro\r\n");
  bool closed = false;
  for (const auto& line : ui().transcript()) closed |= line.find("window DLG_WG_LIST closed") != std::string::npos;
  EXPECT_TRUE(closed) << "the list goes with the editor";
}

}  // namespace
