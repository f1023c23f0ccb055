// InsertMacro: the hotspot macro dialog over the Macro Editor.
#include <gtest/gtest.h>

#include "aids/insert_macro.h"
#include "core/settings.h"
#include "platform/profile.h"
#include "project/files/project_file.h"
#include "project/project_fixture.h"

namespace {

using Lines = std::vector<std::string>;

class InsertMacroTest : public tw_test::ProjectFixture {
 protected:
  static constexpr const char* kProject = "c:\\help\\guide.hpj";
  void SetUp() override {
    ProjectFixture::SetUp();
    use_project(kProject, "[OPTIONS]\r\nTITLE=Guide\r\n[FILES]\r\nintro.rtf\r\n");
    tw_test::write_file(root() + "/windows/TRVWCK6.INI",
                        std::string("[TARVENWICK]\nPROJECT=") + kProject + "\n");
    platform::write_profile_string("Project", "W95", "0", core::option_file_path(kProject));
    ASSERT_EQ(project::ReadProjectFile(state), 1);
  }
  struct Outcome {
    int scope;
    std::string macro, format;
  };
  Outcome insert(std::string click, std::string macro, std::string format, const std::string& script) {
    ui().queue_script(script);
    const int scope = aids::InsertMacro(state, 5, "", click, macro, format);
    return {scope, macro, format};
  }
  Lines transcript_with(const std::string& needle) {
    Lines found;
    for (const auto& line : ui().transcript())
      if (line.find(needle) != std::string::npos) found.push_back(line);
    return found;
  }
};

TEST_F(InsertMacroTest, NewHotspotMacroComesFromTheMacroEditor) {
  const Outcome out = insert("Go\tback\n", "", "", "dialog DLG_INS_MACRO\nclick 195\n"
                              "dialog DLG_MACROS\nset 103 Back()\nclick 105\nset 103 Next()\nclick 105\nclick 1\n"
                              "check 510 1\ncheck 509 1\nselect# 550 3\nclick 111\ncheck 113 1\nclick 1\n");
  EXPECT_EQ(out.scope, 3);
  EXPECT_EQ(out.macro, "*!Back();Next()");
  EXPECT_EQ(out.format, "03");
  EXPECT_EQ(transcript_with("dialog DLG_INS_MACRO"),
            (Lines{1, "dialog DLG_INS_MACRO \"Insert Hotspot Macro\" -> 3"}));
}

TEST_F(InsertMacroTest, ExistingMacroComesBackAsItWas) {
  const std::string macro = "%!JI(`guide.hlp>main', `intro');Back()";
  const Outcome out = insert("Intro", macro, "7", "dialog DLG_INS_MACRO\nclick 111\nclick 1\n");
  // Editing a hotspot in place: the other occurrences are not offered.
  EXPECT_EQ(out.scope, 1);
  EXPECT_EQ(out.macro, macro);
  EXPECT_EQ(out.format, "00");
  const Outcome plain = insert("Intro", "!Back()", "", "dialog DLG_INS_MACRO\nclick 1\n");
  EXPECT_EQ(plain.macro, "!Back()");
  EXPECT_EQ(plain.format, "00");
}

TEST_F(InsertMacroTest, MissingTextOrMacroIsRefused) {
  // A macro without "!" is no hotspot macro: the author starts afresh.
  const Outcome out = insert("Intro", "JI(`a', `b')", "2",
                             "dialog DLG_INS_MACRO\nclick 1\nmessage OK\nclick 2\n");
  EXPECT_EQ(out.scope, 0);
  EXPECT_EQ(out.macro, "JI(`a', `b')");
  EXPECT_EQ(transcript_with("You must enter a value for the macro").size(), 1u);

  EXPECT_EQ(insert(" \x01 ", "!Back()", "", "").scope, 0);
  EXPECT_EQ(transcript_with("Select the text you want the user to click").size(), 1u);

  state.compiler_kind = 2;
  EXPECT_EQ(insert("Intro", "!Back()", "", "").scope, 0);
  EXPECT_EQ(transcript_with("only while using the Windows 3.1 Help Compilers").size(), 1u);
}

TEST_F(InsertMacroTest, DefaultColourIsKeptWhenAsked) {
  insert("Intro", "!Back()", "", "dialog DLG_INS_MACRO\ncheck 510 1\nselect# 550 4\ncheck 525 1\nclick 1\n");
  const Outcome next = insert("Intro", "", "", "dialog DLG_INS_MACRO\nclick 195\ndialog DLG_MACROS\n"
                                                "set 103 Back()\nclick 105\nclick 1\nclick 1\n");
  EXPECT_EQ(next.macro, "%!Back()");
  EXPECT_EQ(next.format, "04");
}

}  // namespace
