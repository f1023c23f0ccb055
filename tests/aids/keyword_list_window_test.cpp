// The keyword list window: its target protocol from the mid-topic keyword
// dialog and the topic dialog, its kept place and size, and the finder's
// keyword-search tab.
#include <gtest/gtest.h>

#include <algorithm>

#include "aids/keyword_dialogs.h"
#include "aids/keyword_list_window.h"
#include "aids/keyword_entry.h"
#include "authoring/lifecycle.h"
#include "core/settings.h"
#include "keyword_fixture.h"
#include "project/dialogs/topic_dialog/get_topic.h"
#include "project/dialogs/topic_finder.h"
#include "project/topics/topic_table.h"

namespace {

using aids::KeywordKind;
using Lines = std::vector<std::string>;

TEST(KeyPos, ReadsFourNumbersMakingARectangle) {
  auto rect = aids::ParseKeyPos(" 10 20 310 420 ");
  ASSERT_TRUE(rect);
  EXPECT_EQ(aids::FormatKeyPos(*rect), "10 20 310 420");
  EXPECT_EQ(rect->cx, 300);
  EXPECT_EQ(rect->cy, 400);
  for (const char* bad : {"", "1 2 3", "10 10 5 50", "10 10 50 10", "1 2 3 4 x", "a b c d"})
    EXPECT_FALSE(aids::ParseKeyPos(bad)) << bad;
}

TEST(KeywordListLayout, FollowsTheWindowSize) {
  aids::KeywordListLayout layout = aids::LayOutKeywordList(300, 400);
  EXPECT_EQ(layout.type_ahead.x, 9);
  EXPECT_EQ(layout.type_ahead.y, 47);
  EXPECT_EQ(layout.type_ahead.cx, 282);
  EXPECT_EQ(layout.keywords.cx, 300 - 18 - 27);
  EXPECT_EQ(layout.keywords.cy, 400 - 70 - 100);
  EXPECT_EQ(layout.show_topics.y, 375);
  // Shrunk below its margins nothing gets a negative size.
  layout = aids::LayOutKeywordList(10, 10);
  EXPECT_EQ(layout.keywords.cx, 0);
  EXPECT_EQ(layout.keywords.cy, 0);
}

class KeywordListWindowTest : public tw_test::KeywordFixture {
 protected:
  void SetUp() override {
    KeywordFixture::SetUp();
    authoring::ConnectAidHooks(state);
    put_database(KeywordKind::k,
                 "\r\n\r\nIDH_print\tPrinting\tprint;Print:setup;\r\nIDH_paper\tPaper\tpaper;print;");
    put_database(KeywordKind::a, "\r\n\r\nIDH_print\tPrinting\tprint_al;");
  }
  bool shown(std::string_view piece) {
    const auto& t = ui().transcript();
    return std::any_of(t.begin(), t.end(), [&](const std::string& l) { return l.find(piece) != std::string::npos; });
  }
};

TEST_F(KeywordListWindowTest, AddsToTheKeywordDialogsFieldAndKeepsItsPlace) {
  core::write_setting("Key Pos", "10 20 310 420");
  ui().queue_script(
      "dialog DLG_KEY\nclick 50\n"
      "window DLG_KEY_LIST\nselect 101 paper\nclick 103\nset 102 PRI\nclick 103\n"
      "rect DLG_KEY_LIST 40 50 200 300\n"
      "window DLG_KEY\nclick 1\n");
  std::string text = "index";
  EXPECT_EQ(aids::InsertKeyword(state, 0, text, "K"), 1);
  EXPECT_EQ(text, "Kindex;paper;print");
  EXPECT_TRUE(shown("window DLG_KEY_LIST \"K Keywords\" opened"));
  EXPECT_TRUE(shown("window DLG_KEY_LIST closed")) << "the list goes with its owner";
  // Closing kept the rectangle the user gave it and wrote the sorted cache.
  EXPECT_EQ(core::read_setting("Key Pos", "", 30), "40 50 240 350");
  EXPECT_EQ(cache(KeywordKind::k), "paper\r\nprint\r\nPrint:setup\r\n");
  EXPECT_TRUE(ui().pending_script().empty());
}

TEST_F(KeywordListWindowTest, OpensWhereItWasLeftAndLaysOutItsControls) {
  core::write_setting("Key Pos", "10 20 310 420");
  state.options.invalid_index = true;
  ASSERT_EQ(aids::ShowKeyList(state, 0, 0), 1);
  EXPECT_TRUE(shown("are out of date"));
  const ui::Handle window = ui().find_window("DLG_KEY_LIST");
  ASSERT_NE(window, 0);
  const ui::WindowRect rect = ui().window_rect(window);
  EXPECT_EQ(aids::FormatKeyPos(rect), "10 20 310 420");
  ui::Dialog* list = ui().find_dialog(window);
  EXPECT_EQ(list->control_rect(aids::kListKeywords).cy, 400 - 70 - 100);
  EXPECT_EQ(list->item_count(aids::kListKeywords), 3);

  // Opened by the caller, the list has nothing to add to; Show Topics only shows.
  ui().queue_script(
      "window DLG_KEY_LIST\nselect 101 print\nclick 103\nclick 120\ndialog DLG_TOPICS_FND\nclick 1\n"
      "rect DLG_KEY_LIST 0 0 250 330\nclick 2\n");
  ui().pump();
  EXPECT_TRUE(shown("control 103 is disabled"));
  EXPECT_TRUE(shown("dialog DLG_TOPICS_FND \"Topics Found\" -> 1"));
  EXPECT_EQ(ui().find_window("DLG_KEY_LIST"), 0);
  EXPECT_EQ(core::read_setting("Key Pos", "", 30), "0 0 250 330");
}

TEST_F(KeywordListWindowTest, ASecondOpeningReplacesTheFirstAndAStaleListIsNotCached) {
  ASSERT_EQ(aids::ShowKeyList(state, 0, 0), 1);
  const ui::Handle first = ui().find_window("DLG_KEY_LIST");
  // The database changes while the list is open: the list must not become the cache.
  put_database(KeywordKind::k, "\r\n\r\nIDH_new\tNew\tfresh;");
  ASSERT_EQ(aids::ShowKeyList(state, 0, 0), 1);
  EXPECT_FALSE(ui().is_window(first));
  EXPECT_EQ(ui().find_dialog(ui().find_window("DLG_KEY_LIST"))->item_text(aids::kListKeywords, 0), "fresh");
  ui().destroy_window(ui().find_window("DLG_KEY_LIST"));
  EXPECT_EQ(cache(KeywordKind::k), "fresh\r\n");
}

class TopicDialogKeywordListTest : public KeywordListWindowTest {
 protected:
  int run(project::TopicTexts& texts, std::string_view script) {
    ui().queue_script(script);
    std::string document = "c:\\help\\topics.rtf";
    int result = project::GetTopic(state, ui().main_window(), document, texts);
    EXPECT_TRUE(ui().pending_script().empty());
    return result;
  }
};

TEST_F(TopicDialogKeywordListTest, SwitchingKindSwitchesTheTabAndSecondLevelsGoUnderTheirMain) {
  state.topic_files.add("topics.rtf");
  state.win95_compiler = 1;
  project::TopicTexts texts;
  texts.k_keywords = "Print; index";
  int result = run(texts,
                   "dialog DLG_INS_TOPIC\nset 101 Printing\nset 102 IDH_print\nclick 122\n"
                   "window DLG_KEY_LIST\nselect 101 Print:setup\nclick 103\n"
                   "check 105 1\nselect 101 print_al\ndblclick 101 0\n"
                   "window DLG_INS_TOPIC\nclick 1\n");
  EXPECT_GT(result, 0);
  EXPECT_EQ(texts.k_keywords, "Print; Print: setup; index");
  EXPECT_EQ(texts.a_keywords, "print_al");
  EXPECT_TRUE(shown("window DLG_KEY_LIST closed"));
}

// The list opened for the K tab follows the topic dialog to the A tab and
// back: its keywords go to the list shown.
TEST_F(TopicDialogKeywordListTest, TheListFollowsTheTopicDialogsTab) {
  state.topic_files.add("topics.rtf");
  project::TopicTexts texts;
  texts.k_keywords = "index";
  int result = run(texts,
                   "dialog DLG_INS_TOPIC\nset 101 Printing\nset 102 IDH_print\nclick 122\n"
                   "select 112 A-Keywords\n"
                   "window DLG_KEY_LIST\nselect 101 print_al\nclick 103\n"
                   "window DLG_INS_TOPIC\nselect 112 K-Keywords\n"
                   "window DLG_KEY_LIST\nselect 101 paper\nclick 103\n"
                   "window DLG_INS_TOPIC\nclick 1\n");
  EXPECT_GT(result, 0);
  EXPECT_EQ(texts.k_keywords, "index; paper");
  EXPECT_EQ(texts.a_keywords, "print_al");
  EXPECT_TRUE(shown("window DLG_KEY_LIST closed"));
}

// After the window closed, a tab switch reaches nothing.
TEST_F(TopicDialogKeywordListTest, AClosedListNoLongerFollows) {
  state.topic_files.add("topics.rtf");
  project::TopicTexts texts;
  int result = run(texts,
                   "dialog DLG_INS_TOPIC\nset 101 Printing\nset 102 IDH_print\nclick 122\n"
                   "window DLG_KEY_LIST\nclick 2\n"
                   "window DLG_INS_TOPIC\nselect 112 A-Keywords\nselect 112 K-Keywords\nclick 1\n");
  EXPECT_GT(result, 0);
  EXPECT_EQ(ui().find_window("DLG_KEY_LIST"), 0);
}

TEST_F(TopicDialogKeywordListTest, WithoutTheWritingAidsTheButtonStaysDisabled) {
  state.aid_hooks = {};
  state.topic_files.add("topics.rtf");
  project::TopicTexts texts;
  run(texts, "dialog DLG_INS_TOPIC\nclick 122\nclick 2\n");
  EXPECT_TRUE(shown("control 122 is disabled"));
}

TEST_F(KeywordListWindowTest, FinderKeywordTabGoesToTheTopicFound) {
  state.topic_files.add("topics.rtf");
  project::AddOrUpdateTopic(state.data.topics, {"IDH_print", "", 0});
  project::AddOrUpdateTopic(state.data.topics, {"IDH_paper", "", 0});
  std::string document, context;
  // The keyword page stands where the topic page's hidden controls are.
  ui().queue_script("dialog DLG_GOTO\nselect 100 Keyword Search\nselect 101 paper\nclick 120\nclick 121\n");
  EXPECT_EQ(project::GotoTopic(state, ui().main_window(), document, context), 1);
  EXPECT_EQ(context, "IDH_paper");
  EXPECT_EQ(document, "c:\\help\\topics.doc");
  // The finder remembers the tab; its own Go To takes the page's topic.
  ui().queue_script("dialog DLG_GOTO\nset 102 prin\nclick 120\nselect# 103 1\nclick 1\n");
  EXPECT_EQ(project::GotoTopic(state, ui().main_window(), document, context), 1);
  EXPECT_EQ(context, "IDH_paper");
  EXPECT_TRUE(ui().pending_script().empty());
}

}  // namespace
