#include "authoring/lifecycle.h"

#include "authoring/library_state.h"
#include "project/files/data_backup.h"
#include "core/project_paths.h"
#include "core/settings.h"
#include "project/files/data_file_format.h"
#include "support/core_fixture.h"

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
  EXPECT_EQ(authoring::InitTW(state, 5, 0), 1);
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
  authoring::InitTW(state, 5, -97);
  EXPECT_TRUE(state.initialised);
  EXPECT_FALSE(state.project_set);
  EXPECT_TRUE(state.topic_files.empty());
  ASSERT_EQ(state.data.windows.size(), 1u);
  EXPECT_EQ(state.data.windows[0].name, "main");
}

TEST_F(LifecycleTest, SecondInitWithAProjectOnlyMarksInitialised) {
  authoring::InitTW(state, 5, 0);
  state.topic_files.add("added.rtf");
  state.initialised = false;
  ui().clear_transcript();
  authoring::InitTW(state, 5, 0);
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
  // A data file as the library writes it, with this many topics.
  static std::string data_file(int topics) {
    project::ProjectData d;
    project::reset_project_data(d);
    for (int i = 0; i < topics; ++i) {
      project::Topic t;
      t.context = project::stored_context("IDH_topic" + std::to_string(i));
      t.number = 1000 + i;
      t.file = 0;
      d.topics.push_back(t);
    }
    core::TopicFileList files;
    files.add("intro.rtf");
    return project::render_data_file(d, files, 1);
  }
};

TEST_F(BackupTest, ShrunkenDataFileIsReplacedByItsBackup) {
  tw_test::write_file(data, data_file(1));
  tw_test::write_file(backup, data_file(3));
  EXPECT_EQ(project::reconcile_data_backup(project), project::BackupOutcome::restored);
  EXPECT_EQ(tw_test::read_file(data), data_file(3));
}

TEST_F(BackupTest, BackupIsRefreshedWhenTheDataFileDidNotShrinkMuch) {
  tw_test::write_file(data, data_file(2));
  tw_test::write_file(backup, data_file(2) + std::string(15, 'x'));
  EXPECT_EQ(project::reconcile_data_backup(project), project::BackupOutcome::refreshed);
  EXPECT_EQ(tw_test::read_file(backup), data_file(2));
}

TEST_F(BackupTest, MissingBackupIsMadeAndMissingDataIsRestored) {
  tw_test::write_file(data, data_file(1));
  project::reconcile_data_backup(project);
  EXPECT_EQ(tw_test::read_file(backup), data_file(1));
  std::remove(data.c_str());
  project::reconcile_data_backup(project);
  EXPECT_EQ(tw_test::read_file(data), data_file(1));
  EXPECT_EQ(tw_test::read_file(backup), data_file(1));
}

TEST_F(BackupTest, ADamagedDataFileNeverReplacesAGoodBackup) {
  // Cut by a few bytes: within the allowance, but it no longer reads whole.
  const std::string good = data_file(4);
  tw_test::write_file(backup, good);
  tw_test::write_file(data, good.substr(0, good.size() - 5));
  write_settings("[TARVENWICK]\r\nPROJECT=" + project + "\r\n");
  project::LoadSettings(state);
  EXPECT_EQ(tw_test::read_file(data), good);
  EXPECT_EQ(tw_test::read_file(backup), good);
  ASSERT_EQ(ui().transcript().size(), 1u);
  EXPECT_NE(ui().transcript()[0].find("has been replaced by its backup"), std::string::npos);

  // Both damaged: neither is touched, and the load reports the damage.
  tw_test::write_file(backup, "JUNK");
  tw_test::write_file(data, "JUNK2");
  EXPECT_EQ(project::reconcile_data_backup(project), project::BackupOutcome::left_damaged);
  EXPECT_EQ(tw_test::read_file(backup), "JUNK");
  EXPECT_EQ(tw_test::read_file(data), "JUNK2");
}

}  // namespace
