// The mid-topic keyword dialog, driven as the author uses it.
#include <gtest/gtest.h>

#include "aids/keyword_entry.h"
#include "keyword_fixture.h"

namespace {

TEST(KeywordSelection, CutAtTheFirstUnprintableCharacterAndTrimmed) {
  EXPECT_EQ(aids::KeywordSelection("  print;setup \rnext paragraph"), "print;setup");
  EXPECT_EQ(aids::KeywordSelection("caf\xe9\x07hidden"), "caf\xe9");
  EXPECT_EQ(aids::KeywordSelection("\x01"), "");
}

class KeywordEntryTest : public tw_test::KeywordFixture {
 protected:
  std::string last_dialog() {
    for (auto line = ui().transcript().rbegin(); line != ui().transcript().rend(); ++line)
      if (line->rfind("dialog ", 0) == 0) return *line;
    return "";
  }
};

TEST_F(KeywordEntryTest, OkHandsBackTheLetterAndTheEditedKeywords) {
  state.data.project.multikey_chars = "LKMNOPQR";  // K is no extra letter; five extras at most
  ui().queue_script("dialog DLG_KEY\nset 101 print; printer setup\nselect 802 L\nclick 1\n");
  std::string text = " print\r\n";
  EXPECT_EQ(aids::InsertKeyword(state, 0, text, "K"), 1);
  EXPECT_EQ(text, "Lprint; printer setup");
  EXPECT_EQ(last_dialog(), "dialog DLG_KEY \"Insert Mid-Topic Keyword\" -> 1");

  // The kind text preselects A; the letter list ends with the fifth extra.
  ui().queue_script("dialog DLG_KEY\nselect 802 Q\nclick 1\n");
  text = "alias";
  EXPECT_EQ(aids::InsertKeyword(state, 0, text, "A"), 1);
  EXPECT_EQ(text, "Aalias");
  ui().queue_script("dialog DLG_KEY\nclick 1\n");
  text = "alias";
  aids::InsertKeyword(state, 0, text, "Alink");
  EXPECT_EQ(text, "Aalias");
}

TEST_F(KeywordEntryTest, LongKeywordsAreCutAndCancelOrDeleteLeaveTheText) {
  ui().queue_script("dialog DLG_KEY\nset 101 " + std::string(600, 'k') + "\nclick 1\n");
  std::string text;
  EXPECT_EQ(aids::InsertKeyword(state, 0, text, ""), 1);
  EXPECT_EQ(text, "K" + std::string(aids::kKeyTextMax, 'k'));

  ui().queue_script("dialog DLG_KEY\nset 101 changed\nclick 2\n");
  text = "kept";
  EXPECT_EQ(aids::InsertKeyword(state, 0, text, "K"), 0);
  EXPECT_EQ(text, "kept");
  ui().queue_script("dialog DLG_KEY\nclick 110\n");
  EXPECT_EQ(aids::InsertKeyword(state, 0, text, "K"), aids::kKeyDeleted);
  EXPECT_EQ(text, "kept");
}

}  // namespace
