// The context-ID commands with dialogs: importing numbers, importing a
// map's names as topics, and the modeless context-string list.
#include "project/dialogs/context_dialogs.h"

#include "project/topics/imported_topics.h"
#include "project/project_fixture.h"

namespace {

using tw_test::ProjectFixture;

class ContextDialogTest : public ProjectFixture {
 protected:
  const std::string hpj = "c:\\proj\\help.hpj";
  void SetUp() override {
    ProjectFixture::SetUp();
    use_project(hpj, "[OPTIONS]\n[FILES]\nintro.rtf\nmore.rtf\n");
    state.topic_files.add("intro.rtf");
    state.topic_files.add("more.rtf");
    project::AddOrUpdateTopic(state.data.topics, {"IDH_intro", "", 0, true});
    project::AddOrUpdateTopic(state.data.topics, {"IDH_used", "", 0, true});
    tw_test::write_file(host("c:\\proj\\ids.h"),
                        "#define IDH_intro 0x10\n#define IDH_new 1000\n#define IDH_fresh 40\n"
                        "#define bad-name 5\n#define IDH_big 99999\n");
  }
  const project::Topic& topic(const char* name) {
    return state.data.topics[state.data.topics.find(name)];
  }
};

TEST_F(ContextDialogTest, ImportIdsSetsTheNumbersOfKnownTopics) {
  ui().queue_script(
      "dialog DLG_IMPORT_IDS\nclick 1\nset 101 c:\\proj\\missing.h\nclick 1\n"
      "set 101 c:\\proj\\ids.h\nclick 1\n");
  EXPECT_EQ(project::Import_IDS(state, 5, "c:\\proj\\intro.doc"), 1);
  const auto& t = ui().transcript();
  ASSERT_GE(t.size(), 3u);
  EXPECT_NE(t[0].find("Enter the name of the file to import."), std::string::npos);
  EXPECT_NE(t[1].find("Unable to open c:\\proj\\missing.h."), std::string::npos);
  EXPECT_EQ(topic("IDH_intro").number, 16);
  EXPECT_EQ(state.data.topics.find("IDH_new"), -1);
  EXPECT_TRUE(state.data_dirty);
}

TEST_F(ContextDialogTest, ImportOfAMapMakesTopicsOfTheCurrentDocument) {
  ui().queue_script("dialog DLG_IMPORT1\nset 101 c:\\proj\\ids.h\nclick 1\n");
  EXPECT_EQ(project::TWImport1(state, 5, "c:\\proj\\more.rtf"), 1);
  EXPECT_EQ(state.current_file, 1);
  EXPECT_EQ(topic("IDH_intro").number, 1000);  // not replaced without the box
  // 1000 is IDH_intro's already: the new topic gets the next free number.
  EXPECT_EQ(topic("IDH_new").number, 1002);
  EXPECT_EQ(topic("IDH_new").file, 1);
  EXPECT_EQ(topic("IDH_fresh").number, 40);
  EXPECT_EQ(topic("IDH_big").number, 1003);  // out of range
  EXPECT_EQ(state.data.topics.find("bad-name"), -1);
  const auto& t = ui().transcript();
  ASSERT_EQ(t.size(), 2u) << t[0];
  EXPECT_NE(t[0].find("3 topics were added and 0 updated from c:\\proj\\ids.h."), std::string::npos)
      << t[0];

  ui().queue_script("dialog DLG_IMPORT1\nset 101 c:\\proj\\ids.h\ncheck 103 1\nclick 1\n");
  EXPECT_EQ(project::TWImport1(state, 5, "c:\\proj\\more.rtf"), 1);
  EXPECT_EQ(topic("IDH_intro").number, 16);
}

TEST_F(ContextDialogTest, DocumentsOutsideTheProjectStopTheCommands) {
  ui().queue_script("message Cancel\n");
  EXPECT_EQ(project::TWImport1(state, 5, "c:\\other\\elsewhere.rtf"), 0);
  std::string cx = "IDH_x", title = "X";
  ui().queue_script("message Cancel\n");
  EXPECT_EQ(project::AddCX2(state, cx, title, "c:\\other\\elsewhere.rtf"), 0);
  EXPECT_EQ(state.data.topics.find("IDH_x"), -1);
  EXPECT_EQ(project::AddCX2(state, cx, title, "c:\\proj\\more.rtf"), 1);
  EXPECT_EQ(topic("IDH_x").file, 1);
}

TEST_F(ContextDialogTest, ContextListShowsEveryLiveContextStringOnce) {
  project::Topic removed;
  removed.context = "#IDH_gone";
  state.data.topics.push_back(removed);
  ASSERT_EQ(project::CxList(state, 5), 1);
  ASSERT_EQ(project::CxList(state, 5), 1);  // an open list is rebuilt, not doubled
  ui::Handle list = ui().find_window("DLG_CX");
  ASSERT_NE(list, 0);
  ui::Dialog* dialog = ui().find_dialog(list);
  ASSERT_NE(dialog, nullptr);
  ASSERT_EQ(dialog->item_count(101), 2);
  EXPECT_EQ(dialog->item_text(101, 0), "IDH_intro\t1000");
  EXPECT_EQ(dialog->item_text(101, 1), "IDH_used\t1001");
}

}  // namespace
