// GetTopic with the topic dialog, scripted through the headless host.
#include <gtest/gtest.h>

#include <algorithm>

#include "authoring/library_state.h"
#include "project/dialogs/topic_dialog/get_topic.h"
#include "project/topic_fixture.h"

namespace {

using project::TopicTexts;
using Lines = std::vector<std::string>;

class TopicDialogTest : public tw_test::TopicFixture {
 protected:
  int run(TopicTexts& texts, std::string_view script) {
    ui().queue_script(script);
    int result = project::GetTopic(state, ui().main_window(), document, texts);
    EXPECT_TRUE(ui().pending_script().empty());
    return result;
  }
};

const std::string kStop = "\" caption=\"Tarvenwick\" icon=stop -> OK (default)";

TEST_F(TopicDialogTest, NewTopicTakesTheContextStringMadeFromItsTitle) {
  TopicTexts texts;
  EXPECT_EQ(run(texts, "dialog DLG_INS_TOPIC\nset 101 Printing a File\nclick 1\n"), project::kTopicAcceptedNoFootnote);
  EXPECT_EQ(ui().transcript(), Lines{"dialog DLG_INS_TOPIC \"Insert Help Topic\" -> 1"});
  EXPECT_EQ(texts.title, "Printing a File");
  EXPECT_EQ(texts.context, "IDH_printing_a_file");
  ASSERT_EQ(table().count(), 1);
  EXPECT_EQ(table()[0].number, 1000);
  EXPECT_EQ(table()[0].file, 0);
  EXPECT_EQ(table().next_number(), 1001);
  EXPECT_TRUE(state.data_dirty);

  TopicTexts cancelled;
  EXPECT_EQ(run(cancelled, "dialog DLG_INS_TOPIC\nset 101 Other\nclick 2\n"), project::kTopicCancelled);
  EXPECT_EQ(table().count(), 1);
}

TEST_F(TopicDialogTest, OkChecksInOrder) {
  add("IDH_taken");
  add("IDH_0123456789abcdef_other");
  TopicTexts texts;
  int result = run(texts,
                   "dialog DLG_INS_TOPIC\n"
                   "set 102 bad name\nclick 1\n"
                   "set 102 idh_TAKEN\nclick 1\n"
                   "set 102 IDH_0123456789abcdefXYZ\nclick 1\nmessage Cancel\n"
                   "set 111 leftover\nclick 1\nmessage OK\nmessage Cancel\n"
                   "click 115\nset 102 \nclick 1\nmessage OK\n"
                   "set 102 IDH_0123456789abcdefXYZ\nclick 1\nmessage OK\n"
                   "set 101 Title\nset 108 main\nclick 1\nmessage OK\n"
                   "set 108 main:10\nset 103 70000\nclick 1\nmessage OK\n"
                   "set 103 1000\nclick 1\nmessage OK\n"
                   "set 103 1003\nclick 1\nmessage OK\n");
  EXPECT_EQ(result, project::kTopicAcceptedNoFootnote);
  const std::string clash =
      "message \"Warning: First 20 characters of context string not unique.  Test buttons may not work "
      "correctly.\" caption=\"Tarvenwick\" icon=exclamation -> ";
  EXPECT_EQ(ui().transcript(),
            (Lines{"message \"Context strings may contain only letters, digits and underscores." + kStop,
                   "message \"Context String has already been used.  You must choose a unique value." + kStop,
                   clash + "Cancel",
                   clash + "OK",
                   "message \"Discard Keyword entry being edited?\" caption=\"Tarvenwick\" icon=question -> Cancel",
                   "message \"You must specify a context string\" caption=\"Tarvenwick\" icon=stop -> OK",
                   clash + "OK",
                   "message \"Topics with keywords must have a title." + kStop,
                   clash + "OK",
                   "message \"Seqence Number must be in the format \\\"browse list:0000" + kStop,
                   clash + "OK",
                   "message \"Context Integer must be from 0 to 32767 (or -1 for no Context ID). " + kStop,
                   clash + "OK",
                   "message \"Context Integer has already been used." + kStop,
                   clash + "OK",
                   "dialog DLG_INS_TOPIC \"Insert Help Topic\" -> 1"}));
  EXPECT_EQ(texts.context, "IDH_0123456789abcdefXYZ");
  EXPECT_EQ(texts.browse, "main:10");
  EXPECT_EQ(texts.k_keywords, "leftover");
  ASSERT_EQ(table().count(), 3);
  EXPECT_EQ(table()[2].number, 1003);
  EXPECT_EQ(table()[2].browse_number, 1000);  // "10" padded on the right to four digits
  EXPECT_EQ(table().next_number(), 1004);
}

TEST_F(TopicDialogTest, SecondLevelKeywordsInWindows95Projects) {
  state.win95_compiler = 1;
  state.data.build_tags = {"beta"};
  TopicTexts texts;
  texts.k_keywords = "printing; printing: setup";
  texts.a_keywords = "print_a";
  int result = run(texts,
                   "dialog DLG_INS_TOPIC\nset 101 Printing\nset 102 IDH_print\n"
                   "set 111 paper\nclick 115\n"             // nothing selected: at the end
                   "select# 113 0\nset 111 margins\nclick 116\n"  // second level after "printing"
                   "set 111 a;b\nclick 115\nmessage OK\n"
                   "set 111 paper\nclick 115\n"             // already listed: only selected
                   "click 120\n"                            // "paper" one up, above "setup"
                   "select# 113 2\nclick 118\n"             // "paper" is a main keyword already
                   "select# 113 3\nclick 118\n"             // "setup" becomes a main keyword
                   "select# 112 1\nset 111 alink2\nclick 115\nclick 116\n"
                   "select# 113 0\nclick 1\n");
  EXPECT_EQ(result, project::kTopicAcceptedNoFootnote);
  EXPECT_EQ(ui().transcript(),
            (Lines{"message \"Key words cannot contain semicolons.\" caption=\"Tarvenwick\" icon=stop -> OK",
                   "ignored \"click 116\" in DLG_INS_TOPIC: control 116 is disabled",
                   "ignored \"select# 113 0\" in DLG_INS_TOPIC: control 113 is hidden",
                   "dialog DLG_INS_TOPIC \"Insert Help Topic\" -> 1"}));
  EXPECT_EQ(texts.k_keywords, "printing; printing: margins; paper; setup");
  EXPECT_EQ(texts.a_keywords, "print_a;alink2");
}

TEST_F(TopicDialogTest, MissingMainKeywordAndPlainProjects) {
  TopicTexts texts;
  texts.k_keywords = "one; two";
  state.win95_compiler = 1;
  int result = run(texts,
                   "dialog DLG_INS_TOPIC\nset 101 T\nset 102 IDH_t\n"
                   "select# 113 0\nclick 119\nclick 1\nclick 2\n");
  EXPECT_EQ(result, 0);
  EXPECT_EQ(ui().transcript()[0], "message \"Missing main keyword." + kStop);

  state.win95_compiler = 0;
  ui().clear_transcript();
  texts = TopicTexts{};
  texts.k_keywords = "main: sub";  // no second level without the Windows 95 compiler
  run(texts, "dialog DLG_INS_TOPIC\nset 101 T\nset 102 IDH_t\nclick 116\nclick 1\n");
  EXPECT_EQ(ui().transcript()[0], "ignored \"click 116\" in DLG_INS_TOPIC: control 116 is hidden");
  EXPECT_EQ(texts.k_keywords, "main: sub");
}

TEST_F(TopicDialogTest, BrowsePositionFromTheChosenTopic) {
  add("IDH_a1", "alpha:0010");
  add("IDH_a2", "alpha:0020");
  add("IDH_elsewhere", "alpha:0015", project::kNoFile);  // never listed
  TopicTexts texts;
  run(texts,
      "dialog DLG_INS_TOPIC\nset 101 New\n"
      "select# 104 0\n"            // IDH_a1 in the browse-ordered list: after it, 15
      "click 110\n"                // before the first line: 10 - 2
      "click 107\nselect# 105 1\n" // IDH_a2 in the context-ordered list, before it: 15
      "click 109\n"                // after the last line: 20 + 5
      "click 1\n");
  EXPECT_EQ(texts.browse, "alpha:0025");
  EXPECT_EQ(table()[3].browse_number, 25);

  texts = TopicTexts{};
  state.data.preferences.words[0] = 1;  // the preference that proposes 0
  run(texts, "dialog DLG_INS_TOPIC\nset 101 Zero\nselect# 104 1\nclick 1\n");
  EXPECT_EQ(texts.browse, "alpha:0000");
}

TEST_F(TopicDialogTest, LongEntryMacroFromMoreIsSplitNeverCut) {
  std::string macro;
  for (int i = 0; i < 30; ++i) macro += (i ? ";" : "") + std::string("JumpId(`a.hlp',`IDH_") + char('a' + i % 26) + "')";
  TopicTexts texts;
  texts.title = "Macros";
  run(texts, "dialog DLG_INS_TOPIC\nclick 124\ndialog DLG_TOPIC_MORE\nset 103 " + macro +
                 "\nclick 1\nset 102 IDH_macros\nclick 1\n");
  std::string restored = texts.footnote;
  std::replace(restored.begin(), restored.end(), '$', ';');
  EXPECT_EQ(restored, "!" + macro);
  EXPECT_LE(texts.footnote.size() - texts.footnote.rfind('$') - 1, project::kFootnotePartMax);
}

TEST_F(TopicDialogTest, EditingWithMoreOptionsAndPopupOnly) {
  state.data.build_tags = {"beta"};
  add("IDH_edit", "main:0005");
  add("IDH_other");
  TopicTexts texts;
  texts.title = "Edited";
  texts.context = "IDH_edit";
  texts.browse = "main:0005";
  texts.k_keywords = "k1";
  texts.footnote = "Old()";
  texts.window = "> main";
  int result = run(texts,
                   "dialog DLG_INS_TOPIC\n"
                   "click 124\ndialog DLG_TOPIC_MORE\nset 101 tag1\ndblclick 102 0\nset 103 Exit()\n"
                   "set 104 second\nclick 1\n"
                   "check 125 1\nset 102 IDH_renamed\nclick 1\n");
  EXPECT_EQ(result, project::kTopicAccepted);
  EXPECT_EQ(texts.footnote, "!Exit()");
  EXPECT_EQ(texts.build_tags, "tag1;beta");
  EXPECT_EQ(texts.window, "second");
  EXPECT_EQ(texts.browse, "");
  EXPECT_EQ(texts.k_keywords, "");
  ASSERT_EQ(table().count(), 2);
  EXPECT_EQ(table()[0].context, " IDH_renamed");
  EXPECT_EQ(table()[0].number, 1000);
  EXPECT_EQ(table()[0].browse_sequence, project::kNoSequence);
}

}  // namespace
