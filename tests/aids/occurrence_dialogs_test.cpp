// The smaller dialogs of the jump commands: the occurrence prompt, the
// conversion and link-localizing choices, the document import, the
// mid-topic jump target and the context-string finder's matches.
#include "aids/context_finder.h"
#include "aids/convert_dialogs.h"
#include "aids/document_import.h"
#include "aids/jump_commands.h"
#include "aids/prompt_dialog.h"
#include "core/messages.h"
#include "jump_fixture.h"
#include "platform/ui/resources.h"

namespace {

class OccurrenceDialogTest : public tw_test::JumpFixture {};

TEST_F(OccurrenceDialogTest, TheDialogResourcesParse) {
  EXPECT_TRUE(ui::module_errors(core::authoring_module()).empty());
}

TEST_F(OccurrenceDialogTest, ThePromptAsksAboutEachKindAndAnswersThreeWays) {
  ui().queue_script("dialog DLG_PROMPT\nclick 6\ndialog DLG_PROMPT\nclick 7\ndialog DLG_PROMPT\nclick 2\n");
  EXPECT_EQ(aids::PromptCommand(state, 0, 1, "printer"), 1);
  EXPECT_EQ(aids::PromptCommand(state, 0, 2, "printer"), 2);
  EXPECT_EQ(aids::PromptCommand(state, 0, 3, "printer"), 0);
  EXPECT_EQ(aids::PromptQuestion(2), "Make this occurrance into a pop-up definition?");
  EXPECT_EQ(aids::PromptQuestion(3), "Make this occurrance into a hotspot macro?");
  EXPECT_EQ(aids::PromptCommand(state, 0, 4, "printer"), 0);  // no such kind, no dialog
}

TEST_F(OccurrenceDialogTest, ConversionChoicesComeBackAsFifteenDigits) {
  std::string choices = "000000000000001";
  ui().queue_script("dialog DLG_CNV_TO_DOC\ncheck 101 1\ncheck 115 0\nclick 1\n");
  EXPECT_EQ(aids::ConvertCommand(state, 0, choices), 1);
  EXPECT_EQ(choices, "100000000000000");
  std::string odd = "12";
  ui().queue_script("dialog DLG_CNV_TO_DOC\nclick 2\n");
  EXPECT_EQ(aids::ConvertCommand(state, 0, odd), 0);
  EXPECT_EQ(odd, "12");
  EXPECT_EQ(aids::ConvertStartChoices("12").size(), 15u);
}

TEST_F(OccurrenceDialogTest, LocalizingNeedsAHelpFileOrEveryFile) {
  std::string file;
  ui().queue_script("dialog DLG_LOCAL\nclick 1\nmessage OK\nset 101 other.hlp\nclick 1\n");
  EXPECT_EQ(aids::LocalizeLinksCommand(state, 0, file), 1);
  EXPECT_EQ(file, "other.hlp");
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_NE(messages()[0].find("Specify a help file."), std::string::npos);
  ui().queue_script("dialog DLG_LOCAL\ncheck 102 1\nclick 1\n");
  EXPECT_EQ(aids::LocalizeLinksCommand(state, 0, file), 1);
  EXPECT_EQ(file, "*");
}

TEST_F(OccurrenceDialogTest, AnImportedDocumentJoinsTheProjectAndOutdatesTheIndexes) {
  tw_test::write_file(host("c:\\help\\manual.doc"), "document");
  aids::ImportRequest request;
  ui().queue_script("dialog DLG_IMPORT_DOC\nset 101 c:\\help\\missing.doc\nclick 1\nmessage OK\n"
                    "click 102\nfile c:\\help\\manual.doc\nselect 103 Heading 2\ncheck 106 1\nclick 1\n");
  EXPECT_EQ(aids::ImportDocumentCommand(state, 0, request), 1);
  EXPECT_EQ(request.document, "c:\\help\\manual.doc");
  EXPECT_EQ(request.style, "Heading 2");
  EXPECT_EQ(request.choices, "1111");
  EXPECT_GE(state.topic_files.find_by_file_name("manual.rtf"), 0);
  EXPECT_TRUE(state.options.invalid_index);
  EXPECT_EQ(option("Invalid index"), "1");

  // Cancel changes nothing.
  state.options.invalid_index = false;
  ui().queue_script("dialog DLG_IMPORT_DOC\nclick 2\n");
  EXPECT_EQ(aids::ImportDocumentCommand(state, 0, request), 0);
  EXPECT_FALSE(state.options.invalid_index);
}

TEST_F(OccurrenceDialogTest, AMidTopicTargetBecomesATopicOfTheDocument) {
  std::string context = "Paper sizes";
  ui().queue_script("dialog DLG_MID_TOP\nclick 1\n");
  EXPECT_EQ(aids::InsertMidTopCommand(state, 0, kDocument, context), 1);
  EXPECT_EQ(context, "IDH_Paper_sizes");
  const int topic = state.data.topics.find("IDH_Paper_sizes");
  ASSERT_GE(topic, 0);
  EXPECT_EQ(state.data.topics[topic].file, 0);
  EXPECT_TRUE(state.data_dirty);

  context = "x";
  ui().queue_script("dialog DLG_MID_TOP\nset 101 idh_paper_SIZES\nclick 1\nmessage OK\n"
                    "set 101 two words\nclick 1\nmessage OK\nclick 2\n");
  EXPECT_EQ(aids::InsertMidTopCommand(state, 0, kDocument, context), 0);
  const auto m = messages();
  ASSERT_EQ(m.size(), 2u);
  EXPECT_NE(m[0].find("Context String has already been used."), std::string::npos);
  EXPECT_NE(m[1].find("Context strings may contain only letters"), std::string::npos);
  EXPECT_EQ(context, "x");
}

TEST_F(OccurrenceDialogTest, TheFinderListsLiveContextStringsHoldingThePiece) {
  project::Topic removed;
  removed.context = "#IDH_Print_Old";
  state.data.topics.push_back(removed);
  EXPECT_EQ(aids::MatchingContexts(state.data.topics, "print"), (std::vector<std::string>{"IDH_Print_Setup"}));
  EXPECT_EQ(aids::MatchingContexts(state.data.topics, "").size(), 3u);
}

}  // namespace
