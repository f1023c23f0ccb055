// GetTopic without the dialog (window -10), and the text rules all of
// GetTopic shares.
#include <gtest/gtest.h>

#include "authoring/library_state.h"
#include "project/dialogs/topic_dialog/get_topic.h"
#include "project/topic_fixture.h"

namespace {

using project::TopicTexts;

class GetTopicNoDialog : public tw_test::TopicFixture {
 protected:
  int create(TopicTexts& texts) { return project::GetTopic(state, project::kNoDialogWindow, document, texts); }
};

TEST_F(GetTopicNoDialog, ContextFromTitleKeywordsAndBrowseCounter) {
  TopicTexts texts;
  texts.title = "Printing a File";
  texts.browse = "main";
  EXPECT_EQ(create(texts), project::kTopicAcceptedNoFootnote);
  EXPECT_EQ(texts.context, "IDH_printing_a_file");
  EXPECT_EQ(texts.browse, "main:0000");
  EXPECT_EQ(texts.counter, "0");
  EXPECT_EQ(texts.k_keywords, "Printing a File");  // the title as keyword (JUT)
  EXPECT_TRUE(state.data_dirty);

  TopicTexts next;
  next.title = "Printing a File";  // the same title: a context string of its own
  next.browse = "main";
  next.counter = texts.counter;
  next.footnote = "CloseWindow(`main')";
  state.options.jut = false;
  EXPECT_EQ(create(next), project::kTopicAccepted);
  EXPECT_EQ(next.context, "IDH_n1printing_a_file");
  EXPECT_EQ(next.browse, "main:0005");
  EXPECT_EQ(next.counter, "5");
  EXPECT_EQ(next.k_keywords, "");
  EXPECT_EQ(next.footnote, "!CloseWindow(`main')");

  const project::TopicTable& t = table();
  ASSERT_EQ(t.count(), 2);
  EXPECT_EQ(t[1].context, " IDH_n1printing_a_file");
  EXPECT_EQ(t[1].file, 0);
  EXPECT_EQ(t[1].number, 1001);
  EXPECT_EQ(t[1].browse_number, 5);
  EXPECT_EQ(t.sequences()[static_cast<size_t>(t[1].browse_sequence)], "main");
}

TEST_F(GetTopicNoDialog, ContentsEmptyTitleAndTakenNames) {
  TopicTexts empty;
  empty.context = "IDH_given";
  EXPECT_EQ(create(empty), project::kTopicCancelled);
  EXPECT_EQ(empty.context, "");

  TopicTexts contents;
  contents.title = "Contents";
  create(contents);
  EXPECT_EQ(contents.context, "idh_contents");
  TopicTexts again = TopicTexts{};
  again.title = "Contents";
  create(again);
  EXPECT_EQ(again.context, "idh_contents1");

  add("IDH_a_very_long_context_name");
  TopicTexts given;
  given.title = "Anything";
  given.context = "IDH_a_very_long_context_name";
  create(given);
  EXPECT_EQ(given.context, "IDH_a_very_long_co1");
}

TEST_F(GetTopicNoDialog, DocumentOutsideTheProjectIsRefused) {
  ui().queue_script("message Cancel\n");
  TopicTexts texts;
  texts.title = "Outside";
  EXPECT_EQ(project::GetTopic(state, project::kNoDialogWindow, "c:\\elsewhere\\new.rtf", texts), 0);
  EXPECT_EQ(table().count(), 0);
}

TEST(TopicTexts, CleaningCutsAtControlCharacters) {
  TopicTexts t;
  t.title = "  A\ttitle\x01with controls ";
  t.context = " IDH_x\x02rest";
  t.k_keywords = "one;two\r\nthree";
  t.window = "> second";
  project::clean_topic_texts(t);
  EXPECT_EQ(t.title, "A title with controls");
  EXPECT_EQ(t.context, "IDH_x");
  EXPECT_EQ(t.k_keywords, "one;two");
  EXPECT_EQ(t.window, "second");
  t.window = "plain";
  project::clean_topic_texts(t);
  EXPECT_EQ(t.window, "plain");
  t.window = "x>";
  project::clean_topic_texts(t);
  EXPECT_EQ(t.window, "");
}

TEST(TopicTexts, LongEntryMacroFootnotesGetSeparators) {
  EXPECT_EQ(project::entry_macro_footnote(""), "");
  EXPECT_EQ(project::entry_macro_footnote("!"), "");
  EXPECT_EQ(project::entry_macro_footnote("!A();B()"), "!A();B()");
  // 100 + 100 + 100 characters: the first separator is enough for a rest
  // of at most 250; the quoted ";" never counts.
  std::string a = "A(\"" + std::string(90, 'a') + ";x\")";
  std::string b = "B(`" + std::string(90, 'b') + ";y')";
  std::string c = "C(" + std::string(96, 'c') + ")";
  std::string joined = "!" + a + ";" + b + ";" + c + ";" + c;
  std::string out = project::split_long_footnote(joined);
  EXPECT_EQ(out, "!" + a + "$" + b + "$" + c + ";" + c);
  EXPECT_EQ(project::split_long_footnote("short;text"), "short;text");
  std::string no_separator(300, 'z');
  EXPECT_EQ(project::split_long_footnote(no_separator), no_separator);
}

}  // namespace

// The data file counts topics in 16 bits: the table takes that many and
// then refuses a new topic with a message that says why.
TEST_F(GetTopicNoDialog, AFullTopicTableRefusesWithAMessage) {
  project::TopicTable& table = state.data.topics;
  while (table.count() < project::kMaxTopics) {
    project::Topic t;
    t.context = project::stored_context("T" + std::to_string(table.count()));
    ASSERT_GE(table.push_back(std::move(t)), 0);
  }
  TopicTexts texts;
  texts.title = "One too many";
  EXPECT_EQ(create(texts), project::kTopicRefused);
  EXPECT_EQ(table.count(), project::kMaxTopics);
  ASSERT_FALSE(ui().transcript().empty());
  EXPECT_NE(ui().transcript().back().find("already has 32767 topics"), std::string::npos)
      << ui().transcript().back();
  EXPECT_NE(ui().transcript().back().find("IDH_one_too_many"), std::string::npos);
}
