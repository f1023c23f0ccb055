// The document wizard's exports: its answers, its starting document and the
// progress counter the macros drive.
#include "tarvenwick/trvwck32.h"

#include "support/core_fixture.h"

namespace {

using tw_test::CoreFixture;

class WizardExportsTest : public CoreFixture {
 protected:
  char text[4096] = {};
};

TEST_F(WizardExportsTest, AnswersComeFromTheWizardSectionWithoutRegardToCase) {
  tw_test::write_file(file("answers.ini"), "[Other]\r\nTitle=No\r\n[wizard]\r\nTitle = \"My Guide\"\r\nPages=12\r\n");
  std::string path = "c:\\answers.ini";
  EXPECT_EQ(InitWizard(5), 1);
  EXPECT_EQ(WizardLoad(path.data()), 1);
  std::string key = " TITLE ";
  EXPECT_EQ(WizardRead(key.data(), text), 8);
  EXPECT_STREQ(text, "My Guide");
  key = "missing";
  EXPECT_EQ(WizardRead(key.data(), text), 0);
  EXPECT_STREQ(text, "");
  // A file that cannot be read keeps the answers; InitWizard forgets them.
  std::string gone = "c:\\none.ini";
  EXPECT_EQ(WizardLoad(gone.data()), 0);
  key = "pages";
  EXPECT_EQ(WizardRead(key.data(), text), 2);
  InitWizard(0);
  EXPECT_EQ(WizardRead(key.data(), text), 0);
}

TEST_F(WizardExportsTest, DocumentWizardGetsItsStartingDocumentOnce) {
  write_settings("[TARVENWICK]\r\nMain Directory=c:\\trvwck\r\n");
  tw_test::write_file(file("trvwck/wiz_init.mst"), "master");
  std::string doc = "c:\\work\\report.doc";
  tw_test::write_file(file("work/keep.txt"), "");
  EXPECT_EQ(InitDocWiz(0, doc.data(), -2), 0);
  EXPECT_FALSE(tw_test::exists(file("work/wiz_init.doc")));
  EXPECT_EQ(InitDocWiz(0, doc.data(), 4), 1);
  EXPECT_EQ(tw_test::read_file(file("work/wiz_init.doc")), "master");
  tw_test::write_file(file("work/wiz_init.doc"), "edited");
  EXPECT_EQ(InitDocWiz(0, doc.data(), 4), 1);
  EXPECT_EQ(tw_test::read_file(file("work/wiz_init.doc")), "edited");
}

TEST_F(WizardExportsTest, ProgressCallsDriveOneWindow) {
  EXPECT_EQ(InitWizProgress(0, 2), 1);
  EXPECT_EQ(WizProgress(1), 2);
  EXPECT_EQ(ui().transcript().back(), "window DLG_WIZ_PROGRESS \"Tarvenwick\" opened");
  EXPECT_EQ(WizProgress(5), 6);
  EXPECT_EQ(WizProgress(-1), 0);
  EXPECT_EQ(ui().transcript().back(), "window DLG_WIZ_PROGRESS closed");
}

}  // namespace
