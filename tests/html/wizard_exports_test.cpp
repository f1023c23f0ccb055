// The wizard's service exports: text clean-ups in the caller's buffer, the
// word processor's names by language, the initialised flag.
#include "tarvenwick/twzhtml.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/profile.h"
#include "support/test_support.h"

namespace {

class WizardExports : public tw_test::Fixture {
 protected:
  struct Names {
    char n[8][50] = {};
    int32_t language = -1;
  };
  Names names(const char* language) {
    platform::write_profile_string("Settings", "language", language, "twzhtml.ini");
    Names out;
    out.language = GetLang(out.n[0], out.n[1], out.n[2], out.n[3], out.n[4], out.n[5], out.n[6], out.n[7]);
    return out;
  }
};

TEST_F(WizardExports, FixStringAndFileNameWorkInPlace) {
  char text[] = " \tTab\x01here \xA9\xC0 ";
  EXPECT_EQ(FixString(text), 1);
  EXPECT_STREQ(text, "Tab here  \xC0");
  char name[] = "  My help file  ";
  EXPECT_EQ(LFCFixFileName(name), 1);
  EXPECT_STREQ(name, "My_help_file");
  EXPECT_EQ(FixString(nullptr), 0);
}

TEST_F(WizardExports, LanguageNamesForEveryLanguage) {
  Names english = names("0");
  EXPECT_EQ(english.language, 0);
  const char* expected[] = {"List Number", "List Bullet", "macrobutton", "Normal", "Heading",
                            "^f", "^g", "INCLUDEPICTURE"};
  for (int i = 0; i < 8; ++i) EXPECT_STREQ(english.n[i], expected[i]) << i;

  Names german = names("1");
  EXPECT_EQ(german.language, 1);
  EXPECT_STREQ(german.n[3], "Standard");
  EXPECT_STREQ(german.n[4], "\xDC" "berschrift");  // the authoring library's name, no blank

  for (int language = 0; language < 11; ++language) {
    Names all = names(std::to_string(language).c_str());
    EXPECT_EQ(all.language, language);
    for (int i = 0; i < 8; ++i) EXPECT_GT(std::strlen(all.n[i]), 0u) << language << " " << i;
  }
  EXPECT_EQ(names("42").language, 0);  // out of range reads as English
}

TEST_F(WizardExports, StartDialogSetsTheInitialisedFlag) {
  EXPECT_EQ(TWIsInit(0), 0);
  ui().queue_script("dialog DLG_START\nclick 2\n");
  EXPECT_EQ(LFCStartUp(0), 0);
  EXPECT_EQ(TWIsInit(0), 0);
  tw_test::write_file(file("book.lfc"), "[Settings]\r\n");
  ui().queue_script("dialog DLG_START\nclick IDC_START_OPEN\nfile c:\\book.lfc\nclick 1\n");
  EXPECT_EQ(LFCStartUp(0), 1);
  EXPECT_EQ(TWIsInit(0), 1);
  EXPECT_EQ(platform::get_profile_string("Project", "proj", "", 260, "twzhtml.ini"), "c:\\book.lfc");
}

TEST_F(WizardExports, FileChoosersFillTheBuffer) {
  char buffer[TWZHTML_PATH_BUFFER] = "";
  ui().queue_script("file c:\\help\\guide.hpj\n");
  EXPECT_EQ(LFCSelFile(0, buffer, 0), 1);
  EXPECT_STREQ(buffer, "c:\\help");
  ui().queue_script("file cancel\n");
  EXPECT_EQ(SelectDocs(0, buffer), 0);
  EXPECT_STREQ(buffer, "c:\\help");
  EXPECT_EQ(ui().transcript()[0], "filedialog open \"*.hpj\" -> c:\\help\\guide.hpj");
}

// The document wizard's start, shared with the authoring library: the
// starting document comes from the converter's main directory, once.
TEST_F(WizardExports, DocumentWizardStartsFromTheConvertersMainDirectory) {
  platform::write_profile_string("LFC", "Main Dir", "c:\\lfc", "twzhtml.ini");
  tw_test::write_file(file("lfc/wiz_init.mst"), "master");
  tw_test::write_file(file("work/keep.txt"), "");
  char doc[] = " c:\\work\\report.doc ";
  EXPECT_EQ(InitDocWiz(0, doc, -2), 0);
  EXPECT_FALSE(tw_test::exists(file("work/wiz_init.doc")));
  EXPECT_EQ(InitDocWiz(0, doc, 3), 1);
  EXPECT_EQ(tw_test::read_file(file("work/wiz_init.doc")), "master");
  tw_test::write_file(file("work/wiz_init.doc"), "edited");
  EXPECT_EQ(InitDocWiz(0, doc, 3), 1);
  EXPECT_EQ(tw_test::read_file(file("work/wiz_init.doc")), "edited");

  // The counter InitDocWiz set drives one window; a negative step closes it.
  EXPECT_EQ(WizProgress(1), 2);
  EXPECT_EQ(ui().transcript().back(), "window DLG_WIZ_PROGRESS \"Tarvenwick HTML Wizard\" opened");
  EXPECT_EQ(WizProgress(1), 2);
  EXPECT_EQ(WizProgress(1), 2);
  EXPECT_EQ(WizProgress(-1), 0);
  EXPECT_EQ(ui().transcript().back(), "window DLG_WIZ_PROGRESS closed");
  EXPECT_EQ(InitWizProgress(0, 0), 1);
  EXPECT_EQ(WizProgress(0), 1);
}

}  // namespace
