// The outline editor as the author drives it, and what it leaves on disk.
#include "contents/outline_command.h"
#include "contents/outline_editor_dialog.h"
#include "contents/outline_list.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "aids/related_fixture.h"
#include "contents/outline_file.h"
#include "project/project_fixture.h"
#include "project/topics/topic_table.h"

namespace {

class OutlineEditor : public tw_test::ProjectFixture {
 protected:
  static constexpr const char* kProject = "c:\\help\\guide.hpj";

  void SetUp() override {
    ProjectFixture::SetUp();
    use_project(kProject, "[OPTIONS]\r\n[FILES]\r\nguide.rtf\r\n");
    for (const char* name : {"IDH_Print_Setup", "IDH_Contents", "IDH_untitled"})
      project::AddOrUpdateTopic(state.data.topics, {name, "", 0, true});
    tw_test::write_file(host("c:\\help\\guide.kdb"),
                        "IDH_Print_Setup\tPrint Setup\tprinting\r\nIDH_Contents\tContents\tstart\r\n");
  }
  int edit(const std::string& script) {
    ui().queue_script(script);
    return contents::EditOutline(state, 0, kProject);
  }
  std::string outline() { return text_of("c:\\help\\guide.out"); }
  bool outline_written() { return tw_test::exists(host("c:\\help\\guide.out")); }
  std::vector<std::string> messages() {
    std::vector<std::string> out;
    for (const auto& line : ui().transcript())
      if (line.rfind("message ", 0) == 0) out.push_back(line.substr(0, line.find("\" caption")));
    return out;
  }
  bool shown(const std::string& dialog) {
    for (const auto& line : ui().transcript())
      if (line.rfind("dialog " + dialog + " ", 0) == 0) return true;
    return false;
  }
};

TEST_F(OutlineEditor, BuildsTheManualFromHeadingsTopicsAndDocuments) {
  EXPECT_EQ(edit("dialog DLG_OUT_B\n"
                 "set 104 Getting Started\nclick 106\n"
                 "select# 101 2\nclick 108\n"
                 "click 110\ndialog DLG_OUTEDDOC\nset 101 appendix.txt\ncheck 102 1\nclick 1\n"
                 "check 105 1\nclick 1\n"),
            1);
  EXPECT_EQ(outline(),
            "[OUTLINE]\r\n1 main.doc=\r\n2 Getting Started\r\n2 Print Setup=IDH_Print_Setup\r\n"
            "2 # {IDH_untitled}=IDH_untitled\r\n1 appendix.doc=*ext*\r\n");
  EXPECT_EQ(text_of("c:\\help\\guide.dw"), "[Settings]\r\nnum entries=5\r\nuse_master_doc=1\r\n");
  EXPECT_TRUE(ui().pending_script().empty());
}

TEST_F(OutlineEditor, AnExternalDocumentTakesNoEntries) {
  EXPECT_EQ(edit("dialog DLG_OUT_B\n"
                 "click 110\ndialog DLG_OUTEDDOC\nset 101 law\ncheck 102 1\nclick 1\n"
                 "click 108\nmessage OK\n"
                 "set 104 Terms\nclick 106\n"
                 "click 1\nmessage OK\nclick 2\n"),
            1);
  const std::string refusal =
      "message \"An external document can't contain an outline entry.  You must specify a document to "
      "contain this item.";
  EXPECT_EQ(messages(), (std::vector<std::string>{refusal, refusal}));
  EXPECT_FALSE(outline_written());
}

TEST_F(OutlineEditor, TheFirstEntryMustBeADocument) {
  EXPECT_EQ(edit("dialog DLG_OUT_B\nset 104 Stray\nclick 106\nselect# 102 -1\nselect# 102 0\nclick 109\n"
                 "click 1\nmessage OK\nclick 2\n"),
            1);
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_NE(messages()[0].find("All outline entries must be contained in a document."), std::string::npos);
  EXPECT_FALSE(outline_written());
}

TEST_F(OutlineEditor, ImportsTheContentsFileAfterAsking) {
  tw_test::write_file(host("c:\\help\\guide.out"), "[OUTLINE]\r\n1 old.doc=\r\n");
  edit("dialog DLG_OUT_B\nclick 111\nmessage OK\nclick 1\n");
  EXPECT_EQ(messages(), (std::vector<std::string>{
                            "message \"Unable to locate a Contents (.CNT) File for this project."}));
  EXPECT_EQ(outline(), "[OUTLINE]\r\n1 old.doc=\r\n");

  tw_test::write_file(host("c:\\help\\guide.cnt"),
                      ":Base guide.hlp>main\r\n:Title Guide\r\n1 Printing\r\n2 Setup=IDH_Print_Setup>wide\r\n"
                      ":include more.cnt\r\n");
  edit("dialog DLG_OUT_B\nclick 111\nmessage Cancel\nclick 111\nmessage OK\nclick 1\n");
  EXPECT_EQ(outline(), "[OUTLINE]\r\n1 main.doc=\r\n2 Printing\r\n3 Setup=IDH_Print_Setup\r\n");
}

TEST_F(OutlineEditor, EditsShiftsAndMovesEntries) {
  tw_test::write_file(host("c:\\help\\guide.out"), "[OUTLINE]\r\n1 main.doc=\r\n2 Old=IDH_x\r\n2 Last\r\n");
  edit("dialog DLG_OUT_B\n"
       "click 114\ndialog DLG_OUTEDDOC\nset 101 manual.rtf\nclick 1\n"
       "select# 102 -1\nselect# 102 1\nclick 114\ndialog DLG_OUTED\nset 101  \nset 102 IDH_y\nclick 1\n"
       "dblclick 102 1\ndialog DLG_OUTED\nset 101  \nset 102  \nclick 1\nmessage OK\nclick 2\n"
       "click 362\nclick 362\nclick 364\nclick 360\nclick 363\nclick 1\n");
  EXPECT_EQ(messages(), (std::vector<std::string>{"message \"You can't leave this item blank."}));
  EXPECT_EQ(outline(), "[OUTLINE]\r\n1 manual.doc=\r\n3 # {IDH_y}=IDH_y\r\n2 Last\r\n");
}

TEST_F(OutlineEditor, SmallScreensGetTheSmallLayoutAndStaleIndexesAWarning) {
  ui().set_screen_size({740, 600});
  state.options.invalid_index = true;
  tw_test::write_file(host("c:\\help\\guide.dw"), "[Settings]\r\nnum entries=1\r\nuse_master_doc=1\r\n");
  EXPECT_EQ(edit("dialog DLG_OUT\nclick 1\n"), 1);
  EXPECT_TRUE(shown("DLG_OUT"));
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_NE(messages()[0].find("The keyword indexes for this project are out of date."), std::string::npos);
  EXPECT_EQ(outline(), "[OUTLINE]\r\n1 main.doc=\r\n");  // a new outline holds main.doc
  EXPECT_EQ(text_of("c:\\help\\guide.dw"), "[Settings]\r\nnum entries=1\r\nuse_master_doc=1\r\n");

  // Cancel writes nothing.
  ui().set_screen_size({1024, 768});
  state.options.invalid_index = false;
  EXPECT_EQ(edit("dialog DLG_OUT_B\nset 104 Lost\nclick 106\nclick 2\n"), 1);
  EXPECT_EQ(outline(), "[OUTLINE]\r\n1 main.doc=\r\n");
  EXPECT_TRUE(contents::use_large_outline_layout(1024, 8));
  EXPECT_TRUE(contents::use_large_outline_layout(800, 8));
  EXPECT_FALSE(contents::use_large_outline_layout(800, 9));  // 100 base units do not fit
  EXPECT_FALSE(contents::use_large_outline_layout(744, 7));
}

TEST_F(OutlineEditor, AnOutlineThatCannotBeWrittenKeepsTheEditorOpen) {
  tw_test::write_file(host("c:\\help\\blocked"), "a file");
  ui().queue_script("dialog DLG_OUT_B\nclick 1\nmessage OK\nclick 2\n");
  EXPECT_EQ(contents::EditOutline(state, 0, "c:\\help\\blocked\\guide.hpj"), 1);
  EXPECT_EQ(messages(), (std::vector<std::string>{"message \"Error: Unable to open or create outline file."}));
}

TEST(OutlineList, DrawsEachKindWithItsPictureAndIndent) {
  contents::ContentsModel model;
  contents::start_model(model);
  for (auto& entry : contents::read_outline("[OUTLINE]\n1 a.doc=\n3 Setup=setup\n1 law.doc=*ext*\n14 Odd\n"))
    contents::append_entry(model, std::move(entry));
  ui::RecordingPainter painter;
  contents::draw_outline(painter, model, {false, true}, 300, 20);
  EXPECT_EQ(painter.record(), (std::vector<std::string>{
                                  "fill 0 0 300 20 0xC0C0C0",
                                  "bitmap 5 2 16 16 \"DOC\"",
                                  "text 30 0 270 20 0x000000 left \"a.doc\"",
                                  "fill 0 20 300 20 0x800000",
                                  "bitmap 65 22 16 16 \"BUL\"",
                                  "text 90 20 210 20 0xFFFFFF left \"Setup\"",
                                  "fill 0 40 300 20 0xC0C0C0",
                                  "bitmap 5 42 16 16 \"EXDOC\"",
                                  "text 30 40 270 20 0x000000 left \"law.doc (external document)\"",
                                  "fill 0 60 300 20 0xC0C0C0",
                                  "bitmap 5 62 16 16 \"BUL\"",
                                  "text 30 60 270 20 0x000000 left \"Odd\"",
                              }));
}

TEST_F(OutlineEditor, TheRelatedProjectsListOffersAnotherProjectsTopics) {
  tw_test::add_related_project(state, {"IDH_elsewhere"});
  tw_test::write_file(host("c:\\help\\two.kdb"), "IDH_elsewhere\tElsewhere\tplace\r\n");
  EXPECT_EQ(edit("dialog DLG_OUT_B\nclick 295\nwindow DLG_WG_LIST\nselect# 101 0\n"
                 "window DLG_OUT_B\nselect# 101 0\nclick 108\nclick 1\n"),
            1);
  EXPECT_EQ(outline(), "[OUTLINE]\r\n1 main.doc=\r\n2 Elsewhere=IDH_elsewhere\r\n");
  bool closed = false;
  for (const auto& line : ui().transcript()) closed |= line == "window DLG_WG_LIST closed";
  EXPECT_TRUE(closed) << "the list goes with the editor";
}

TEST_F(OutlineEditor, ListKeysShiftAndDeleteAsTheButtonsDo) {
  tw_test::write_file(host("c:\\help\\guide.out"),
                      "[OUTLINE]\r\n1 main.doc=\r\n2 Setup\r\n3 Print=IDH_Print_Setup\r\n2 Last\r\n");
  edit("dialog DLG_OUT_B\n"
       // A document stays at level 1; headings move within 2-10.
       "key 102 left\n"
       "select# 102 -1\nselect# 102 1\nkey 102 right\n"
       "select# 102 -1\nselect# 102 2\nkey 102 left\nkey 102 left\n"
       "select# 102 -1\nselect# 102 3\nkey 102 delete\n"
       "key 101 delete\n"
       "click 1\n");
  EXPECT_EQ(outline(), "[OUTLINE]\r\n1 main.doc=\r\n3 Setup\r\n2 Print=IDH_Print_Setup\r\n");
  EXPECT_TRUE(messages().empty());
  EXPECT_TRUE(ui().pending_script().empty());
}

// Heading 1 in the system font, Heading 2 in the dialog's, the rest in the
// variable-pitch system font; large fonts make the rows 22 pixels high.
TEST_F(OutlineEditor, EachLevelHasItsFontAndLargeFontsTallerRows) {
  tw_test::write_file(host("c:\\help\\guide.out"),
                      "[OUTLINE]\r\n1 main.doc=\r\n2 Setup\r\n3 Print=IDH_Print_Setup\r\n4 Paper\r\n");
  ui().set_screen_size({1280, 1024, 9});
  edit("dialog DLG_OUT_B\nclick 2\n");
  const auto& t = ui().transcript();
  EXPECT_NE(std::find(t.begin(), t.end(), "itemheight DLG_OUT_B 102 22"), t.end());

  contents::ContentsModel model;
  contents::start_model(model);
  for (auto& entry : contents::read_outline("[OUTLINE]\n1 a.doc=\n2 Setup\n3 Print=p\n4 Paper\n14 Odd\n"))
    contents::append_entry(model, std::move(entry));
  ui::RecordingFontPainter painter;
  contents::draw_outline(painter, model, {}, 300, 22);
  std::vector<std::string> fonts, rows;
  for (const auto& line : painter.record()) {
    if (line.rfind("font ", 0) == 0) fonts.push_back(line);
    if (line.rfind("fill ", 0) == 0) rows.push_back(line);
  }
  EXPECT_EQ(fonts, (std::vector<std::string>{"font variable", "font system", "font dialog", "font variable",
                                             "font variable"}));
  EXPECT_EQ(rows.back(), "fill 0 88 300 22 0xC0C0C0");
}

}  // namespace
