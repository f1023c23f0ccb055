// In-text buttons and ShortCut buttons: field texts, targets read back
// from an existing button, and the refusal for plain Windows 3.1 projects.
#include <gtest/gtest.h>

#include "aids/button_fields.h"
#include "aids/insert_button.h"
#include "project/project_fixture.h"

namespace {

class InsertButtonTest : public tw_test::ProjectFixture {
 protected:
  void SetUp() override {
    ProjectFixture::SetUp();
    use_project("c:\\help\\guide.hpj", "[OPTIONS]\r\n[WINDOWS]\r\nside=\"Side\",,,,\r\n");
    state.data.project.emulation = true;
  }
  int insert(const std::string& script, aids::InsertButtonResult& out, const std::string& existing = "",
             const std::string& text = "&Intro") {
    ui().queue_script("dialog DLG_INS_BUTTON\n" + script);
    return aids::InsertButton(state, 5, "", text, existing, out);
  }
};

TEST_F(InsertButtonTest, JumpButtonInBothCompilerFamilies) {
  aids::InsertButtonResult out;
  EXPECT_EQ(insert("set 102 intro\nset 137 side\nclick 1\n", out), aids::kButtonJump);
  EXPECT_EQ(out.field, "{ewc tw95em.dll,TWBTN,&Intro|JI(\"guide.hlp>side\"|\"intro\")}");
  EXPECT_EQ(out.text, "&Intro");
  EXPECT_EQ(out.test_flag, "0");
  state.win95_compiler = 1;
  EXPECT_EQ(insert("set 102 intro\nset 137 side\nclick 1\n", out), aids::kButtonJump);
  EXPECT_EQ(out.field, "{button &Intro,JI(\"guide.hlp>side\",\"intro\")}");
}

TEST_F(InsertButtonTest, BlankTextMakesABulletButton) {
  aids::InsertButtonResult out;
  EXPECT_EQ(insert("click 191\nclick 511\nset 513 other.hlp\nset 102 tip\nclick 1\n", out, "", ""),
            aids::kButtonPopup);
  EXPECT_EQ(out.text, " ");
  EXPECT_EQ(out.field, "{ewc tw95em.dll,TWBTN,|PI(\"other.hlp\"|\"tip\")}");
  state.options.wys_picts = false;
  EXPECT_EQ(insert("click 1\n", out, "PopupId(`', `tip')", ""), aids::kButtonPopup);
  EXPECT_EQ(out.text, "");
}

TEST_F(InsertButtonTest, ExistingButtonsAreReadBack) {
  EXPECT_EQ(aids::parse_button_action("!JumpId(`guide.hlp>side', `intro')").target, "intro>side@guide.hlp");
  EXPECT_EQ(aids::parse_button_action("PI(\"\",\"tip\")").target, "tip");
  auto macro = aids::parse_button_action("JI(\"only-one\")");
  EXPECT_EQ(macro.kind, aids::kButtonMacro);
  EXPECT_EQ(macro.macro, "JI(\"only-one\")");
  EXPECT_EQ(aids::split_target("a>w@f.hlp").window, "w");
  EXPECT_EQ(aids::join_target(aids::split_target(" a @ f.hlp ")), "a@f.hlp");

  aids::InsertButtonResult out;
  EXPECT_EQ(insert("click 1\n", out, "JumpId(`guide.hlp>side', `intro')"), aids::kButtonJump);
  EXPECT_EQ(out.field, "{ewc tw95em.dll,TWBTN,&Intro|JI(\"guide.hlp>side\"|\"intro\")}");
  EXPECT_EQ(insert("click 1\n", out, "EP(`notepad.exe', 1)"), aids::kButtonMacro);
  EXPECT_EQ(out.field, "{ewc tw95em.dll,TWBTN,&Intro|EP(`notepad.exe'| 1)}");
}

TEST_F(InsertButtonTest, EmptyTargetsAndPlainProjectsAreRefused) {
  aids::InsertButtonResult out;
  EXPECT_EQ(insert("click 1\nmessage OK\nclick 192\nclick 1\nmessage OK\nclick 2\n", out), 0);
  size_t refusals = 0;
  for (const auto& line : ui().transcript()) refusals += line.find("You must enter a value for the") != std::string::npos;
  EXPECT_EQ(refusals, 2u);
  state.data.project.emulation = false;
  ui().queue_script("message OK\n");
  EXPECT_EQ(aids::InsertButton(state, 5, "", "x", "", out), 0);
  EXPECT_NE(ui().transcript().back().find("Windows 95 Emulation DLL"), std::string::npos);
}

TEST_F(InsertButtonTest, ShortcutGoesThroughTheMacroEditor) {
  std::string macro = "ShortCut(\"Notepad\", \"notepad.exe\", 0, 0, \"a\") extra", picture;
  state.settings.bitmap_dir = "c:\\trvwck\\TW_BMAPS";
  ui().queue_script("dialog DLG_MACROS\nclick 1\n");
  EXPECT_EQ(aids::InsertShortcut(state, 5, "", macro, picture), 4);
  EXPECT_EQ(macro, "!ShortCut(\"Notepad\",");  // a macro without "!" ends at its first blank
  EXPECT_EQ(picture, "c:\\trvwck\\TW_BMAPS\\std_bmps\\shortcut.bmp");
  macro.clear();
  ui().queue_script("dialog DLG_MACROS\nclick 105\nclick 1\n");
  EXPECT_EQ(aids::InsertShortcut(state, 5, "", macro, picture), 4);
  EXPECT_EQ(macro, "!ShortCut(\"\", \"\", , , \"\")");
}

}  // namespace
