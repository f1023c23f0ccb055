// The contents editor as the author drives it: a real file opened and
// written back, entries added, edited, shifted, moved and deleted, the
// index and link items, and what the owner-drawn list draws.
#include <algorithm>
#include <functional>

#include "contents/contents_file.h"
#include "contents/dialogs/contents_editor.h"
#include "contents/dialogs/entry_editor.h"
#include "contents/dialogs/index_links_dialog.h"
#include "contents/dialogs/preview_page.h"
#include "contents/list_item_height.h"
#include "contents/title_updates.h"
#include "core/messages.h"
#include "project/dialogs/topic_finder.h"
#include "project/project_state.h"
#include "project/project_fixture.h"
#include "project/topics/topic_table.h"
#include "platform/text.h"
#include "support/mixed_case_dir.h"

namespace {

using contents::ContentsEditor;

class ContentsEditorTest : public tw_test::ProjectFixture {
 protected:
  contents::ContentsSession session;
  static constexpr const char* kProject = "c:\\help\\guide.hpj";
  static constexpr const char* kContents = "c:\\help\\guide.cnt";

  void SetUp() override {
    ProjectFixture::SetUp();
    use_project(kProject, "[OPTIONS]\r\n[FILES]\r\nguide.rtf\r\n");
    state.topic_files.add("guide.rtf");
    for (const char* name : {"IDH_saw", "IDH_intro", "IDH_bolt"})
      project::AddOrUpdateTopic(state.data.topics, {name, "", 0, true});
    project::WindowRecord second;
    second.name = "second";
    state.data.windows.push_back(second);
    tw_test::write_file(host("c:\\help\\guide.kdb"),
               "IDH_saw\tCutting with a saw\tsaw\r\nIDH_intro\tIntroduction\tstart\r\nIDH_bolt\t\tbolt\r\n");
  }
  int edit(const std::string& script) {
    ui().queue_script(script);
    return contents::EditContents(state, session, 0);
  }
  std::vector<std::string> messages() {
    std::vector<std::string> out;
    for (const auto& line : ui().transcript())
      if (line.rfind("message ", 0) == 0) out.push_back(line);
    return out;
  }
};

// Runs the editor and lets a test look at the dialog after its start.
class Probe : public ContentsEditor {
 public:
  Probe(authoring::LibraryState& state, contents::ContentsSession& session, std::function<void(ui::Dialog&)> look)
      : ContentsEditor(state, session), look_(std::move(look)) {}
  void on_init(ui::Dialog& dialog) override {
    ContentsEditor::on_init(dialog);
    handle = dialog.handle();
    look_(dialog);
  }
  ui::Handle handle = 0;

