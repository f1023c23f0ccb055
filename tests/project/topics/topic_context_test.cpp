// Context strings from titles, finding and removing topics, and the checks
// typed context strings go through.
#include <gtest/gtest.h>

#include "project/topics/context_strings.h"

namespace {

using project::ContextFromTitle;
using project::TopicTable;

TopicTable table_with(std::initializer_list<std::string_view> names) {
  TopicTable table;
  for (auto name : names) project::AddOrUpdateTopic(table, {name, ""});
  return table;
}

TEST(ContextFromTitle, WordsPrefixAndFolding) {
  TopicTable table;
  EXPECT_EQ(ContextFromTitle(table, "Printing a Document", 20), "IDH_printing_a_document");
  EXPECT_EQ(ContextFromTitle(table, "  What's   new?  ", 20), "IDH_what_s_new");
  // 192-198 a, 199 c, 200-203 e, 204-207 i, 208 d, 209 n, 210-214/216 o,
  // 217-220 u, 221 y, 222 b, 223 s; the lower-case range likewise.
  EXPECT_EQ(ContextFromTitle(table, "\xC0\xC7\xC8\xCC\xD0\xD1\xD2\xD8\xD9\xDD\xDE\xDF \xE6\xE7\xEB\xEF\xF1\xF8\xFC\xFF\xFE",
                             20),
            "IDH_aceidnoouybs_aceinouyb");
  // The euro and times signs are no letters: each leaves a blank, and every
  // blank becomes "_".
  EXPECT_EQ(ContextFromTitle(table, "Price \x80 \xD7 2", 20), "IDH_price_____2");
  table.prefix = "-x-";
  EXPECT_EQ(ContextFromTitle(table, "Contents", 20), "x_contents");
}

TEST(ContextFromTitle, WordCuts) {
  TopicTable table;
  std::string first(40, 'a');
  // The first word is cut to 37 characters; then no more words: 41 > 36.
  EXPECT_EQ(ContextFromTitle(table, first + " second", 20), "IDH_" + std::string(37, 'a'));
  // Further words are cut to 15; words are added while the candidate has 36
  // characters or fewer.
  EXPECT_EQ(ContextFromTitle(table, "one twentycharacterword three four five six", 20),
            "IDH_one_twentycharacter_three_four_five");
}

TEST(ContextFromTitle, UniqueInTheComparedLength) {
  // Two titles that agree in their first 20 characters.
  TopicTable table = table_with({"IDH_configuring_the_printer"});
  EXPECT_EQ(ContextFromTitle(table, "Configuring the network", 20), "IDH_n1configuring_the_network");
  project::AddOrUpdateTopic(table, {"IDH_n1configuring_the_network", ""});
  EXPECT_EQ(ContextFromTitle(table, "Configuring the modem", 20), "IDH_n2configuring_the_modem");
  // Word 6 and later compare 40 characters: no clash.
  EXPECT_EQ(ContextFromTitle(table, "Configuring the network", 40), "IDH_configuring_the_network");
  // A removed entry does not count.
  project::RemoveTopicEntry(table, 0);
  project::RemoveTopicEntry(table, 1);
  EXPECT_EQ(ContextFromTitle(table, "Configuring the network", 20), "IDH_configuring_the_network");
}

TEST(FindTopic, NoCaseAndOnlyLiveEntries) {
  TopicTable table = table_with({"IDH_one", "IDH_two"});
  EXPECT_EQ(project::FindTopic(table, "idh_TWO"), 1);
  EXPECT_EQ(project::FindTopic(table, "IDH_three"), -1);
  project::RemoveTopicEntry(table, 1);
  EXPECT_EQ(table[1].context, "#IDH_two");
  EXPECT_EQ(project::FindTopic(table, "IDH_two"), -1);
  EXPECT_FALSE(project::listed_topic(table[1]));
  project::RemoveTopicEntry(table, 7);  // no such topic: nothing happens
}

TEST(ContextChecks, AgreementInTheFirstCharacters) {
  TopicTable table = table_with({"IDH_0123456789abcdefXYZ", "IDH_short"});
  EXPECT_EQ(project::topic_agreeing(table, "idh_0123456789abcdefother", 20), 0);
  EXPECT_EQ(project::topic_agreeing(table, "IDH_0123456789abcdefother", 40), -1);
  EXPECT_EQ(project::topic_agreeing(table, "IDH_0123456789abcdefXYZ", 20, 0), -1);  // itself
  EXPECT_EQ(project::topic_agreeing(table, "IDH_shorter", 20), -1);
}

}  // namespace
