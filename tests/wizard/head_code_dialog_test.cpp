// The HEAD code editor: shows the project's ".lfh", writes it on OK only, and
// turns "headcode" on only for code that is there.
#include "wizard/dialogs/head_code_dialog.h"
#include "wizard/head_code.h"
#include "wizard_fixture.h"

namespace wizard {
namespace {

class HeadCodeDialogTest : public tw_test::WizardFixture {
 protected:
  void SetUp() override {
    WizardFixture::SetUp();
    project_from("standard.lfc");
    state.location.project_file = kProject;
    tw_test::write_file(lfh(), kCode);
  }
  std::string lfh() const { return file("pub/book.lfh"); }
  int run(const std::string& actions) {
    ui().queue_script("dialog DLG_HEADCODE\n" + actions);
    const int result = edit_head_code_file(state, 0);
    EXPECT_TRUE(ui().pending_script().empty());
    return result;
  }
  static constexpr const char* kCode = "<style>\r\np { margin: 0 }\r\n</style>\r\n";
};

TEST_F(HeadCodeDialogTest, OkKeepsTheCodeShownAndTurnsItOn) {
  EXPECT_EQ(run("click 1\n"), 1);
  EXPECT_EQ(tw_test::read_file(lfh()), kCode);
  EXPECT_EQ(state.project.settings.headcode, 1);
}

TEST_F(HeadCodeDialogTest, CancelWritesNothing) {
  EXPECT_EQ(run("set IDC_HEADCODE_TEXT <meta name=\"x\">\nclick 2\n"), 0);
  EXPECT_EQ(tw_test::read_file(lfh()), kCode);
  EXPECT_EQ(state.project.settings.headcode, 0);
}

TEST_F(HeadCodeDialogTest, NewCodeIsWrittenAndBlankCodeTurnsItOff) {
  EXPECT_EQ(run("set IDC_HEADCODE_TEXT <meta name=\"x\">\nclick 1\n"), 1);
  EXPECT_EQ(read_head_code(kProject), "<meta name=\"x\">");
  EXPECT_EQ(state.project.settings.headcode, 1);
  EXPECT_EQ(run("set IDC_HEADCODE_TEXT    \nclick 1\n"), 1);
  EXPECT_EQ(state.project.settings.headcode, 0);
}

}  // namespace
}  // namespace wizard
