// The texts the jump commands hand back: targets, click texts, formats and
// keyword-jump macros.
#include <gtest/gtest.h>

#include "aids/jump_target.h"
#include "aids/link_text.h"

namespace {

TEST(JumpTargetTest, PiecesComeApartAndTogetherInTheirOrder) {
  aids::JumpTarget t = aids::ParseJumpTarget("%ctx>second@other.hlp");
  EXPECT_EQ(t.prefix, '%');
  EXPECT_EQ(t.context, "ctx");
  EXPECT_EQ(t.window, "second");
  EXPECT_EQ(t.file, "other.hlp");
  EXPECT_EQ(aids::ComposeJumpTarget(t, true), "%ctx>second@other.hlp");
  EXPECT_EQ(aids::ComposeJumpTarget(t, false), "%ctx@other.hlp");

  t = aids::ParseJumpTarget("*IDH_a@b.hlp");
  EXPECT_EQ(t.prefix, '*');
  EXPECT_EQ(t.window, "");
  EXPECT_EQ(t.file, "b.hlp");

  // A macro keeps its "@" and ">" signs.
  t = aids::ParseJumpTarget("!JI(`a.hlp>w',`x')");
  EXPECT_EQ(t.context, "!JI(`a.hlp>w',`x')");
  EXPECT_EQ(t.file, "");
}

TEST(JumpTargetTest, ClickTextsComeFromContextStringsAndTitles) {
  EXPECT_EQ(aids::ClickTextFromContext("IDH_Print_Setup"), "Print Setup");
  EXPECT_EQ(aids::ClickTextFromContext("my_IDH_x_IDH_y"), "my x IDH y");  // the first IDH_ only
  EXPECT_EQ(aids::ClickTextFromTitle("# {IDH_no_title}"), "no title");
  EXPECT_EQ(aids::ClickTextFromTitle("Printing a_file=IDH_print"), "Printing a file");
  EXPECT_EQ(aids::ContextOfTitleEntry("# {IDH_no_title}"), "IDH_no_title");
  EXPECT_EQ(aids::ContextOfTitleEntry("a=b title=IDH_print"), "IDH_print");
}

TEST(JumpTargetTest, ScopeCodesAndFormats) {
  EXPECT_EQ(aids::ScopeCode(false, true, true), 1);
  EXPECT_EQ(aids::ScopeCode(true, false, false), 2);
  EXPECT_EQ(aids::ScopeCode(true, false, true), 3);
  EXPECT_EQ(aids::ScopeCode(true, true, false), 4);
  EXPECT_EQ(aids::ScopeCode(true, true, true), 5);
  EXPECT_EQ(aids::JumpFormat(true, 12), "112");
  EXPECT_EQ(aids::LinkFormat(false, false, true, 0), "020");
  EXPECT_EQ(aids::LinkFormat(true, true, true, -1), "13-1");
}

TEST(KeywordLinkTest, ComposesTheMacroByteForByte) {
  aids::KeywordLink link;
  link.keywords = {"a", "b"};
  EXPECT_EQ(aids::ComposeKeywordLink(link), "%!KLink(\"a;b\",0,\"\",\"\")");
  link.prefix.clear();
  link.klink = false;
  link.type = 3;
  link.not_found = "IDH_none";
  link.window = "second";
  EXPECT_EQ(aids::ComposeKeywordLink(link), "!ALink(\"a;b\",3,\"IDH_none\",\"second\")");
}

TEST(KeywordLinkTest, ReadsWhatItWritesAndWhatAuthorsTyped) {
  aids::KeywordLink link;
  aids::ParseKeywordLink("*!ALink(\"printing; paper ;\",1,\"IDH_none\",\"second\")", link);
  EXPECT_EQ(link.prefix, "*");
  EXPECT_FALSE(link.klink);
  EXPECT_EQ(link.keywords, (std::vector<std::string>{"printing", "paper"}));
  EXPECT_EQ(link.type, 1);
  EXPECT_EQ(link.not_found, "IDH_none");
  EXPECT_EQ(link.window, "second");

  aids::KeywordLink typed;
  aids::ParseKeywordLink("!KL(`a, b;c', 2, `', `main')", typed);
  EXPECT_EQ(typed.prefix, "");
  EXPECT_TRUE(typed.klink);
  EXPECT_EQ(typed.keywords, (std::vector<std::string>{"a, b", "c"}));
  EXPECT_EQ(typed.type, 2);
  EXPECT_EQ(typed.not_found, "");
  EXPECT_EQ(typed.window, "main");

  // Keywords alone, and a text cut short, keep what they cannot say.
  aids::KeywordLink shortened;
  shortened.window = "kept";
  aids::ParseKeywordLink("%!KLink(\"x;y\")", shortened);
  EXPECT_EQ(shortened.keywords, (std::vector<std::string>{"x", "y"}));
  EXPECT_EQ(shortened.window, "kept");
  aids::ParseKeywordLink("%!KLink(", shortened);
  EXPECT_EQ(shortened.keywords.size(), 2u);
  EXPECT_TRUE(aids::LooksLikeKeywordLink("!ALink(\"a\")"));
  EXPECT_FALSE(aids::LooksLikeKeywordLink("!JumpId(a)"));
}

}  // namespace
