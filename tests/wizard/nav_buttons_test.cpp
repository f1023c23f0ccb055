// The "Buttons" section: parsing, the automatic URL of Next and Previous,
// and the clear-and-rewrite of a save.
#include "wizard/nav_buttons.h"

#include "support/test_support.h"
#include "wizard/limits.h"

namespace wizard {
namespace {

constexpr const char* kProject = "c:\\book.lfc";

class NavButtonsTest : public tw_test::Fixture {
 protected:
  std::string host_project() const { return file("book.lfc"); }
};

TEST(NavButtonParse, FieldsAndAutomaticUrl) {
  auto home = parse_button("Home", "home.gif http://www.example.com/ 0 1 0 1");
  ASSERT_TRUE(home);
  EXPECT_EQ(*home, (NavButton{"Home", "home.gif", "http://www.example.com/", 0, {1, 0, 1}}));
  // Next and Previous always come back with the automatic URL.
  EXPECT_EQ(parse_button("Next", "next.gif x 4 0 0 1")->url, kAutomaticUrl);
  EXPECT_EQ(parse_button("Back", "prev.gif somewhere.htm 5 0 0 1")->url, kAutomaticUrl);
  // Missing show flags keep "shown everywhere"; a value without a type is no button.
  EXPECT_EQ(parse_button("Mail", "mail.gif mailto:a@b.c 3")->kinds, (KindFlags{1, 1, 1}));
  EXPECT_FALSE(parse_button("Broken", "only.gif"));
  EXPECT_FALSE(parse_button("Broken", "a.gif b.htm notanumber 1 1 1"));
  EXPECT_FALSE(parse_button("Empty", ""));
}

TEST(NavButtonFormat, StoredValues) {
  EXPECT_EQ(format_button_value({"Next", "next.gif", std::string(kAutomaticUrl), 4, {0, 0, 1}}),
            "next.gif x 4 0 0 1");
  EXPECT_EQ(format_button_value({"Prev", "prev.gif", "", 5, {0, 1, 1}}), "prev.gif x 5 0 1 1");
  // Blanks would shift the later fields: they are stored URL-encoded.
  NavButton b{"Docs", "my docs.gif", "http://example.com/a page.htm", 6, {1, 1, 1}};
  std::string value = format_button_value(b);
  EXPECT_EQ(value, "my%20docs.gif http://example.com/a%20page.htm 6 1 1 1");
  EXPECT_EQ(parse_button("Docs", value)->type, 6);
}

TEST(NavButtonKeys, EveryButtonGetsItsOwnStorableKey) {
  std::vector<NavButton> buttons(5);
  buttons[0].alt_text = "Home";
  buttons[1].alt_text = "home";
  buttons[2].alt_text = "a=b";
  buttons[3].alt_text = "[Section]";
  buttons[4].alt_text = "  ";
  EXPECT_EQ(button_keys(buttons),
            (std::vector<std::string>{"Home", "home 2", "a b", "Section]", "Button"}));
}

TEST_F(NavButtonsTest, SaveClearsAndRewritesInDisplayOrder) {
  tw_test::write_file(host_project(),
                      "[Buttons]\r\nOld=old.gif old.htm 6 1 1 1\r\nHome=h.gif x 0 1 1 1\r\n"
                      "[Settings]\r\ntct=Kept\r\n");
  std::vector<NavButton> buttons = {
      {"Previous", "prev.gif", std::string(kAutomaticUrl), 5, {0, 0, 1}},
      {"Home", "home.gif", "http://www.example.com/", 0, {1, 1, 1}},
      {"Next", "next.gif", std::string(kAutomaticUrl), 4, {0, 0, 1}}};
  ASSERT_TRUE(write_buttons(buttons, kProject));
  EXPECT_EQ(read_buttons(kProject), buttons);
  std::string bytes = tw_test::read_file(host_project());
  EXPECT_EQ(bytes.find("Old="), std::string::npos);
  EXPECT_NE(bytes.find("tct=Kept\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("Previous=prev.gif x 5 0 0 1\r\nHome=home.gif http://www.example.com/ "
                       "0 1 1 1\r\nNext=next.gif x 4 0 0 1\r\n"),
            std::string::npos);
}

TEST_F(NavButtonsTest, SameAltTextTwiceKeepsBothButtons) {
  std::vector<NavButton> buttons = {{"Go", "a.gif", "a.htm", 6, {1, 1, 1}},
                                    {"go", "b.gif", "b.htm", 6, {1, 1, 1}}};
  ASSERT_TRUE(write_buttons(buttons, kProject));
  std::vector<NavButton> back = read_buttons(kProject);
  ASSERT_EQ(back.size(), 2u);
  EXPECT_EQ(back[1].alt_text, "go 2");
  EXPECT_EQ(back[1].url, "b.htm");
}

TEST_F(NavButtonsTest, ReadsAtMostTheFirst16000Characters) {
  std::string section = "[Buttons]\r\n";
  const std::string value = "button.gif page.htm 6 1 1 1";
  for (int i = 0; i < 1000; ++i) {
    section += "Button number " + std::to_string(i) + "=" + value + "\r\n";
  }
  tw_test::write_file(host_project(), section);
  std::vector<NavButton> buttons = read_buttons(kProject);
  ASSERT_FALSE(buttons.empty());
  std::size_t used = 0;
  for (const NavButton& b : buttons) used += b.alt_text.size() + 1 + value.size() + 1;
  EXPECT_LE(used, kButtonsSectionCut);
  EXPECT_GT(used + 50, kButtonsSectionCut);
  EXPECT_EQ(buttons.front().alt_text, "Button number 0");
}

}  // namespace
}  // namespace wizard