 private:
  std::function<void(ui::Dialog&)> look_;
};

constexpr const char* kRealFile =
    ":Base guide.hlp>second\r\n"
    ":Title Guide Help\r\n"
    ":Index Other Help=other.hlp\r\n"
    ":Link more.hlp\r\n"
    "1 Getting Started\r\n"
    "2 Installing=IDH_intro\r\n"
    "2 Saws=IDH_saw@shop.hlp>second\r\n"
    ":include more.cnt\r\n"
    "1 Mail us=!Mail(`a=b')\r\n";

TEST_F(ContentsEditorTest, ARealFileShowsItsHeaderAndComesBackUnchanged) {
  tw_test::write_file(host(kContents), kRealFile);
  Probe probe(state, session, [](ui::Dialog& d) {
    EXPECT_EQ(d.text(ContentsEditor::kTitle), "Guide Help");
    EXPECT_EQ(d.text(ContentsEditor::kHelpFile), "guide.hlp");
    EXPECT_EQ(d.text(ContentsEditor::kDefaultWindow), "second");
    EXPECT_EQ(d.item_count(ContentsEditor::kEntries), 5);
    EXPECT_EQ(d.item_text(ContentsEditor::kEntries, 3), "1 :include more.cnt");
    EXPECT_TRUE(d.item_selected(ContentsEditor::kEntries, 0));
    EXPECT_EQ(d.item_text(ContentsEditor::kDefaultWindow, 0), "main");
    EXPECT_EQ(d.item_count(ContentsEditor::kDefaultWindow), 2);
    EXPECT_FALSE(d.enabled(ContentsEditor::kAddBook));
  });
  ui().queue_script("dialog DLG_CNT\nclick 1\n");
  EXPECT_EQ(ui().run_modal(core::authoring_module(), "DLG_CNT", probe, 0), 1);
  EXPECT_EQ(tw_test::read_file(host(kContents)), kRealFile);
  EXPECT_FALSE(session.model.loaded);

  // Books open, topics and macros as pages, deeper levels indented by 30,
  // the include in green, the selected first item in the highlight colours.
  const std::vector<std::string> drawn = ui().paint_record(probe.handle, ContentsEditor::kEntries);
  const std::vector<std::string> expected = {
      "font variable",
      "fill 0 0 400 20 0x800000",
      "bitmap 5 2 16 16 \"OPEN\"",
      "text 30 0 370 20 0xFFFFFF left \"Getting Started\"",
      "fill 0 20 400 20 0xC0C0C0",
      "bitmap 35 22 16 16 \"TOPIC\"",
      "text 60 20 340 20 0x000000 left \"Installing\"",
      "fill 0 40 400 20 0xC0C0C0",
      "bitmap 35 42 16 16 \"TOPIC\"",
      "text 60 40 340 20 0x000000 left \"Saws\"",
      "fill 0 60 400 20 0xC0C0C0",
      "bitmap 5 62 16 16 \"OPEN\"",
      "text 30 60 370 20 0x008000 left \":include more.cnt\"",
      "fill 0 80 400 20 0xC0C0C0",
      "bitmap 5 82 16 16 \"TOPIC\"",
      "text 30 80 370 20 0x000000 left \"Mail us\"",
  };
  EXPECT_EQ(drawn, expected);
}

TEST_F(ContentsEditorTest, TheFileShowsAsItsHostPathAndIsWrittenWhereItLies) {
  tw_test::MixedCaseDir dir;
  const std::string shown = dir.file("Guide Help/Guide.cnt");
  tw_test::write_file(dir.file("Guide Help/Guide.hpj"), "[OPTIONS]\r\n[FILES]\r\nguide.rtf\r\n");
  tw_test::write_file(shown, kRealFile);
  state.project_path = text::to_lower(platform::to_system_path(dir.file("Guide Help/Guide.hpj")));
  Probe probe(state, session, [&](ui::Dialog& d) {
    EXPECT_EQ(d.text(ContentsEditor::kPath), shown);
    EXPECT_EQ(d.text(ContentsEditor::kTitle), "Guide Help");
  });
  ui().queue_script("dialog DLG_CNT\nset IDC_CNT_TITLE Guide\nclick 1\n");
  EXPECT_EQ(ui().run_modal(core::authoring_module(), "DLG_CNT", probe, 0), 1);
  std::string changed = kRealFile;
  changed.replace(changed.find("Guide Help"), 10, "Guide");
  EXPECT_EQ(tw_test::read_file(shown), changed);
}

TEST_F(ContentsEditorTest, TheScreenChoosesTheLayoutAndCancelWritesNothing) {
  EXPECT_FALSE(contents::use_large_layout(795));
  EXPECT_TRUE(contents::use_large_layout(796));
  ui().set_screen_size({760, 560});
  EXPECT_EQ(edit("dialog DLG_CNT\nset 104 Lost\nclick 106\nclick 2\n"), 1);
  ui().set_screen_size({1024, 768});
  state.options.invalid_index = true;
  EXPECT_EQ(edit("message OK\ndialog DLG_CNT_B\nclick 2\n"), 1);
  EXPECT_FALSE(tw_test::exists(host(kContents)));
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_NE(messages()[0].find("keyword indexes for this project are out of date"), std::string::npos);
  EXPECT_TRUE(ui().pending_script().empty()) << ui().pending_script().front();
}

TEST_F(ContentsEditorTest, BooksTopicsAndMacrosGoInAfterTheSelection) {
  EXPECT_EQ(edit("dialog DLG_CNT_B\n"
                 "set 112 Guide Help\n"
                 "set 104 Getting Started\nclick 106\n"
                 // Two topics in a secondary window: one level below the book.
                 "check 107 1\n"
                 "select 101 Cutting with a saw\nselect 101 Introduction\n"
                 "set 115 second\nclick 108\n"
                 // A book after a topic goes one level out.
                 "set 104 Parts\nclick 106\n"
                 "select# 101 -1\ndblclick 101 0\n"
                 "set 104 :INCLUDE More.CNT\nclick 106\n"
                 "click 116\ndialog DLG_CNTMAC\nset 101 Mail us\nset 102   Mail()\nclick 1\n"
                 "click 1\n"),
            1);
  EXPECT_EQ(crlf_text_of(kContents),
            ":Base guide.hlp\n"
            ":Title Guide Help\n"
            "1 Getting Started\n"
            "2 Cutting with a saw=IDH_saw>second\n"
            "2 Introduction=IDH_intro>second\n"
            "1 Parts\n"
            "2 # {IDH_bolt}=IDH_bolt\n"
            ":include more.cnt\n"
            "1 Mail us=!Mail()\n");
  EXPECT_TRUE(ui().pending_script().empty());
}

TEST_F(ContentsEditorTest, ShiftsAskFirstAndDeleteRemovesExactlyTheSelection) {
  tw_test::write_file(host(kContents), "1 Book\n2 One=one\n2 Two=two\n2 Three=three\n1 End=end\n");
  EXPECT_EQ(edit("dialog DLG_CNT_B\n"
                 // The first entry cannot go deeper without a warning: No keeps it.
                 "click 362\nmessage No\n"
                 // One=one under its book: shifting left warns; Yes shifts.
                 "select# 102 -1\nselect# 102 1\nclick 360\nmessage Yes\n"
                 // Three and End one place up, then both to level 1.
                 "select# 102 -1\nselect# 102 3\nselect# 102 4\nclick 363\nclick 361\n"
                 // Not contiguous: Book and Two go.
                 "select# 102 -1\nselect# 102 0\nselect# 102 4\nclick 109\n"
                 "click 1\n"),
            1);
  // The file's own line ends (LF here) are kept.
  EXPECT_EQ(text_of(kContents), ":Base guide.hlp\n:Title \n1 One=one\n1 Three=three\n1 End=end\n");
  ASSERT_EQ(messages().size(), 2u);
  EXPECT_NE(messages()[0].find("Shifting this item right"), std::string::npos);
  EXPECT_NE(messages()[0].find("icon=stop -> No"), std::string::npos);
  EXPECT_NE(messages()[1].find("Shifting this item left"), std::string::npos);
}

TEST_F(ContentsEditorTest, TheEntryEditorsRefuseBlanksAndKeepTheLevel) {
  tw_test::write_file(host(kContents), "1 Book\r\n3 Saws=IDH_saw@shop.hlp>second\r\n2 Run=!Mail()\r\n");
  EXPECT_EQ(edit("dialog DLG_CNT_B\n"
                 "select# 102 -1\nselect# 102 1\nclick 114\n"
                 "dialog DLG_CNTED\nset 101 \nclick 1\nmessage OK\nset 101 Saw blades  \nset 103 \nclick 1\n"
                 "select# 102 -1\nselect# 102 0\nclick 114\ndialog DLG_CNTED\nset 101 Workshop\nclick 1\n"
                 "select# 102 -1\ndblclick 102 2\ndialog DLG_CNTMAC\nset 102 \nclick 1\nmessage OK\nclick 2\n"
                 "click 1\n"),
            1);
  EXPECT_EQ(text_of(kContents),
            ":Base guide.hlp\r\n:Title \r\n1 Workshop\r\n3 Saw blades=IDH_saw>second\r\n2 Run=!Mail()\r\n");
  const auto shown = messages();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_NE(shown[0].find("You can't leave this item blank."), std::string::npos);
  bool book_caption = false;
  for (const auto& line : ui().transcript())
    if (line.rfind("dialog DLG_CNTED \"Edit Book Entry\"", 0) == 0) book_caption = true;
  EXPECT_TRUE(book_caption);
}

TEST_F(ContentsEditorTest, IndexAndLinkItemsKeepTheirKind) {
  tw_test::write_file(host(kContents), ":Index Old=old.hlp\r\n:Link gone.hlp\r\n1 A=a\r\n");
  EXPECT_EQ(edit("dialog DLG_CNT_B\nclick 111\n"
                 "dialog DLG_INDEX\n"
                 "select 101 gone.hlp\nclick 103\n"
                 "set 106 tools.hlp\nset 107 Tools\nclick 102\n"
                 "set 106 parts.hlp\nclick 102\n"
                 "check 105 1\nset 106 links.hlp\nclick 102\n"
                 "click 1\n"
                 "click 1\n"),
            1);
  EXPECT_EQ(crlf_text_of(kContents),
            ":Base guide.hlp\n:Title \n:Index Old=old.hlp\n:Index Tools=tools.hlp\n:Index parts.hlp=parts.hlp\n"
            ":Link links.hlp\n1 A=a\n");
}

TEST_F(ContentsEditorTest, AFileThatCannotBeWrittenKeepsTheDialogOpen) {
  tw_test::write_file(host(kContents), "1 Keep=keep\n");
  // A folder where the temporary file would go cannot be written.
  state.project_path = "c:\\nowhere\\guide.hpj";
  EXPECT_EQ(edit("dialog DLG_CNT_B\nset 104 New\nclick 106\nclick 1\nmessage OK\nclick 2\n"), 1);
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_NE(messages()[0].find("could not be written"), std::string::npos);
  EXPECT_EQ(tw_test::read_file(host(kContents)), "1 Keep=keep\n");
}

TEST_F(ContentsEditorTest, TopicsFollowTheirContextAndTitle) {
  tw_test::write_file(host(kContents), "1 Book\r\n2 Saws=IDH_saw>second\r\n2 Other=idh_saw@shop.hlp\r\n2 Again=idh_SAW\r\n");
  EXPECT_EQ(contents::GetContentsPath(kProject), kContents);
  EXPECT_EQ(contents::GetContentsPath("c:\\help\\none.hpj"), "");
  EXPECT_TRUE(contents::update_title_or_cx(kContents, "IDH_saw", "IDH_saws", ""));
  EXPECT_EQ(tw_test::read_file(host(kContents)),
            "1 Book\r\n2 Saws=IDH_saws>second\r\n2 Other=idh_saw@shop.hlp\r\n2 Again=IDH_saws\r\n");
  EXPECT_TRUE(contents::update_title_or_cx(kContents, "IDH_saws", "", "Saws and blades"));
  EXPECT_EQ(tw_test::read_file(host(kContents)),
            "1 Book\r\n2 Saws and blades=IDH_saws>second\r\n2 Other=idh_saw@shop.hlp\r\n"
            "2 Saws and blades=IDH_saws\r\n");
  EXPECT_TRUE(contents::update_title_or_cx("c:\\help\\none.cnt", "IDH_saws", "x", ""));
}

// The finder's preview page over its own template, with the hooks it gives.
class PreviewProbe : public contents::PreviewPage {
 public:
  PreviewProbe(authoring::LibraryState& state, contents::ContentsSession& session, std::string path,
               std::vector<std::string>& told)
      : PreviewPage(state, session, std::move(path),
                    {[&told](std::string_view caption) { told.push_back("caption " + std::string(caption)); },
                     [&told](std::string context) { told.push_back("go to " + context); }}) {}
  void on_init(ui::Dialog& dialog) override {
    PreviewPage::on_init(dialog);
    handle = dialog.handle();
  }
  ui::Handle handle = 0;
};

TEST_F(ContentsEditorTest, ThePreviewOpensBooksAndGoesOnlyToTopicsOfThisFile) {
  tw_test::write_file(host(kContents),
                      ":Title A contents title that runs on well past forty characters\r\n"
                      "1 Guide\r\n2 Intro=IDH intro>second\r\n2 Parts\r\n3 Bolt=bolt\r\n"
                      "2 Elsewhere=saw@shop.hlp\r\n1 Mail=!Mail()\r\n");
  std::vector<std::string> told;
  PreviewProbe page(state, session, kContents, told);
  ui().queue_script("dialog DLG_CNT_C\n"
                    "dblclick 130 0\n"            // Guide opens: its level-2 entries appear
                    "select# 130 1\nclick 131\n"  // Intro: a bookmark name of this file
                    "dblclick 130 3\n"            // another help file
                    "dblclick 130 4\n");          // a macro
  ui().run_modal(core::authoring_module(), "DLG_CNT_C", page, 0);
  EXPECT_EQ(told, (std::vector<std::string>{"caption Contents: A contents title that runs on well past ",
                                            "go to IDH_intro"}));
  const auto shown = messages();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_NE(shown[0].find("linked to a topic in another help file"), std::string::npos);
  EXPECT_EQ(shown[1].rfind("message \"!Mail()\" caption=\"Macro\"", 0), 0u) << shown[1];
  EXPECT_EQ(session.preview_item, 4u);

  const auto drawn = ui().paint_record(page.handle, contents::PreviewPage::kEntries);
  ASSERT_EQ(drawn.size(), 16u);
  EXPECT_EQ(drawn[2], "bitmap 5 2 16 16 \"OPEN\"");
  EXPECT_EQ(drawn[8], "bitmap 35 42 16 16 \"CLOSED\"");
  EXPECT_EQ(drawn[14], "bitmap 5 82 16 16 \"TOPIC\"");
}

// The finder's third tab shows the preview; a topic chosen there closes the
// finder with its document.
TEST_F(ContentsEditorTest, TheFinderGoesToATopicChosenInThePreview) {
  tw_test::write_file(host(kContents), "1 Guide\r\n2 Saws=IDH_saw>second\r\n");
  project::FinderPages pages;
  pages.contents = [this](project::FinderPageHooks hooks) -> std::unique_ptr<ui::DialogProc> {
    contents::PreviewHooks preview{std::move(hooks.set_caption),
                                   [go_to = std::move(hooks.go_to)](std::string context) { go_to(context); }};
    return std::make_unique<contents::PreviewPage>(state, session, kContents, std::move(preview));
  };
  std::string document, context;
  ui().queue_script("dialog DLG_GOTO\nselect 100 Contents File\ndblclick 130 0\ndblclick 130 1\n");
  EXPECT_EQ(project::GotoTopic(state, 0, document, context, pages), 1);
  EXPECT_EQ(document, "c:\\help\\guide.doc");
  EXPECT_EQ(context, "IDH_saw");
  EXPECT_EQ(state.settings.goto_tab, 2);
  EXPECT_TRUE(ui().pending_script().empty());
}

// The contents list takes Left, Right and Delete as the shift and delete
// buttons: the same warnings, the same result; other lists leave them.
TEST_F(ContentsEditorTest, ListKeysShiftAndDeleteAsTheButtonsDo) {
  tw_test::write_file(host(kContents), "1 Book\r\n2 One=one\r\n2 Two=two\r\n1 End=end\r\n");
  EXPECT_EQ(edit("dialog DLG_CNT_B\n"
                 // Two under One: shifting left warns; Yes shifts.
                 "select# 102 -1\nselect# 102 2\nkey 102 left\nmessage Yes\n"
                 // End after a level-1 topic: shifting right warns; No keeps it.
                 "select# 102 -1\nselect# 102 3\nkey 102 right\nmessage No\n"
                 // The keys mean nothing in the topic list.
                 "key 101 delete\nkey 101 left\n"
                 "select# 102 -1\nselect# 102 1\nkey 102 delete\n"
                 "click 1\n"),
            1);
  EXPECT_EQ(crlf_text_of(kContents), ":Base guide.hlp\n:Title \n1 Book\n1 Two=two\n1 End=end\n");
  const auto shown = messages();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_NE(shown[0].find("Shifting this item left"), std::string::npos);
  EXPECT_NE(shown[1].find("Shifting this item right"), std::string::npos);
  EXPECT_TRUE(ui().pending_script().empty());
}

// Large fonts: a base unit of 9 pixels or more makes the items 22 pixels high.
// The editor is kept above other windows.
TEST_F(ContentsEditorTest, LargeFontsMakeTheItemsTaller) {
  tw_test::write_file(host(kContents), "1 Book\r\n2 One=one\r\n");
  EXPECT_TRUE(contents::use_large_layout(1280, 10));
  EXPECT_FALSE(contents::use_large_layout(990, 10));  // 100 base units do not fit
  EXPECT_EQ(contents::list_item_height(8), 20);
  EXPECT_EQ(contents::list_item_height(9), 22);
  ui().set_screen_size({1280, 1024, 10});
  Probe probe(state, session, [](ui::Dialog&) {});
  ui().queue_script("dialog DLG_CNT_B\nclick 2\n");
  ui().run_modal(core::authoring_module(), "DLG_CNT_B", probe, 0);
  const auto& t = ui().transcript();
  EXPECT_NE(std::find(t.begin(), t.end(), "itemheight DLG_CNT_B 102 22"), t.end());
  EXPECT_NE(std::find(t.begin(), t.end(), "topmost DLG_CNT_B on"), t.end());
  const auto drawn = ui().paint_record(probe.handle, ContentsEditor::kEntries);
  ASSERT_EQ(drawn.size(), 7u);
  EXPECT_EQ(drawn[0], "font variable");
  EXPECT_EQ(drawn[4], "fill 0 22 400 22 0xC0C0C0");
  EXPECT_EQ(drawn[6], "text 60 22 340 22 0x000000 left \"One\"");
}

TEST(PreviewScroll, UpToTenItemsUnderAnOpenedBookComeIntoView) {
  using contents::top_after_opening;
  EXPECT_EQ(top_after_opening(0, 14, 11), 0u);   // the first ten fit under the book
  EXPECT_EQ(top_after_opening(8, 3, 11), 1u);    // just enough to show the three
  EXPECT_EQ(top_after_opening(8, 12, 11), 8u);   // the book at the top, ten below
  EXPECT_EQ(top_after_opening(20, 30, 5), 20u);  // a short list keeps the book in view
  EXPECT_EQ(top_after_opening(3, 2, 0), 3u);     // a list of no known height
}

// Opening a book low in the list scrolls its items into view; the finder's
// list has room for eleven items.
TEST_F(ContentsEditorTest, ThePreviewScrollsAnOpenedBookIntoView) {
  std::string file;
  for (int i = 0; i < 8; ++i) file += "1 Topic " + std::to_string(i) + "=t" + std::to_string(i) + "\r\n";
  file += "1 Parts\r\n2 Bolt=bolt\r\n2 Nut=nut\r\n2 Washer=washer\r\n1 Last=last\r\n";
  tw_test::write_file(host(kContents), file);
  std::vector<std::string> told;
  PreviewProbe page(state, session, kContents, told);
  ui().queue_script("dialog DLG_CNT_C\ndblclick 130 8\ndblclick 130 8\n");
  ui().run_modal(core::authoring_module(), "DLG_CNT_C", page, 0);
  std::vector<std::string> list_calls;
  for (const auto& line : ui().transcript())
    if (line.rfind("topindex ", 0) == 0 || line.rfind("itemheight ", 0) == 0) list_calls.push_back(line);
  // Closing the book again does not scroll.
  EXPECT_EQ(list_calls, (std::vector<std::string>{"itemheight DLG_CNT_C 130 20", "topindex DLG_CNT_C 130 1"}));
}

}  // namespace
