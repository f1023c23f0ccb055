// The editor's operations on the contents model: insertion at the anchor,
// deletion, moves, level shifts and their warnings.
#include "contents/contents_edit.h"

#include <gtest/gtest.h>

namespace {

using namespace contents;

ContentsModel model_of(const std::string& cnt) {
  ContentsModel model;
  model.file = formats::read_cnt(cnt);
  for (const auto& entry : model.file.entries) model.states.push_back(initial_state(entry));
  return model;
}

std::vector<std::string> lines(const ContentsModel& model) {
  std::vector<std::string> out;
  for (const auto& entry : model.file.entries) out.push_back(entry.line());
  return out;
}

using Lines = std::vector<std::string>;

TEST(ContentsEdit, NewEntriesGoAfterTheAnchorAtItsLevel) {
  ContentsModel model;
  // Empty list: a book at level 1.
  EXPECT_EQ(new_book_level(model, insertion_anchor(model, {})), 1);
  auto selection = insert_after_anchor(model, {}, {make_book_entry("Basics", 1)});
  EXPECT_EQ(selection, (Selection{0}));

  // Topics under a book go one deeper and follow each other.
  const int topic_level = new_topic_level(model, insertion_anchor(model, selection));
  selection = insert_after_anchor(model, selection,
                                  {make_topic_entry("Start", "start", "", "", topic_level),
                                   make_topic_entry("Shared", "shared", "common.hlp", "popup", topic_level)});
  EXPECT_EQ(selection, (Selection{1, 2}));
  // A book after a topic sits one level out; a topic after a topic stays.
  EXPECT_EQ(new_book_level(model, insertion_anchor(model, selection)), 1);
  EXPECT_EQ(new_topic_level(model, insertion_anchor(model, selection)), 2);
  // No selection: the anchor is the last entry.
  insert_after_anchor(model, {}, {make_book_entry(":INCLUDE Extra.CNT", 5)});
  EXPECT_EQ(lines(model), (Lines{"1 Basics", "2 Start\tstart", "2 Shared\tshared@common.hlp>popup",
                                 "1 :include extra.cnt"}));
  EXPECT_EQ(formats::write_cnt(model.file),
            ":Base \r\n:Title \r\n1 Basics\r\n2 Start=start\r\n2 Shared=shared@common.hlp>popup\r\n"
            ":include extra.cnt\r\n");
  EXPECT_EQ(model.states, (std::vector<int>{-1, -2, -2, -1}));
}

TEST(ContentsEdit, LevelsStayWithinSixteen) {
  ContentsModel model = model_of("16 Deep\n1 Top=top\n1 Book\n:include x.cnt\n");
  EXPECT_EQ(new_topic_level(model, 0), 1);  // 17 becomes 1
  shift_entries(model, {0, 3}, +1);
  shift_entries(model, {1}, -1);
  EXPECT_EQ(lines(model), (Lines{"1 Deep", "1 Top\ttop", "1 Book", "1 :include x.cnt"}));
  shift_entries(model, {2}, +1);
  EXPECT_EQ(model.states[2], -2);
  set_level_one(model, {2});
  EXPECT_EQ(entry_at(model, 2).level, 1);
}

TEST(ContentsEdit, DeletesExactlyTheSelectedEntries) {
  ContentsModel model = model_of("1 A\n2 B=b\n2 C=c\n1 D\n2 E=e\n");
  delete_entries(model, {4, 1, 3, 99});
  EXPECT_EQ(lines(model), (Lines{"1 A", "2 C\tc"}));
  EXPECT_EQ(model.states.size(), 2u);
}

TEST(ContentsEdit, MovesTheSelectedBlockOnePlace) {
  ContentsModel model = model_of("1 A\n1 B\n1 C\n1 D\n");
  EXPECT_EQ(move_selection(model, {1, 2}, Direction::up), (Selection{0, 1}));
  EXPECT_EQ(lines(model), (Lines{"1 B", "1 C", "1 A", "1 D"}));
  // At the top nothing moves.
  EXPECT_EQ(move_selection(model, {0, 1}, Direction::up), (Selection{0, 1}));
  EXPECT_EQ(move_selection(model, {0, 1}, Direction::down), (Selection{1, 2}));
  EXPECT_EQ(lines(model), (Lines{"1 A", "1 B", "1 C", "1 D"}));
  EXPECT_EQ(move_selection(model, {3}, Direction::down), (Selection{3}));
  EXPECT_FALSE(move_block(model, 2, 1, Direction::up));
}

TEST(ContentsEdit, ShiftWarningsFollowTheShapeAbove) {
  ContentsModel model = model_of(
      "1 Book\n"       // 0
      "2 T1=t1\n"      // 1: topic in its book
      "2 T2=t2\n"      // 2: topic below a topic of the same level
      "3 Deep=d\n"     // 3: topic deeper than the topic above
      "1 Other\n"      // 4: book below a topic
      "3 Far=f\n");    // 5: topic two levels below a book
  // Left: the first entry never asks; level 1 never asks.
  EXPECT_FALSE(shift_left_warns(model, {0}));
  EXPECT_TRUE(shift_left_warns(model, {1}));   // would leave its book
  EXPECT_TRUE(shift_left_warns(model, {2}));   // topic above at the same level
  EXPECT_FALSE(shift_left_warns(model, {3}));  // topic above is shallower
  EXPECT_FALSE(shift_left_warns(model, {4}));  // already level 1
  EXPECT_FALSE(shift_left_warns(model, {5}));  // book above is two out
  // Right: the first entry always asks.
  EXPECT_TRUE(shift_right_warns(model, {0}));
  EXPECT_TRUE(shift_right_warns(model, {1}));  // already inside its book
  EXPECT_TRUE(shift_right_warns(model, {2}));
  EXPECT_TRUE(shift_right_warns(model, {3}));
  EXPECT_FALSE(shift_right_warns(model, {4, 5}));  // book below a deeper topic
  EXPECT_TRUE(shift_right_warns(model, {5}));
  EXPECT_FALSE(shift_right_warns(model, {}));
}

}  // namespace
