// The bundled sample project built with the help compiler stand-in: exactly
// its planted problems are reported, in each compiler family's format, and
// the message viewer leads to the topic of each.
#include <chrono>
#include <filesystem>
#include <thread>

#include "platform/files.h"
#include "project/compile/compile_driver.h"
#include "project/dialogs/compile_progress.h"
#include "project/compile/compiler_log.h"
#include "project/dialogs/error_viewer.h"
#include "project/files/project_file.h"
#include "project/project_fixture.h"

namespace {

namespace fs = std::filesystem;

class CompileSample : public tw_test::ProjectFixture {
 protected:
  const std::string hpj = "c:\\sample\\sample.hpj";
  const std::string log = "c:\\sample\\sample.log";

  void SetUp() override {
    ProjectFixture::SetUp();
    fs::create_directories(host("c:\\sample"));
    for (const auto& entry : fs::directory_iterator(std::string(TW_SOURCE_DIR) + "/samples/sample")) {
      fs::copy_file(entry.path(), host("c:\\sample") + "/" + entry.path().filename().string());
    }
    state.project_path = hpj;
    state.project_set = true;
    state.settings.compilers.hcp = std::string(TW_BUILD_DIR) + "/bin";
    state.settings.compilers.hcw = std::string(TW_BUILD_DIR) + "/bin/hcw.exe";
  }

  // Builds the sample and waits for the compiler's log; its message lines.
  std::vector<std::string> build() {
    std::string directory, project;
    EXPECT_EQ(project::GenFiles(state, "c:\\sample\\intro.doc", directory, project), 1);
    for (int i = 0; i < 400 && !platform::file_exists(log); ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(25));
      ui().advance_time(project::kCompilePollMilliseconds);
    }
    std::vector<std::string> messages;
    for (const auto& line : project::read_log_lines(log)) {
      if (project::is_message_line("  " + line) || line[0] == '\t') messages.push_back(line);
    }
    return messages;
  }

  project::ProblemTopic go_to_line(int index) {
    project::ProblemTopic problem;
    ui().queue_script("dialog DLG_ERRORS\ncheck 155 0\nselect# 150 " + std::to_string(index) + "\nclick 107\n");
    EXPECT_EQ(project::ViewErrors(state, 0, problem), 1);
    return problem;
  }
};

TEST_F(CompileSample, Windows31CompilerReportsThePlantedProblems) {
  EXPECT_EQ(build(), (std::vector<std::string>{
                         "Warning 4113: topic #1 of c:\\sample\\extras.rtf : Jump or pop-up to undefined "
                         "context string 'IDH_advanced_printing'"}));
  project::ProblemTopic problem = go_to_line(2);
  EXPECT_EQ(problem.topic_file, "c:\\sample\\extras.doc");
  EXPECT_EQ(problem.position, "1");
  EXPECT_EQ(problem.message, "Jump or pop-up to undefined context string 'IDH_advanced_printing'");
}

TEST_F(CompileSample, HelpWorkshopReportsThePlantedProblems) {
  state.win95_compiler = 1;
  EXPECT_EQ(build(), (std::vector<std::string>{
                         "HC3025: Warning: topic #1 of c:\\sample\\extras.rtf :",
                         "\tJump or pop-up to undefined context string 'IDH_advanced_printing'"}));
  project::ProblemTopic problem = go_to_line(3);  // the continuation line of the jump
  EXPECT_EQ(problem.topic_file, "c:\\sample\\extras.doc");
  EXPECT_EQ(problem.position, "1");
  EXPECT_EQ(problem.message, "Jump or pop-up to undefined context string 'IDH_advanced_printing'");
}

}  // namespace
