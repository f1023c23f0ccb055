// Topic-file iteration and the position stack.
#include "authoring/library_state.h"
#include "authoring/lifecycle.h"
#include "project/topics/position_stack.h"
#include "core/topic_iteration.h"
#include "support/core_fixture.h"
#include "platform/text.h"

namespace {

using tw_test::CoreFixture;

class NavigationTest : public CoreFixture {
 protected:
  std::string project;
  void SetUp() override {
    CoreFixture::SetUp();
    project = make_project("help.hpj", "one.rtf\r\ntwo.rtf\r\nthree.rtf\r\nfour.rtf\r\n");
    write_settings("[TARVENWICK]\r\nPROJECT=" + project + "\r\n");
    authoring::InitTW(state, 5, 0);
    tw_test::write_file(file("proj/one.doc"), "");
    tw_test::write_file(file("proj/two.rtf"), "");
    tw_test::write_file(file("proj/four.doc"), "");
    tw_test::write_file(file("proj/four.rtf"), "");
  }
};

TEST_F(NavigationTest, GetAllFilesVisitsTheOtherTopicFiles) {
  std::string text = file("proj/ONE.DOC");
  EXPECT_EQ(core::GetAllFiles(state, text, "Y"), 2);
  EXPECT_EQ(text, file("proj/two.rtf"));
  EXPECT_EQ(core::GetAllFiles(state, text, "N"), 1);  // three has no file: skipped
  EXPECT_EQ(text, file("proj/four.doc"));
  EXPECT_EQ(core::GetAllFiles(state, text, "N"), 0);
  EXPECT_EQ(text, "");
  EXPECT_TRUE(state.data_dirty);
}

TEST_F(NavigationTest, SaveDestStopsAtTwentyEntries) {
  for (int i = 0; i < 20; ++i) EXPECT_EQ(project::SaveDest(state, i, 2, 3), 1);
  EXPECT_EQ(project::SaveDest(state, 99, 2, 3), 0);
  std::string position, number;
  EXPECT_EQ(project::GetDest(state, position, number), 1);
  EXPECT_EQ(position, "P19L2");
  EXPECT_EQ(number, "3");
}

TEST_F(NavigationTest, SaveDest6StopsAt199Entries) {
  for (int i = 0; i < 199; ++i) ASSERT_EQ(project::SaveDest6(state, 1, i, file("proj/two.doc")), 1);
  EXPECT_EQ(project::SaveDest6(state, 1, 1, file("proj/two.doc")), 0);
}

TEST_F(NavigationTest, GetDest6ReturnsThePositionAndTheTopicDocument) {
  project::SaveDest6(state, 4, 12, file("proj/three.doc"));
  std::string position, document;
  EXPECT_EQ(project::GetDest6(state, position, document), 1);
  EXPECT_EQ(position, "P4L12");
  EXPECT_EQ(state.current_file, 2);
  EXPECT_EQ(document, text::to_upper(file("proj/three.DOC")));
  EXPECT_EQ(project::GetDest6(state, position, document), 0);
}

TEST_F(NavigationTest, GetDest6ReportsEntriesWithoutATopicFile) {
  project::SaveDest(state, 1, 1, -7);
  std::string position, document;
  EXPECT_EQ(project::GetDest6(state, position, document), -7);
}

TEST_F(NavigationTest, GetDestFile6FindsTheTopicsDocument) {
  project::Topic topic;
  topic.context = " IDH_printing";
  topic.file = 1;
  state.data.topics.push_back(topic);
  std::string name, path;
  EXPECT_EQ(project::GetDestFile6(state, "idh_printing", name, path), 1);
  EXPECT_EQ(name, "TWO.DOC");
  EXPECT_EQ(path, text::to_upper(file("proj/two.doc")));
  EXPECT_EQ(project::GetDestFile6(state, "IDH_missing", name, path), 0);
}

}  // namespace
