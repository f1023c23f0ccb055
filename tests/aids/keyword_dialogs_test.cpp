// The keyword search and the KLink test, driven through their dialogs.
#include <gtest/gtest.h>

#include "aids/keyword_dialogs.h"
#include "aids/keyword_list.h"
#include "keyword_fixture.h"

namespace {

using aids::KeywordKind;

TEST(KeywordTypeAhead, FirstEntryNotLessWithoutRegardToCase) {
  std::vector<std::string> entries{"Print", "print setup", "Printing", "zebra"};
  EXPECT_EQ(aids::TypeAheadIndex(entries, "PRINT S"), 1);
  EXPECT_EQ(aids::TypeAheadIndex(entries, "printi"), 2);
  EXPECT_EQ(aids::TypeAheadIndex(entries, ""), 0);
  EXPECT_EQ(aids::TypeAheadIndex(entries, "q"), 3);
  EXPECT_EQ(aids::TypeAheadIndex(entries, "zz"), -1);
}

class KeywordDialogsTest : public tw_test::KeywordFixture {
 protected:
  void SetUp() override {
    KeywordFixture::SetUp();
    put_database(KeywordKind::k,
                 "\r\n\r\nIDH_print\tPrinting\tprint;paper;\r\nIDH_setup\tPrinter Setup\tprint;setup;");
    put_database(KeywordKind::a, "\r\n\r\nIDH_print\tPrinting\tprint_al;");
  }
  std::string shown() {
    std::string all;
    for (const std::string& line : ui().transcript()) all += line + "\n";
    return all;
  }
};

TEST_F(KeywordDialogsTest, SearchShowsTopicsThenGoesToTheChosenOne) {
  // Typing selects "print"; OK first shows its topics, then goes to the one chosen.
  ui().queue_script("dialog DLG_KEY_SEARCH\nset 102 pri\nclick 1\nselect# 103 1\nclick 1\n");
  EXPECT_EQ(aids::ShowKeyList(state, 0, 1), 1);
  EXPECT_EQ(state.keywords.chosen_context, "IDH_setup");
  // Closing wrote the K cache.
  EXPECT_EQ(cache(KeywordKind::k), "paper\r\nprint\r\nsetup\r\n");

  ui().queue_script("dialog DLG_KEY_SEARCH\ncheck 111 1\nselect 101 print_al\nclick 120\ndblclick 103 0\n");
  EXPECT_EQ(aids::ShowKeyList(state, 0, 1), 1);
  EXPECT_EQ(state.keywords.chosen_context, "IDH_print");

  ui().queue_script("dialog DLG_KEY_SEARCH\nclick 2\n");
  EXPECT_EQ(aids::ShowKeyList(state, 0, 1), 0);
  EXPECT_EQ(aids::ShowKeyList(state, 0, 5), 4);
}

TEST_F(KeywordDialogsTest, KLinkTestHandsBackTheChosenTopicAsABookmark) {
  state.options.invalid_index = true;
  ui().queue_script("dialog DLG_TOPICS_FND\nselect# 103 1\nclick 1\n");
  std::string keywords = "setup;paper  ";
  EXPECT_EQ(aids::TestKeywordLink(state, 0, keywords, 1), 1);
  EXPECT_EQ(keywords, "IDH_setup");
  EXPECT_NE(shown().find("are out of date"), std::string::npos);  // warned, still worked

  ui().queue_script("dialog DLG_TOPICS_FND\nclick 2\n");
  keywords = "print_al";
  EXPECT_EQ(aids::TestKeywordLink(state, 0, keywords, 0), 0);
  EXPECT_EQ(keywords, "print_al");
}

}  // namespace
