#include "project/topics/project_document.h"

#include "authoring/library_state.h"
#include "authoring/lifecycle.h"
#include "support/core_fixture.h"

namespace {

using tw_test::CoreFixture;

class ProjectDocumentTest : public CoreFixture {
 protected:
  std::string project;
  void SetUp() override {
    CoreFixture::SetUp();
    project = make_project("help.hpj", "intro.rtf\r\nsub\\detail.rtf\r\n");
    write_settings("[TARVENWICK]\r\nPROJECT=" + project + "\r\n");
    authoring::InitTW(state, 5, 0);
    ui().clear_transcript();
  }
};

TEST_F(ProjectDocumentTest, DocumentsOfTheProjectAndNonRtfDocumentsPass) {
  EXPECT_TRUE(project::CheckProjectDocument(state, file("proj/sub/DETAIL.RTF")));
  EXPECT_EQ(state.current_file, 1);
  EXPECT_TRUE(project::CheckProjectDocument(state, file("proj/letter.doc")));
  EXPECT_TRUE(ui().transcript().empty());
}

TEST_F(ProjectDocumentTest, NewDocumentIsAddedRelativeToTheProjectWhenTheUserAgrees) {
  ui().queue_script("message OK\n");
  EXPECT_TRUE(project::CheckProjectDocument(state, file("proj/more.rtf")));
  ASSERT_EQ(state.topic_files.count(), 3);
  EXPECT_EQ(state.topic_files.name(2), "more.rtf");
  EXPECT_EQ(state.current_file, 2);
  EXPECT_TRUE(state.data_dirty);
  EXPECT_NE(tw_test::read_file(project).find("more.rtf"), std::string::npos);
  EXPECT_NE(ui().transcript()[0].find("Do you want to add more.doc to help project help.hpj?"),
            std::string::npos);
}

TEST_F(ProjectDocumentTest, CancelKeepsTheDocumentOut) {
  ui().queue_script("message Cancel\n");
  EXPECT_FALSE(project::CheckProjectDocument(state, file("proj/more.rtf")));
  EXPECT_EQ(state.topic_files.count(), 2);
}

TEST_F(ProjectDocumentTest, LongNamesAreRefusedInWindows3Projects) {
  ui().queue_script("message OK\n");
  EXPECT_FALSE(project::CheckProjectDocument(state, file("proj/a long chapter.rtf")));
  EXPECT_NE(ui().transcript().back().find(
                "Long file and directory names are not allowed in Windows 3.1 help projects."),
            std::string::npos);
}

TEST_F(ProjectDocumentTest, LongNamesFollowTheSettingInWindows95Projects) {
  state.win95_compiler = 1;
  state.settings.long_names = 1;
  ui().queue_script("message OK\nmessage No\n");
  EXPECT_FALSE(project::CheckProjectDocument(state, file("proj/chapter-one.rtf")));
  ui().queue_script("message OK\nmessage Yes\n");
  EXPECT_TRUE(project::CheckProjectDocument(state, file("proj/chapter-one.rtf")));
  state.settings.long_names = 2;
  ui().queue_script("message OK\n");
  EXPECT_TRUE(project::CheckProjectDocument(state, file("proj/chapter-two.rtf")));
}

TEST_F(ProjectDocumentTest, ImportAddsWithoutAsking) {
  state.import_flag = true;
  EXPECT_TRUE(project::CheckProjectDocument(state, file("proj/imported.rtf")));
  EXPECT_TRUE(ui().transcript().empty());
}

TEST(LongPath, FollowsTheShortNameRules) {
  EXPECT_FALSE(project::IsLongPath("c:\\help\\intro.rtf"));
  EXPECT_FALSE(project::IsLongPath("sub\\12345678.123"));
  EXPECT_TRUE(project::IsLongPath("123456789.rtf"));
  EXPECT_TRUE(project::IsLongPath("intro.rtff"));
  EXPECT_TRUE(project::IsLongPath("my docs\\a.rtf"));
  EXPECT_TRUE(project::IsLongPath("folder.long1\\a.rtf"));
}

}  // namespace
