// A conversion project save killed at random moments leaves the old project
// or the new one, never a mix of their keys.
#include <filesystem>

#include "support/kill_rounds.h"
#include "support/test_support.h"
#include "wizard/project_file.h"

namespace wizard {
namespace {

constexpr const char* kProject = "c:\\projects\\book.lfc";

ProjectSettings version(int which) {
  ProjectSettings p;
  p.twhtml.hpj = which ? "c:\\help\\new.hpj" : "c:\\help\\old.hpj";
  p.extensions = {which, which ? "PrepareDoc" : "", 1, "c:\\tools\\post.bat"};
  p.settings.base = {which ? 4 : 3, which ? "Book Antiqua" : "Arial"};
  p.settings.sig = which ? "New signature" : "Old signature";
  p.settings.num_docs = which ? 9 : 2;
  p.buttons = {{"Home", which ? "home2.gif" : "home.gif", "http://example.com/", 0, {1, 1, 1}}};
  return p;
}

class ProjectSaveCrash : public tw_test::Fixture {};

TEST_F(ProjectSaveCrash, KilledSavesLeaveTheOldOrTheNewProject) {
  std::filesystem::create_directories(file("projects"));
  ProjectSettings saved[2];
  for (int which = 0; which < 2; ++which) {
    ASSERT_TRUE(write_project_settings(version(which), kProject));
    saved[which] = read_project_settings(kProject);
  }
  ASSERT_NE(saved[0], saved[1]);
  int rounds = tw_test::kill_rounds(
      30, std::chrono::milliseconds(20), std::chrono::seconds(3),
      [&](int) {
        for (int i = 0;; ++i) write_project_settings(version(i % 2), kProject);
      },
      [&](int) {
        ProjectSettings now = read_project_settings(kProject);
        ASSERT_TRUE(now == saved[0] || now == saved[1]);
      });
  EXPECT_GT(rounds, 5);
}

}  // namespace
}  // namespace wizard
