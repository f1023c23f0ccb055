// update_keys on databases as a rebuild and earlier updates leave them.
#include <gtest/gtest.h>

#include "aids/keyword_list.h"
#include "aids/keyword_update.h"
#include "authoring/topic_delete.h"
#include "project/topics/topic_table.h"
#include "keyword_fixture.h"

namespace {

using aids::KeywordKind;

constexpr const char* kBuilt =
    "\r\n"
    "\r\nIDH_print\tPrinting\ta;b;"
    "\r\nIDH_other\tOther\ta;b;"
    "\r\nIDH_print\tPrinting\ta;";

class KeywordUpdateTest : public tw_test::KeywordFixture {
 protected:
  int update(std::string_view old_keys, std::string_view new_keys, int mode = 1,
             std::string_view context = "IDH_print", std::string_view title = "Printing") {
    return aids::UpdateKeys(kProject, state.keywords, context, title, old_keys, new_keys, mode);
  }
};

TEST_F(KeywordUpdateTest, ChangedKeywordsAppendTheAddedAndBlankTheRemovedOnce) {
  put_database(KeywordKind::k, kBuilt);
  state.keywords.cache_valid_k = true;
  EXPECT_EQ(update(" a;b", "b; c\r\nignored after the line end"), 1);
  EXPECT_EQ(database(KeywordKind::k),
            "\r\n"
            "\r\nIDH_print\tPrinting\t  b;"
            "\r\nIDH_other\tOther\ta;b;"
            "\r\nIDH_print\tPrinting\ta;"
            "\r\nIDH_print\tPrinting\tc;");
  EXPECT_EQ(cache(KeywordKind::k), "c\r\n");
  EXPECT_FALSE(state.keywords.cache_valid_k);
  EXPECT_FALSE(tw_test::exists(host(aids::database_path(kProject, KeywordKind::a))));
}

TEST_F(KeywordUpdateTest, ModeZeroWorksOnTheADatabase) {
  update("", "alink", 0);
  EXPECT_EQ(database(KeywordKind::a), "\r\nIDH_print\tPrinting\talink;");
  EXPECT_EQ(cache(KeywordKind::a), "alink\r\n");
}

TEST_F(KeywordUpdateTest, RemovalNeedsAWholeItem) {
  put_database(KeywordKind::k, "\r\nIDH_print\tPrinting\tprinter; print ;paper;");
  update("print;paper", "");
  EXPECT_EQ(database(KeywordKind::k), "\r\nIDH_print\tPrinting\tprinter;       ;      ");
}

TEST_F(KeywordUpdateTest, NewTopicMarkRegistersTheTopicWithoutKeywords) {
  update("", "**twznew**");
  update("", "**twznew**", 1, "IDH_bare", "");
  EXPECT_EQ(database(KeywordKind::k), "\r\nIDH_print\tPrinting\t\r\nIDH_bare\t");
  EXPECT_FALSE(tw_test::exists(host(aids::cache_path(kProject, KeywordKind::k))));
}

TEST_F(KeywordUpdateTest, NothingAddedAppendsNothing) {
  put_database(KeywordKind::k, kBuilt);
  update("a;b", "b;a");
  update("", "");
  EXPECT_EQ(database(KeywordKind::k), kBuilt);
}

TEST_F(KeywordUpdateTest, DeleteModesMarkEveryRecordOfTheTopic) {
  put_database(KeywordKind::k, kBuilt);
  put_database(KeywordKind::a, kBuilt);
  state.keywords.cache_valid_a = state.keywords.cache_valid_k = true;
  EXPECT_EQ(update("", "", 8), 1);
  EXPECT_EQ(database(KeywordKind::k),
            "\r\n\r\n@DH_print\tPrinting\ta;b;\r\nIDH_other\tOther\ta;b;\r\n@DH_print\tPrinting\ta;");
  EXPECT_EQ(database(KeywordKind::a), kBuilt);
  EXPECT_FALSE(state.keywords.cache_valid_a || state.keywords.cache_valid_k);

  put_database(KeywordKind::k, "\r\nIDH_print\tPrinting\tonly_here;");
  update("", "", 8);
  aids::KeywordList list = aids::LoadKeywordList(kProject, true, KeywordKind::k, state.keywords);
  EXPECT_TRUE(list.entries.empty());
}

TEST_F(KeywordUpdateTest, MissingDatabaseIsNoErrorForDeletes) {
  EXPECT_EQ(update("", "", 7), 1);
  EXPECT_EQ(update("", "", 9), 1);
  EXPECT_FALSE(tw_test::exists(host(aids::database_path(kProject, KeywordKind::a))));
}

// A damaged database (a line far longer than any buffer, NUL and other
// binary bytes, CR alone) keeps every byte it had but the keyword blanked.
TEST_F(KeywordUpdateTest, DamagedDatabaseKeepsEveryOtherByte) {
  std::string long_line = "\r\nIDH_long\tLong\t" + std::string(20000, 'x') + ";";
  std::string binary("\r\nIDH_bin\t\x01\x00\xff\tz;\r", 14);
  std::string bytes = "\r\n" + long_line + binary + "\r\nIDH_print\tPrinting\tgone;kept;";
  put_database(KeywordKind::k, bytes);
  update("gone;kept", "kept");
  std::string expected = bytes;
  expected.replace(expected.size() - 10, 5, "     ");
  EXPECT_EQ(database(KeywordKind::k), expected);
  update("", "", 8, "IDH_bin");
  expected[expected.find("IDH_bin")] = '@';
  EXPECT_EQ(database(KeywordKind::k), expected);
}

}  // namespace

namespace {

class TopicDeleteKeywordsTest : public tw_test::KeywordFixture {};

// Deleting a topic marks its records in both databases; other topics keep theirs.
TEST_F(TopicDeleteKeywordsTest, DelTopicMarksTheTopicInBothDatabases) {
  project::AddOrUpdateTopic(state.data.topics, {"IDH_print", "", 0});
  put_database(KeywordKind::k, kBuilt);
  put_database(KeywordKind::a, "\r\n\r\nIDH_print\tPrinting\tpr;\r\nIDH_other\tOther\tot;");
  EXPECT_EQ(authoring::DelTopic(state, "IDH_print"), 1);
  EXPECT_EQ(database(KeywordKind::k),
            "\r\n\r\n@DH_print\tPrinting\ta;b;\r\nIDH_other\tOther\ta;b;\r\n@DH_print\tPrinting\ta;");
  EXPECT_EQ(database(KeywordKind::a), "\r\n\r\n@DH_print\tPrinting\tpr;\r\nIDH_other\tOther\tot;");
}

}  // namespace
