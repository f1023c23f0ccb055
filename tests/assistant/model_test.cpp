// The assistant's model and data file: round trips of popup texts, the
// numbering of context integers, growth past the old table sizes, and the
// data file's bytes.
#include <gtest/gtest.h>

#include <string>

#include "assistant/arrange.h"
#include "assistant/data_file.h"
#include "assistant/model.h"
#include "support/test_support.h"

namespace {

using assistant::IdSource;
using assistant::Model;

Model read_back(const Model& model) {
  Model copy;
  assistant::read_data_text(assistant::data_file_text(model), copy);
  return copy;
}

TEST(AssistantDataFile, WritesModeIncludeAndEntriesWithCrLf) {
  Model m;
  m.append("DLG_OK=20000|Closes the dialog.\r\nSaves your changes.");
  m.append("DLG_Cancel=20001|Closes it\tas it was.");
  EXPECT_EQ(assistant::data_file_text(m),
            "0\r\n\r\n"
            "DLG_OK=20000|Closes the dialog.\t\tSaves your changes.\r\n"
            "DLG_Cancel=20001|Closes it\tas it was.\r\n");
  m.mode = IdSource::include_file;
  m.include_file = "c:\\src\\resource.h";
  EXPECT_EQ(assistant::data_file_text(m).substr(0, 24), "2\r\nc:\\src\\resource.h\r\nDL");
}

TEST(AssistantDataFile, LineBreaksAndSingleTabsSurviveARoundTrip) {
  Model m;
  m.append("A_B=20000|First line\r\nSecond line");
  m.append("A_C=20001|Name\tValue");
  m.append("A_D=20002|");
  Model back = read_back(m);
  ASSERT_EQ(back.count(), 3);
  EXPECT_EQ(back.entry(0), "A_B=20000|First line\r\nSecond line");
  EXPECT_EQ(back.entry(1), "A_C=20001|Name\tValue");
  EXPECT_EQ(back.entry(2), "A_D=20002|");
  EXPECT_FALSE(back.changed);
}

TEST(AssistantDataFile, ReadsLfFilesAndLinesPastTheOldLimitWhole) {
  std::string popup(40000, 'x');
  Model m;
  assistant::read_data_text("2\nc:\\src\\res.h\nIDC_NAME=--|" + popup + "\nIDC_AGE=--|Years\n", m);
  EXPECT_EQ(m.mode, IdSource::include_file);
  EXPECT_EQ(m.include_file, "c:\\src\\res.h");
  ASSERT_EQ(m.count(), 2);
  EXPECT_EQ(assistant::entry_popup(m.entry(0)), popup);
  EXPECT_EQ(m.entry(1), "IDC_AGE=--|Years");
}

TEST(AssistantModel, NextContextCountsOnFromTheHighestLoaded) {
  Model m;
  EXPECT_EQ(m.next_context(), 20000);
  assistant::read_data_text("0\r\n\r\nA_B=20005|x\r\nA_C=20001|y\r\n", m);
  EXPECT_EQ(m.next_context(), 20006);
  m.replace(1, "A_C=20010|y");
  EXPECT_EQ(m.next_context(), 20011);
  m.clear();
  EXPECT_EQ(m.next_context(), 20000);
}

TEST(AssistantModel, GrowsPastTheOldTableAndBlockSizesWithoutLosingEntries) {
  Model m;
  const int count = 20000;
  std::string popup(200, 'p');  // 20,000 entries of ~215 bytes fill more than 50 blocks
  for (int i = 0; i < count; ++i) m.append("D_C" + std::to_string(i) + "=" + std::to_string(30000 + i) + "|" + popup);
  ASSERT_EQ(m.count(), count);
  EXPECT_EQ(m.entry(0), "D_C0=30000|" + popup);
  EXPECT_EQ(m.entry(count - 1), "D_C19999=49999|" + popup);
  EXPECT_EQ(m.max(), 49999);
  Model back = read_back(m);
  EXPECT_EQ(back.count(), count);
  EXPECT_EQ(back.entry(16010), m.entry(16010));
}

TEST(AssistantModel, EditsMoveEntriesAndMarkTheRightFlags) {
  Model m;
  m.append("A_1=1|one");
  m.append("A_2=2|two");
  m.append("A_3=3|three");
  m.changed = m.test_stale = false;
  m.exchange(0);
  EXPECT_EQ(m.entry(0), "A_2=2|two");
  EXPECT_EQ(m.entry(1), "A_1=1|one");
  EXPECT_TRUE(m.changed);
  EXPECT_FALSE(m.test_stale) << "numbers do not depend on positions in modes 0 and 1";
  m.mode = IdSource::include_file;
  m.exchange(1);
  EXPECT_TRUE(m.test_stale) << "in mode 2 a position is the context integer";
  m.insert(0, "A_0=0|zero");
  m.remove(3);
  ASSERT_EQ(m.count(), 3);
  EXPECT_EQ(m.entry(0), "A_0=0|zero");
  EXPECT_EQ(m.entry(2), "A_3=3|three");
}

TEST(AssistantArrange, GroupsDialogsAndKeepsTheirOrder) {
  Model m;
  m.append("B_first=1|");
  m.append("A_only=2|");
  m.append("B_second=3|");
  assistant::arrange_by_dialog(m);
  EXPECT_EQ(m.entry(0), "A_only=2|");
  EXPECT_EQ(m.entry(1), "B_first=1|");
  EXPECT_EQ(m.entry(2), "B_second=3|");
  EXPECT_EQ(assistant::list_line(m, 0), "IDH_A_only\t2");
}

TEST(AssistantArrange, KeepsOrderPastAThousandEntries) {
  Model m;
  for (int i = 0; i < 1200; ++i) m.append((i % 2 ? "B_" : "A_") + std::to_string(i) + "=" + std::to_string(i) + "|");
  assistant::arrange_by_dialog(m);
  EXPECT_EQ(m.entry(0), "A_0=0|");
  EXPECT_EQ(m.entry(599), "A_1198=1198|");
  EXPECT_EQ(m.entry(600), "B_1=1|");
  EXPECT_EQ(m.entry(1199), "B_1199=1199|");
}

TEST(AssistantArrange, IncludeIdsGroupByTheirFirstTwoParts) {
  EXPECT_EQ(assistant::arrange_key("IDC_PRINT_COPIES\t10"), "IDC_PRINT");
  EXPECT_EQ(assistant::arrange_key("IDH_Print_Copies\t20000"), "IDH_Print");
  EXPECT_EQ(assistant::arrange_key("HELPONLY\t12"), "HELPONLY");
}

}  // namespace
