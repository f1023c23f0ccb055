// Committing the entry form: required fields with their focus, unique topic
// IDs and context integers, and what a commit does to the model.
#include <gtest/gtest.h>

#include "assistant/form_commit.h"
#include "assistant/include_scan.h"

namespace {

using assistant::CommitOutcome;
using assistant::FormValues;
using assistant::IdSource;
using assistant::Model;

FormValues form(std::string dialog, std::string control, std::string context, std::string popup = "") {
  FormValues v;
  v.dialog = std::move(dialog);
  v.control = std::move(control);
  v.context = std::move(context);
  v.popup = std::move(popup);
  return v;
}

TEST(AssistantRules, RequiredFieldsInFormOrderWithTheirFocus) {
  using assistant::check_required;
  auto r = check_required(form("", "", ""), IdSource::manual);
  ASSERT_TRUE(r);
  EXPECT_EQ(r->message, assistant::kDialogIdText);
  EXPECT_EQ(r->focus, assistant::kDialogField);
  r = check_required(form("Print", " ", "20000"), IdSource::visual_basic);
  EXPECT_EQ(r->message, assistant::kControlIdText);
  EXPECT_EQ(r->focus, assistant::kControlField);
  r = check_required(form("Print", "Copies", ""), IdSource::manual);
  EXPECT_EQ(r->message, assistant::kContextText);
  EXPECT_EQ(r->focus, assistant::kContextField);
  r = check_required(form("Print", "Copies", "many"), IdSource::manual);
  EXPECT_EQ(r->message, assistant::kContextText) << "a context integer must be a number";
  r = check_required(form("Print=x", "Copies", "1"), IdSource::manual);
  EXPECT_EQ(r->message, assistant::kSeparatorText);
  EXPECT_FALSE(check_required(form("Print", "Copies", "20000"), IdSource::manual));
  EXPECT_EQ(check_required(FormValues{}, IdSource::include_file)->message, assistant::kSelectIdText);
}

TEST(AssistantRules, UniqueIdsAndNumbersButAnEntryMayKeepItsOwn) {
  Model m;
  ASSERT_EQ(commit_form(m, form("Print", "Copies", "20000", "How many."), 0).outcome, CommitOutcome::added);
  ASSERT_EQ(commit_form(m, form("Print", "Pages", "20001"), 1).outcome, CommitOutcome::added);

  auto same_id = commit_form(m, form("PRINT", "copies", "20002"), 2);
  EXPECT_EQ(same_id.outcome, CommitOutcome::refused);
  EXPECT_EQ(same_id.refusal->message, assistant::kIdUsedText) << "help context strings ignore case";
  EXPECT_EQ(same_id.refusal->focus, assistant::kControlField);

  auto same_number = commit_form(m, form("Print", "Range", "20001"), 2);
  EXPECT_EQ(same_number.refusal->message, assistant::kNumberUsedText);
  EXPECT_EQ(same_number.refusal->focus, assistant::kContextField);

  EXPECT_EQ(commit_form(m, form("Print", "Copies", "20000", "How many copies."), 0).outcome, CommitOutcome::replaced);
  EXPECT_EQ(m.entry(0), "Print_Copies=20000|How many copies.");
  EXPECT_EQ(commit_form(m, form("Print", "Copies", "20000", "How many copies."), 0).outcome, CommitOutcome::unchanged);
  EXPECT_EQ(m.count(), 2);
}

TEST(AssistantRules, NumbersInsidePopupTextsDoNotCount) {
  Model m;
  m.append("Calc_Sum=20000|Type a=20001|b to add.");
  EXPECT_EQ(commit_form(m, form("Calc", "Total", "20001"), 1).outcome, CommitOutcome::added);
}

TEST(AssistantRules, ABlankNewFormIsSkippedAndIncludeIdsAreChosen) {
  Model m;
  FormValues blank = form("", "", "20000");
  EXPECT_EQ(commit_form(m, blank, 0).outcome, CommitOutcome::blank);
  m.mode = IdSource::include_file;
  FormValues chosen;
  chosen.topic_id = "IDC_NAME";
  chosen.popup = "Your name.";
  ASSERT_EQ(commit_form(m, chosen, 0).outcome, CommitOutcome::added);
  EXPECT_EQ(m.entry(0), "IDC_NAME=--|Your name.");
  EXPECT_TRUE(assistant::id_in_use(m, "IDC_NAME"));
  EXPECT_FALSE(assistant::id_in_use(m, "IDC_NAM"));
  EXPECT_EQ(commit_form(m, chosen, 1).refusal->message, assistant::kIdUsedText);
}

TEST(AssistantIncludeScan, NamesFromDefinesAndPlainLinesOutsideComments) {
  std::string header =
      "/* resource.h: the dialog controls\r\n"
      "   #define IDC_NOT_THIS 1\r\n"
      "*/\r\n"
      "#ifndef RESOURCE_H\r\n"
      "#define IDC_NAME\t\t1001  // the name\r\n"
      "#define  IDC_AGE  1002 /* years */\r\n"
      "\tIDC_PLAIN\r\n"
      "IDC_ENUM_TWO = 5; more\r\n"
      "#define IDC_OPEN 1003 /* opens\r\n"
      "   a block */ IDC_HIDDEN\r\n"
      "#define\tIDC_AFTER 1004\n"
      "#endif\r\n";
  std::vector<std::string> expected = {"IDC_NAME", "IDC_AGE", "IDC_PLAIN", "IDC_ENUM_TWO", "IDC_OPEN", "IDC_AFTER"};
  EXPECT_EQ(assistant::scan_include_text(header), expected);
  EXPECT_TRUE(assistant::scan_include_file("c:\\missing\\none.h").empty());
}

}  // namespace
