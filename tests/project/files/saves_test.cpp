// Saving a project safely: files another program replaced are not written
// over, saves killed at random moments leave each file old or new and
// whole, and two processes saving one project lose nothing.
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <set>

#include "authoring/library_state.h"
#include "core/project_paths.h"
#include "core/settings.h"
#include "platform/files.h"
#include "platform/profile.h"
#include "project/files/data_file.h"
#include "project/files/project_file.h"
#include "project/project_fixture.h"
#include "support/kill_rounds.h"

namespace {

namespace fs = std::filesystem;
using tw_test::ProjectFixture;

constexpr const char* kHpj = "c:\\proj\\help.hpj";
constexpr const char* kTwz = "c:\\proj\\help.twz";
constexpr const char* kOpt = "c:\\proj\\help.opt";
constexpr const char* kClosePrompt = "You must close the help project file before proceeding.";

void add_topic(authoring::LibraryState& state, const std::string& name) {
  project::Topic t;
  t.context = project::stored_context(name);
  t.number = state.data.topics.take_next_number();
  t.file = 0;
  state.data.topics.push_back(t);
  state.data_dirty = true;
}

class SavesTest : public ProjectFixture {
 protected:
  void SetUp() override {
    ProjectFixture::SetUp();
    use_project(kHpj, ";\r\n[OPTIONS]\r\nTITLE=Help\r\n[FILES]\r\nintro.rtf\r\n");
    state.options.w95 = 0;
    add_topic(state, "IDH_intro");
    ASSERT_EQ(project::SaveProjectData(state), 1);
  }
  // Loads the project into a fresh state, as another session would.
  static void load(authoring::LibraryState& s) {
    s = authoring::LibraryState{};
    project::reset_project_data(s.data);
    s.project_path = kHpj;
    s.project_set = true;
    project::LoadProjectData(s);
  }
  // Runs work in another process, as another program (or session) would;
  // its exit code is work's result.
  static int elsewhere(const std::function<int()>& work) {
    pid_t child = ::fork();
    if (child == 0) ::_exit(work());
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  bool told_to_close() {
    for (const auto& line : ui().transcript())
      if (line.find(kClosePrompt) != std::string::npos) return true;
    return false;
  }
};

TEST_F(SavesTest, FilesAnotherProgramReplacedAreNotWrittenOver) {
  authoring::LibraryState mine;
  load(mine);
  ASSERT_EQ(elsewhere([] {
              authoring::LibraryState theirs;
              load(theirs);
              add_topic(theirs, "IDH_theirs");
              theirs.data.project.title = "Their title";
              return project::SaveProjectData(theirs);
            }),
            1);
  const std::string their_data = text_of(kTwz), their_project = text_of(kHpj);

  add_topic(mine, "IDH_mine");
  EXPECT_EQ(project::SaveProjectData(mine), 0);
  EXPECT_TRUE(told_to_close());
  EXPECT_TRUE(mine.data_dirty);  // kept for a later save
  EXPECT_EQ(project::WriteProjectFile(mine, 0, kHpj), 0);
  EXPECT_EQ(text_of(kTwz), their_data);
  EXPECT_EQ(text_of(kHpj), their_project);

  // Once loaded again, the session may save.
  load(mine);
  add_topic(mine, "IDH_mine");
  EXPECT_EQ(project::SaveProjectData(mine), 1);
  authoring::LibraryState after;
  load(after);
  EXPECT_GE(after.data.topics.find("IDH_theirs"), 0);
  EXPECT_GE(after.data.topics.find("IDH_mine"), 0);
}

TEST_F(SavesTest, OwnWritesThroughTheProfileFunctionsDoNotBlockASave) {
  authoring::LibraryState mine;
  load(mine);
  // As the options of a Windows 95 project are stored, key by key.
  ASSERT_TRUE(platform::write_profile_string("OPTIONS", "ERRORLOG", "c:\\proj\\help.log", kHpj));
  add_topic(mine, "IDH_more");
  EXPECT_EQ(project::SaveProjectData(mine), 1);
  EXPECT_FALSE(told_to_close());
}

TEST_F(SavesTest, AProjectFileThatCouldNotBeReadIsNeverReplaced) {
  const std::string before = text_of(kHpj);
  {
    platform::OpenStatus status;
    auto held = platform::ExclusiveFile::open(kHpj, platform::OpenMode::read, status);
    ASSERT_TRUE(held);
    EXPECT_EQ(project::ReadProjectFile(state), 0);
  }
  EXPECT_TRUE(told_to_close());
  state.topic_files.clear();  // what a failed read leaves a new session with
  EXPECT_EQ(project::WriteProjectFile(state, 0, kHpj), 0);
  EXPECT_EQ(text_of(kHpj), before);
}

// Two topic sets for the crash test, each saved to its own set of bytes.
struct SavedVersion {
  std::string hpj, twz, opt;
};

void save_version(authoring::LibraryState& s, int which) {
  s.data.topics.clear();
  for (int i = 0; i < (which ? 900 : 400); ++i)
    add_topic(s, (which ? "IDH_new_" : "IDH_old_") + std::to_string(i));
  s.data.project.title = which ? "New title" : "Old title";
  s.options.jut = which == 0;
  s.options.help_only_color = which ? 255 : 0;
  s.data.loaded_topic_count = 0;
  project::SaveProjectData(s);
}

TEST_F(SavesTest, KilledSavesLeaveEachFileOldOrNewAndWhole) {
  SavedVersion versions[2];
  load(state);
  for (int which = 0; which < 2; ++which) {
    save_version(state, which);
    versions[which] = {text_of(kHpj), text_of(kTwz), text_of(kOpt)};
  }
  auto names = [&] {
    std::set<std::string> out;
    for (const auto& e : fs::directory_iterator(host("c:\\proj"))) out.insert(e.path().filename());
    return out;
  };
  const auto names_before = names();
  int rounds = tw_test::kill_rounds(
      30, std::chrono::milliseconds(40), std::chrono::seconds(5),
      [&](int) {
        authoring::LibraryState session;
        load(session);
        for (int i = 0;; ++i) save_version(session, i % 2);
      },
      [&](int) {
        for (const char* path : {kHpj, kTwz, kOpt}) {
          std::string now = text_of(path);
          bool whole = false;
          for (const auto& v : versions)
            whole = whole || now == (path == kHpj ? v.hpj : path == kTwz ? v.twz : v.opt);
          ASSERT_TRUE(whole) << path << " holds " << now.size() << " bytes";
        }
      });
  EXPECT_GT(rounds, 5);
  load(state);
  save_version(state, 0);  // the next save clears what killed saves left
  EXPECT_EQ(text_of(kTwz), versions[0].twz);
  EXPECT_EQ(names(), names_before);
}

// Each of two processes adds its topics one save at a time; a refused save
// loads the project again and retries. Every topic saved must be there.
TEST_F(SavesTest, TwoProcessesSavingOneProjectLoseNothing) {
  platform::set_lock_wait(std::chrono::seconds(3));
  constexpr int kTopicsEach = 12;
  pid_t children[2];
  for (int p = 0; p < 2; ++p) {
    children[p] = ::fork();
    if (children[p] != 0) continue;
    int saved = 0;
    for (int i = 0; i < kTopicsEach; ++i) {
      const std::string name = "IDH_p" + std::to_string(p) + "_" + std::to_string(i);
      for (int attempt = 0; attempt < 200; ++attempt) {
        authoring::LibraryState s;
        load(s);
        if (s.data.topics.find(name) < 0) add_topic(s, name);
        s.data_dirty = true;
        if (project::SaveProjectData(s) == 1) {
          ++saved;
          break;
        }
      }
    }
    ::_exit(saved);
  }
  for (pid_t child : children) {
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), kTopicsEach);
  }
  authoring::LibraryState after;
  load(after);
  ASSERT_TRUE(after.data.magic_ok);
  for (int p = 0; p < 2; ++p)
    for (int i = 0; i < kTopicsEach; ++i)
      EXPECT_GE(after.data.topics.find("IDH_p" + std::to_string(p) + "_" + std::to_string(i)), 0)
          << p << " " << i;
  EXPECT_GE(after.data.topics.find("IDH_intro"), 0);
}

}  // namespace
