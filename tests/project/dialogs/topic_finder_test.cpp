// The topic finder (GotoTopic): its lists, search and "Go To".
#include <gtest/gtest.h>

#include "authoring/library_state.h"
#include "project/topics/context_strings.h"
#include "project/dialogs/topic_finder.h"
#include "project/topic_fixture.h"

namespace {

using Lines = std::vector<std::string>;

class TopicFinder : public tw_test::TopicFixture {
 protected:
  void SetUp() override {
    TopicFixture::SetUp();
    add("IDH_print");
    add("IDH_save", "", 1);
    add("IDH_gone");
    project::RemoveTopicEntry(table(), 2);
    add("IDH_nofile", "", project::kNoFile);
  }
  int go(std::string_view script) {
    ui().queue_script(script);
    document = context = "unset";
    int result = project::GotoTopic(state, ui().main_window(), document, context);
    EXPECT_TRUE(ui().pending_script().empty());
    return result;
  }
  void write_keyword_database() {
    tw_test::write_file(host("c:\\help\\proj.kdb"),
                        "\r\n\r\nIDH_print\tPrinting\tprint;\r\nIDH_untitled\t\r\n@IDH_old\tOld\t\r\n"
                        "IDH_missing\tMissing Topic\tx;\r\nIDH_print\tPrinting\tagain;");
  }
  std::string document, context;
};

TEST_F(TopicFinder, IdAndDocumentLines) {
  project::FinderLines lines = project::finder_lines(state);
  EXPECT_EQ(lines.id, (Lines{" IDH_print\ttopics", " IDH_save\tother"}));
  EXPECT_EQ(lines.document, (Lines{"other\t IDH_save", "topics\t IDH_print"}));
  EXPECT_EQ(lines.document_topics, (std::vector<int>{1, 0}));
}

TEST_F(TopicFinder, SearchSwitchListsAndGoTo) {
  EXPECT_EQ(go("dialog DLG_GOTO\nset 107 SAVE\nclick 108\nclick 103\nclick 1\n"), 1);
  EXPECT_EQ(document, "c:\\help\\other.doc");
  EXPECT_EQ(context, "IDH_save");
  // The search goes on after the selection; nothing further keeps it.
  EXPECT_EQ(go("dialog DLG_GOTO\nclick 102\nset 107 idh\nclick 108\nclick 108\nclick 108\nclick 1\n"), 1);
  EXPECT_EQ(context, "IDH_save");
  // Typing searches at once while "srch auto" is on; "Top" selects the first items.
  EXPECT_EQ(go("dialog DLG_GOTO\ncheck 110 1\nset 107 prin\nclick 1\n"), 1);
  EXPECT_EQ(context, "IDH_print");
  EXPECT_TRUE(state.settings.search_auto);
  EXPECT_EQ(go("dialog DLG_GOTO\nclick 103\nclick 109\nclick 1\n"), 1);
  EXPECT_EQ(context, "IDH_save");
  EXPECT_EQ(go("dialog DLG_GOTO\nclick 1\n"), 0);
  EXPECT_EQ(go("dialog DLG_GOTO\nclick 103\ndblclick 106 1\n"), 1);
  EXPECT_EQ(document, "c:\\help\\topics.doc");
}

// A project in host folders: the document comes back in their spelling.
TEST_F(TopicFinder, DocumentInHostFoldersKeepsTheirCase) {
  state.project_path = "/srv/Help Projects/Guide/proj.hpj";
  EXPECT_EQ(go("dialog DLG_GOTO\nset 107 SAVE\nclick 108\nclick 103\nclick 1\n"), 1);
  EXPECT_EQ(document, "/srv/Help Projects/Guide/other.doc");
}

TEST_F(TopicFinder, TitleListFromTheKeywordDatabase) {
  write_keyword_database();
  state.options.invalid_index = true;
  EXPECT_EQ(go("dialog DLG_GOTO\nclick 101\nselect# 104 2\nclick 1\n"), 1);
  EXPECT_EQ(ui().transcript()[0],
            "message \"The keyword indexes for this project are out of date.  You may wish to use the Build "
            "Keyword Indexes under the File menu to update the indexes.\" caption=\"Tarvenwick\" "
            "icon=exclamation -> OK (default)");
  EXPECT_EQ(document, "c:\\help\\topics.doc");
  EXPECT_EQ(context, "IDH_print");
  // The finder opens with the title list when it was used last. A title
  // whose topic is not in the table leads to the first topic file; a search
  // that finds nothing leaves no title selected.
  state.options.invalid_index = false;
  EXPECT_EQ(go("dialog DLG_GOTO\nselect# 104 1\nclick 1\n"), 1);
  EXPECT_EQ(document, "c:\\help\\topics.doc");
  EXPECT_EQ(context, "");
  EXPECT_EQ(go("dialog DLG_GOTO\nselect# 104 0\nset 107 nowhere\nclick 108\nclick 1\n"), 0);
}

TEST_F(TopicFinder, TabsAreRemembered) {
  EXPECT_EQ(go("dialog DLG_GOTO\nselect# 100 2\nclick 2\n"), 0);
  EXPECT_EQ(state.settings.goto_tab, 2);
  EXPECT_EQ(go("dialog DLG_GOTO\nselect# 105 0\nselect# 100 0\nselect# 105 0\nclick 1\n"), 1);
  EXPECT_EQ(ui().transcript()[1], "ignored \"select# 105 0\" in DLG_GOTO: control 105 is hidden");
  EXPECT_EQ(state.settings.goto_tab, 0);
}

}  // namespace
