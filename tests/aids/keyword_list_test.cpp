// The sorted keyword list, its cache and the topic search.
#include <gtest/gtest.h>

#include <algorithm>

#include "aids/keyword_commands.h"
#include "aids/keyword_list.h"
#include "aids/keyword_search.h"
#include "aids/keyword_update.h"
#include "keyword_fixture.h"

namespace {

using aids::KeywordKind;
using Keywords = std::vector<std::string>;

TEST(KeywordOrder, MainKeywordsComeBeforeTheirSecondLevelEntries) {
  EXPECT_EQ(aids::SortKeywords({"Printing", "Print:setup", "print", "Print"}),
            (Keywords{"Print", "print", "Print:setup", "Printing"}));
  EXPECT_EQ(aids::SortKeywords({"Print:options", "Print", "Print setup"}),
            (Keywords{"Print setup", "Print", "Print:options"}));
  // Exact duplicates go even when other spellings lie between them.
  EXPECT_EQ(aids::SortKeywords({"pRint", "prInt", "pRint", "prInt"}), (Keywords{"pRint", "prInt"}));
}

class KeywordListTest : public tw_test::KeywordFixture {};

TEST_F(KeywordListTest, LoadsKeywordsOfLiveRecordsOnce) {
  put_database(KeywordKind::k,
               "\r\n\r\nIDH_a\tA\t Print ;print;;Print:setup;"
               "\r\n@DH_gone\tGone\tdeleted;"
               "\r\nIDH_b\tB\tPrinting;   ;Print;"
               "\r\nIDH_c\tno keywords");
  aids::KeywordList list = aids::LoadKeywordList(kProject, true, KeywordKind::k, state.keywords);
  EXPECT_EQ(list.entries, (Keywords{"Print", "print", "Print:setup", "Printing"}));
}

TEST_F(KeywordListTest, CacheIsWrittenOnceAndUsedWhileValid) {
  put_database(KeywordKind::a, "\r\n\r\nIDH_a\tA\tzeta;alpha;");
  aids::KeywordList list = aids::LoadKeywordList(kProject, true, KeywordKind::a, state.keywords);
  EXPECT_TRUE(aids::SaveKeywordCache(list, state.keywords));
  EXPECT_EQ(cache(KeywordKind::a), "alpha\r\nzeta\r\n");
  EXPECT_TRUE(state.keywords.cache_valid_a);
  EXPECT_FALSE(aids::SaveKeywordCache(list, state.keywords));  // valid already

  // While valid, the cache stands in for the database (unsorted appends too).
  tw_test::write_file(host(aids::cache_path(kProject, KeywordKind::a)), "alpha\r\nzeta\r\nbeta\r\n");
  list = aids::LoadKeywordList(kProject, true, KeywordKind::a, state.keywords);
  EXPECT_EQ(list.entries, (Keywords{"alpha", "beta", "zeta"}));
  state.keywords.cache_valid_a = false;
  list = aids::LoadKeywordList(kProject, true, KeywordKind::a, state.keywords);
  EXPECT_EQ(list.entries, (Keywords{"alpha", "zeta"}));
  aids::FreeKeywordList(list);
  EXPECT_TRUE(list.entries.empty());
}

TEST_F(KeywordListTest, OtherProjectsAndEmptyListsAreNeverCached) {
  put_database(KeywordKind::k, "\r\n\r\nIDH_a\tA\tone;");
  aids::KeywordList other = aids::LoadKeywordList(kProject, false, KeywordKind::k, state.keywords);
  EXPECT_FALSE(aids::SaveKeywordCache(other, state.keywords));
  aids::KeywordList none = aids::LoadKeywordList(kProject, true, KeywordKind::a, state.keywords);
  EXPECT_FALSE(aids::SaveKeywordCache(none, state.keywords));
  EXPECT_FALSE(tw_test::exists(host(aids::cache_path(kProject, KeywordKind::k))));
  EXPECT_FALSE(state.keywords.cache_valid_k || state.keywords.cache_valid_a);
}

// The list once held at most 16 010 entries; it now holds them all.
TEST_F(KeywordListTest, ListGrowsPastTheOldLimit) {
  std::string bytes = "\r\n";
  for (int i = 0; i < 16100; ++i) bytes += "\r\nIDH_" + std::to_string(i) + "\tT\tkey" + std::to_string(100000 + i) + ";";
  put_database(KeywordKind::k, bytes);
  aids::KeywordList list = aids::LoadKeywordList(kProject, true, KeywordKind::k, state.keywords);
  ASSERT_EQ(list.entries.size(), 16100u);
  EXPECT_EQ(list.entries.back(), "key116099");
  ASSERT_TRUE(aids::SaveKeywordCache(list, state.keywords));
  EXPECT_EQ(aids::LoadKeywordList(kProject, true, KeywordKind::k, state.keywords).entries, list.entries);
}

// A database damaged by hand or by a disk: a line of a megabyte of binary
// bytes (NUL, CR alone, high bytes) between good records.
TEST_F(KeywordListTest, BinaryAndOverlongLinesLeaveTheOtherRecordsAlone) {
  std::string junk;
  for (unsigned i = 0; i < (1u << 20); ++i) junk += static_cast<char>((i * 7919u) % 251u);
  std::string bytes = "\r\n\r\nIDH_a\tA\tbefore;" + std::string("\r\nIDH_j\tJ\tx") + junk +
                      ";\r\nIDH_b\tB\tafter;" + std::string(300000, 'w') + ";";
  put_database(KeywordKind::k, bytes);
  aids::KeywordList list = aids::LoadKeywordList(kProject, true, KeywordKind::k, state.keywords);
  ASSERT_GE(list.entries.size(), 3u);
  EXPECT_NE(std::find(list.entries.begin(), list.entries.end(), "after"), list.entries.end());
  EXPECT_NE(std::find(list.entries.begin(), list.entries.end(), "before"), list.entries.end());
  EXPECT_NE(std::find(list.entries.begin(), list.entries.end(), std::string(300000, 'w')), list.entries.end());

  // The cache keeps every entry as it was loaded.
  ASSERT_TRUE(aids::SaveKeywordCache(list, state.keywords));
  EXPECT_EQ(aids::LoadKeywordList(kProject, true, KeywordKind::k, state.keywords).entries, list.entries);
  ASSERT_EQ(aids::FindTopicsByKeywords(kProject, KeywordKind::k, "after").size(), 1u);
  EXPECT_EQ(aids::FindTopicsByKeywords(kProject, KeywordKind::k, "after")[0].context, "IDH_b");
  EXPECT_EQ(database(KeywordKind::k), bytes);
}

// The topic dialog changes keywords while the keyword list is open: the
// list that closes afterwards must not become a cache that hides them.
TEST_F(KeywordListTest, ListThatWentStaleWhileOpenIsNotCached) {
  put_database(KeywordKind::k, "\r\n\r\nIDH_a\tA\told;gone;");
  aids::KeywordList list = aids::LoadKeywordList(kProject, true, KeywordKind::k, state.keywords);
  aids::UpdateKeys(kProject, state.keywords, "IDH_a", "A", "old;gone;", "old;fresh;", 1);
  EXPECT_FALSE(aids::SaveKeywordCache(list, state.keywords));
  EXPECT_FALSE(state.keywords.cache_valid_k);
  EXPECT_EQ(aids::LoadKeywordList(kProject, true, KeywordKind::k, state.keywords).entries,
            (Keywords{"fresh", "old"}));

  // The same when another program rewrites the database.
  list = aids::LoadKeywordList(kProject, true, KeywordKind::k, state.keywords);
  put_database(KeywordKind::k, "\r\n\r\nIDH_a\tA\tother;");
  EXPECT_FALSE(aids::SaveKeywordCache(list, state.keywords));
  list = aids::LoadKeywordList(kProject, true, KeywordKind::k, state.keywords);
  EXPECT_TRUE(aids::SaveKeywordCache(list, state.keywords));
  EXPECT_EQ(cache(KeywordKind::k), "other\r\n");
}

TEST_F(KeywordListTest, SearchFindsEachTopicOnceInDatabaseOrder) {
  put_database(KeywordKind::k,
               "\r\n\r\nIDH_b\tBeta\t  b;c;"        // "a;" blanked by an update
               "\r\n@DH_x\tDeleted\tb;"
               "\r\nIDH_a\tAlpha\tab; b ;"
               "\r\nIDH_b\tBeta\tc;"
               "\r\nIDH_n\tNone");
  auto found = aids::FindTopicsByKeywords(kProject, KeywordKind::k, " b;c");
  std::vector<std::string> items;
  for (const auto& topic : found) items.push_back(topic.list_item());
  EXPECT_EQ(items, (Keywords{"Beta\tIDH_b", "Alpha\tIDH_a"}));
  EXPECT_TRUE(aids::FindTopicsByKeywords(kProject, KeywordKind::k, "a").empty());
  EXPECT_TRUE(aids::FindTopicsByKeywords(kProject, KeywordKind::a, "b").empty());
}

}  // namespace

namespace {

TEST_F(KeywordListTest, MacroSearchHandsOverOneTopicAtATime) {
  put_database(KeywordKind::a, "\r\n\r\nIDH_a\tAlpha\tshared;\r\nIDH_b\tBeta\tshared;other;");
  put_database(KeywordKind::k, "\r\n\r\nIDH_k\tKay\tshared;");
  EXPECT_EQ(aids::FindTopicsForMacro(state, "\"shared'", 0), 1);
  std::string title = "old", context = "old";
  EXPECT_EQ(aids::NextMacroResult(state, title, context), 1);
  EXPECT_EQ(title + "|" + context, "Alpha|IDH_a");
  EXPECT_EQ(aids::NextMacroResult(state, title, context), 1);
  EXPECT_EQ(title + "|" + context, "Beta|IDH_b");
  EXPECT_EQ(aids::NextMacroResult(state, title, context), 0);
  EXPECT_EQ(title + "|" + context, "|");

  aids::FindTopicsForMacro(state, "`shared", 5);
  EXPECT_EQ(aids::NextMacroResult(state, title, context), 1);
  EXPECT_EQ(context, "IDH_k");
  EXPECT_EQ(aids::NextMacroResult(state, title, context), 0);
}

}  // namespace
