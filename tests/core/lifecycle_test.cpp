#include "core/lifecycle.h"

#include "core/library_state.h"
#include "core/project_paths.h"
#include "core_fixture.h"

namespace {

using tw_test::CoreFixture;

class LifecycleTest : public CoreFixture {
 protected:
  std::string project;
  void SetUp() override {
    CoreFixture::SetUp();
    project = make_project("help.hpj", "intro.rtf\r\n");
    write_settings("[TARVENWICK]\r\nPROJECT=" + project + "\r\n");
  }
};

TEST_F(LifecycleTest, FirstInitShowsTheAboutBoxAndLoadsTheProject) {
  EXPECT_EQ(core::InitTW(state, 5, 0), 1);
  EXPECT_TRUE(state.initialised);
  EXPECT_TRUE(state.project_set);
  EXPECT_EQ(state.project_path, project);
  ASSERT_EQ(state.topic_files.count(), 1);
  EXPECT_EQ(state.topic_files.name(0), "intro.rtf");
  EXPECT_EQ(state.scratch.size(), 1350u);
  ASSERT_FALSE(ui().transcript().empty());
  EXPECT_EQ(ui().transcript()[0].rfind("dialog 21000 ", 0), 0u);
}

TEST_F(LifecycleTest, ModeMinus97InitialisesWithoutReadingTheProject) {
  core::InitTW(state, 5, -97);
  EXPECT_TRUE(state.initialised);
  EXPECT_FALSE(state.project_set);
  EXPECT_TRUE(state.topic_files.empty());
  ASSERT_EQ(state.data.windows.size(), 1u);
  EXPECT_EQ(state.data.windows[0].name, "main");
}

TEST_F(LifecycleTest, SecondInitWithAProjectOnlyMarksInitialised) {
  core::InitTW(state, 5, 0);
  state.topic_files.add("added.rtf");
  state.initialised = false;
  ui().clear_transcript();
  core::InitTW(state, 5, 0);
  EXPECT_TRUE(state.initialised);
  EXPECT_EQ(state.topic_files.count(), 2);
  EXPECT_TRUE(ui().transcript().empty());
}

class BackupTest : public CoreFixture {
 protected:
  std::string project, data, backup;
  void SetUp() override {
    CoreFixture::SetUp();
    project = make_project("p.hpj", "");
    data = file("proj/p.twz");
    backup = file("proj/p.twk");
  }
};

TEST_F(BackupTest, ShrunkenDataFileIsReplacedByItsBackup) {
  tw_test::write_file(data, std::string(10, 'd'));
  tw_test::write_file(backup, std::string(40, 'b'));
  core::reconcile_data_backup(project);
  EXPECT_EQ(tw_test::read_file(data), std::string(40, 'b'));
}

TEST_F(BackupTest, BackupIsRefreshedWhenTheDataFileDidNotShrinkMuch) {
  tw_test::write_file(data, std::string(30, 'd'));
  tw_test::write_file(backup, std::string(50, 'b'));
  core::reconcile_data_backup(project);
  EXPECT_EQ(tw_test::read_file(backup), std::string(30, 'd'));
}

TEST_F(BackupTest, MissingBackupIsMadeAndMissingDataIsRestored) {
  tw_test::write_file(data, "data");
  core::reconcile_data_backup(project);
  EXPECT_EQ(tw_test::read_file(backup), "data");
  std::remove(data.c_str());
  core::reconcile_data_backup(project);
  EXPECT_EQ(tw_test::read_file(data), "data");
  EXPECT_EQ(tw_test::read_file(backup), "data");
}

}  // namespace
