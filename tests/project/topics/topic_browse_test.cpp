// Browse texts, the positions the topic dialog proposes, the topic lists and
// the browse settings.
#include <gtest/gtest.h>

#include "authoring/library_state.h"
#include "project/topics/browse_numbers.h"
#include "project/topics/topic_lists.h"
#include "support/test_support.h"

namespace {

using project::Placement;
using project::TopicTable;

// Topics in one file: name and browse text each.
TopicTable table_of(std::initializer_list<std::pair<std::string_view, std::string_view>> topics) {
  TopicTable table;
  for (auto [name, browse] : topics) project::AddOrUpdateTopic(table, {name, browse, 0});
  return table;
}

std::string propose(const TopicTable& table, std::string_view name, Placement placement, bool zero = false) {
  auto order = project::topic_order(project::topics_by_browse(table));
  for (size_t i = 0; i < order.size(); ++i) {
    if (table[order[i]].name() == name)
      return project::propose_browse_text(table, order, static_cast<int>(i), placement, zero);
  }
  return "not listed";
}

TEST(BrowseProposal, AfterAndBefore) {
  TopicTable table = table_of({{"a1", "alpha:0010"}, {"a2", "alpha:0020"}, {"a3", "alpha:0023"},
                               {"b1", "beta:0100"}, {"none", ""}});
  EXPECT_EQ(propose(table, "a1", Placement::after), "alpha:0015");   // half way to 20
  EXPECT_EQ(propose(table, "a2", Placement::after), "alpha:0021");   // (23 - 20) / 2 truncated
  EXPECT_EQ(propose(table, "a3", Placement::after), "alpha:0028");   // next is another sequence: + 5
  EXPECT_EQ(propose(table, "b1", Placement::after), "beta:0105");    // last line
  EXPECT_EQ(propose(table, "a2", Placement::before), "alpha:0015");
  EXPECT_EQ(propose(table, "b1", Placement::before), "beta:0095");   // previous is another sequence
  EXPECT_EQ(propose(table, "none", Placement::after), "");
  EXPECT_EQ(propose(table, "a1", Placement::before), "alpha:0005");  // previous has no sequence: - 5
  EXPECT_EQ(propose(table, "a2", Placement::after, true), "alpha:0000");
}

TEST(BrowseProposal, FirstLineAndBelowZero) {
  TopicTable table = table_of({{"a1", "alpha:0001"}, {"a2", "alpha:0003"}});
  EXPECT_EQ(propose(table, "a1", Placement::before), "alpha:0000");  // 1 - 2 below 0
  table = table_of({{"a1", "alpha:0009"}});
  EXPECT_EQ(propose(table, "a1", Placement::before), "alpha:0007");  // the first line: N - 2
  table.browse_width = 6;
  EXPECT_EQ(propose(table, "a1", Placement::after), "alpha:000014");
}

TEST(BrowseTexts, FormatParseAndRightPadding) {
  EXPECT_EQ(project::format_browse_text("main", 4, 7), "main:0007");
  std::string sequence;
  std::int32_t number = 0;
  EXPECT_TRUE(project::parse_browse_text(" main : 0012 ", sequence, number));
  EXPECT_EQ(sequence, "main");
  EXPECT_EQ(number, 12);
  EXPECT_FALSE(project::parse_browse_text("main", sequence, number));
  EXPECT_FALSE(project::parse_browse_text(":12", sequence, number));
  EXPECT_FALSE(project::parse_browse_text("main:1a", sequence, number));
  // A number shorter than the width is padded on the right.
  TopicTable table = table_of({{"t", "seq:7"}});
  EXPECT_EQ(table[0].browse_number, 7000);
  EXPECT_EQ(project::browse_text_of(table, table[0]), "seq:7000");
}

TEST(TopicLists, LineFormatsOrderAndHiddenTopics) {
  TopicTable table = table_of({{"IDH_b", "main:0010"}, {"IDH_a", ""}, {"IDH_c", "Main:0005"}});
  project::AddOrUpdateTopic(table, {"IDH_nofile", "", project::kNoFile});
  table[1].browse_sequence = project::kUndefinedSequence;
  auto by_context = project::topics_by_context(table);
  ASSERT_EQ(by_context.size(), 3u);
  EXPECT_EQ(by_context[0].text, " IDH_a\t---undef---");
  EXPECT_EQ(by_context[1].text, " IDH_b\tmain:0010");
  EXPECT_EQ(by_context[2].text, " IDH_c\tmain:0005");
  auto by_browse = project::topics_by_browse(table);
  EXPECT_EQ(by_browse[0].text, "---undef---\t IDH_a");
  EXPECT_EQ(by_browse[1].text, "main:0005\t IDH_c");
  EXPECT_EQ(by_browse[2].text, "main:0010\t IDH_b");
  table[1].browse_sequence = project::kNoSequence;
  EXPECT_EQ(project::topics_in_table_order(table)[1].text, " IDH_a\t<no_brws_seq>");
  EXPECT_TRUE(project::topics_by_context(table, 3).empty());
}

class BrowseSettings : public tw_test::Fixture {};

TEST_F(BrowseSettings, WidthAndIncrementChecks) {
  authoring::LibraryState state;
  EXPECT_FALSE(project::ApplyBrowseSettings(state, "7", "5"));
  EXPECT_FALSE(project::ApplyBrowseSettings(state, "4", "0"));
  EXPECT_FALSE(project::ApplyBrowseSettings(state, "4", "x"));
  EXPECT_TRUE(project::ApplyBrowseSettings(state, "4", "10"));
  EXPECT_TRUE(project::ApplyBrowseSettings(state, "3", "10"));
  EXPECT_EQ(state.data.topics.browse_width, 3);
  EXPECT_EQ(state.data.topics.browse_increment, 10);
  EXPECT_TRUE(state.data_dirty);
  EXPECT_EQ(ui().transcript(),
            (std::vector<std::string>{
                "message \"Browse sequence numbers must have from 3 to 6 digits.\" caption=\"Tarvenwick\" icon=stop -> OK (default)",
                "message \"The browse sequence increment must be at least 1.\" caption=\"Tarvenwick\" icon=stop -> OK (default)",
                "message \"The browse sequence increment must be at least 1.\" caption=\"Tarvenwick\" icon=stop -> OK (default)",
                "message \"If you change the number of browse digits, you will need to re-import your topic files "
                "using the Import Topics command.\" caption=\"Tarvenwick\" icon=information -> OK (default)"}));
}

}  // namespace
