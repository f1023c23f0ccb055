// Topic groups (EditGroup, NextItem) and removing topics (DelTopic,
// DeleteItem).
#include <gtest/gtest.h>

#include "authoring/library_state.h"
#include "authoring/topic_delete.h"
#include "project/dialogs/topic_group.h"
#include "project/topic_fixture.h"

namespace {

using Lines = std::vector<std::string>;

class TopicGroups : public tw_test::TopicFixture {
 protected:
  void SetUp() override {
    TopicFixture::SetUp();
    add("IDH_a");
    add("IDH_b", "main:0005");
    add("IDH_c");
    add("IDH_elsewhere", "", 1);
  }
  int edit(std::string_view script) {
    ui().queue_script(script);
    return project::EditGroup(state, ui().main_window(), document, list, preference);
  }
  // Every item NextItem hands out, "context browse".
  Lines items() {
    Lines out;
    std::string context, browse;
    while (project::NextItem(state, context, browse) == 1) out.push_back(context + " " + browse);
    EXPECT_EQ(context, "");
    return out;
  }
  std::string list = "untouched", preference;
};

const std::string kStop = "\" caption=\"Tarvenwick\" icon=stop -> OK (default)";

TEST_F(TopicGroups, BrowseSequenceWithChecksInOrder) {
  int result = edit(
      "dialog DLG_GROUP\nclick 1\n"
      "select# 101 0\nselect# 101 2\nclick 105\nclick 1\n"
      "click 114\nclick 1\n"
      "set 116 10\nset 117 x\nclick 1\n"
      "set 117 5\nclick 1\n"
      "set 115 grp\nclick 111\nclick 1\n");
  EXPECT_EQ(result, project::kGroupNumbered);
  EXPECT_EQ(ui().transcript(), (Lines{"message \"You must define a group of topics." + kStop,
                                      "message \"Select an action to perform." + kStop,
                                      "message \"Enter a valid starting browse number." + kStop,
                                      "message \"Enter a valid browse increment." + kStop,
                                      "message \"Enter a browse group name." + kStop,
                                      "dialog DLG_GROUP \"Edit Topic Groups and Browse Sequences\" -> 2"}));
  EXPECT_EQ(list, "YES");
  EXPECT_EQ(preference, "0");
  EXPECT_EQ(items(), (Lines{"IDH_a grp:0010", "IDH_c grp:0015"}));
  EXPECT_EQ(items(), Lines{});  // released at the end
  EXPECT_EQ(table()[2].browse_number, 15);
  EXPECT_EQ(table().sequences()[static_cast<size_t>(table()[2].browse_sequence)], "grp");
  EXPECT_TRUE(state.data_dirty);
}

TEST_F(TopicGroups, OrderEditingAndListOnly) {
  state.data.project.browse_buttons = true;
  int result = edit(
      "dialog DLG_GROUP\n"
      "click 104\n"                                          // by context string: a, b, c
      "dblclick 101 2\ndblclick 101 1\ndblclick 101 0\n"     // c, b, a
      "dblclick 101 0\n"                                     // a again: listed once
      "select# 108 2\nclick 109\n"                           // c, a, b
      "select# 108 0\nclick 106\n"                           // a, b
      "click 112\nclick 1\n");
  EXPECT_EQ(result, project::kGroupDefined);
  EXPECT_EQ(list, "POP");
  EXPECT_EQ(preference, "1");
  EXPECT_EQ(items(), (Lines{"IDH_a ", "IDH_b "}));
  EXPECT_EQ(table()[1].browse_number, 5);  // untouched without numbering

  list = "untouched";
  EXPECT_EQ(edit("dialog DLG_GROUP\nselect# 101 0\nclick 105\nclick 107\nclick 2\n"), 0);
  EXPECT_EQ(list, "untouched");
}

TEST_F(TopicGroups, ThreeTopicsNumberedFromStartByIncrement) {
  edit("dialog DLG_GROUP\nclick 103\nselect# 101 0\nselect# 101 1\nselect# 101 2\nclick 105\n"
       "click 114\nset 115 tour\nset 116 10\nset 117 5\nclick 1\n");
  EXPECT_EQ(items(), (Lines{"IDH_a tour:0010", "IDH_c tour:0015", "IDH_b tour:0020"}));
  EXPECT_EQ(list, "");
}

TEST_F(TopicGroups, DelTopicAndDeleteItem) {
  EXPECT_EQ(authoring::DelTopic(state, "idh_B"), 1);
  EXPECT_EQ(authoring::DelTopic(state, "IDH_b"), 0);
  EXPECT_EQ(table()[1].context, "#IDH_b");

  ui().queue_script("dialog DLG_DELETE\nclick 1\nselect# 101 1\nclick 1\n");
  EXPECT_EQ(authoring::DeleteItem(state, ui().main_window(), document), 1);
  EXPECT_EQ(ui().transcript()[0],
            "message \"Select the topics to delete.\" caption=\"Tarvenwick\" icon=information -> OK (default)");
  EXPECT_EQ(table()[2].context, "#IDH_c");
  EXPECT_TRUE(table()[0].live());
  EXPECT_TRUE(table()[3].live());

  ui().queue_script("dialog DLG_DELETE\nselect# 101 0\nclick 2\n");
  EXPECT_EQ(authoring::DeleteItem(state, ui().main_window(), document), 0);
  EXPECT_TRUE(table()[0].live());
}

}  // namespace
