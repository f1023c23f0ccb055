// The entry editor's fields and the preview's opening and closing of books.
#include <gtest/gtest.h>

#include "contents/contents_preview.h"
#include "contents/entry_fields.h"

namespace {

using namespace contents;

ContentsModel model_of(const std::string& cnt) {
  ContentsModel model;
  model.file = formats::read_cnt(cnt);
  for (const auto& entry : model.file.entries) model.states.push_back(initial_state(entry));
  return model;
}

TEST(EntryFields, SplitAndComposeGiveTheEntryBack) {
  const CntEntry topic{2, "Saw\tsaw@shop.hlp>wide", false};
  const EntryFields fields = split_entry(topic);
  EXPECT_EQ(fields.title, "Saw");
  EXPECT_EQ(fields.target, "saw");
  EXPECT_EQ(fields.file, "shop.hlp");
  EXPECT_EQ(fields.window, "wide");
  EXPECT_EQ(compose_entry(fields, false), topic.text);

  // A macro keeps its "@" and ">" inside the macro.
  const CntEntry macro{1, "Mail\t!JumpId(`a@b.hlp>w', `x')", false};
  EXPECT_EQ(split_entry(macro).target, "!JumpId(`a@b.hlp>w', `x')");
  EXPECT_EQ(compose_entry({"Beep  ", "  Beep()", "", ""}, true), "Beep\t!Beep()");

  EXPECT_EQ(compose_entry({"Chapter ", "", "", ""}, false), "Chapter");
  EXPECT_EQ(blank_field({"   ", "x", "", ""}, true), BlankField::title);
  EXPECT_EQ(blank_field({"T", "  ", "", ""}, true), BlankField::target);
  EXPECT_EQ(blank_field({"T", "", "", ""}, false), BlankField::none);
  EXPECT_TRUE(is_placeholder_title("# {idh_x}"));
}

TEST(ContentsPreview, BooksOpenOneLevelAndCloseEverythingBelow) {
  ContentsModel model = model_of(
      "1 Guide\n2 Intro=intro\n2 Parts\n3 Bolt=bolt\n2 End=end\n1 Index=index\n");
  ContentsPreview preview = start_preview(model);
  EXPECT_EQ(preview.visible, (std::vector<size_t>{0, 5}));
  EXPECT_EQ(action_caption(model, preview, 0), "Open");
  EXPECT_EQ(action_caption(model, preview, 1), "Go To");

  ASSERT_TRUE(toggle_book(model, preview, 0));
  EXPECT_EQ(preview.visible, (std::vector<size_t>{0, 1, 2, 4, 5}));
  EXPECT_EQ(action_caption(model, preview, 0), "Close");
  ASSERT_TRUE(toggle_book(model, preview, 2));  // "Parts"
  EXPECT_EQ(preview.visible, (std::vector<size_t>{0, 1, 2, 3, 4, 5}));

  ASSERT_TRUE(toggle_book(model, preview, 0));
  EXPECT_EQ(preview.visible, (std::vector<size_t>{0, 5}));
  // Reopened, the inner book shows closed again.
  toggle_book(model, preview, 0);
  EXPECT_EQ(preview.visible, (std::vector<size_t>{0, 1, 2, 4, 5}));
  EXPECT_EQ(action_caption(model, preview, 2), "Open");
  EXPECT_FALSE(toggle_book(model, preview, 1));
  EXPECT_FALSE(toggle_book(model, preview, 99));
}

}  // namespace
