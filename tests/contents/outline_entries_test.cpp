// The outline's entry rules: levels of new entries, shifts, the checks made
// before saving, and the outline rebuilt from a contents file.
#include "contents/outline_entries.h"

#include <gtest/gtest.h>

#include "contents/outline_file.h"

namespace {

using namespace contents;

ContentsModel outline_of(const std::string& lines) {
  ContentsModel model;
  start_model(model);
  for (auto& entry : read_outline("[OUTLINE]\r\n" + lines)) append_entry(model, std::move(entry));
  return model;
}

std::string lines_of(const ContentsModel& model) {
  const std::string all = write_outline(model.file.entries);
  return all.substr(std::string(kOutlineHeader).size() + 2);
}

TEST(OutlineEntries, NewEntriesTakeTheAnchorsLevelWithinTheHeadings) {
  const auto model = outline_of("1 main.doc=\n2 Heading\n10 Deep\n9 Nine\n");
  EXPECT_EQ(new_heading_level(model, 0), 2);  // after a document
  EXPECT_EQ(new_heading_level(model, 2), 10);
  EXPECT_EQ(new_heading_level(model, std::nullopt), 2);
  EXPECT_EQ(new_outline_topic_level(model, 1), 2);
  EXPECT_EQ(new_outline_topic_level(model, 3), 9);
  EXPECT_EQ(new_outline_topic_level(model, 2), 2);  // a topic goes no deeper than 9
  EXPECT_EQ(new_outline_topic_level(model, 0), 2);
}

TEST(OutlineEntries, ShiftsKeepHeadingsWithinTwoToTenAndLeaveDocuments) {
  auto model = outline_of("1 main.doc=\n2 Two\n10 Ten\n5 Five=five\n");
  shift_outline_entries(model, {0, 1, 3}, -1);
  EXPECT_EQ(lines_of(model), "1 main.doc=\r\n2 Two\r\n10 Ten\r\n4 Five=five\r\n");
  shift_outline_entries(model, {0, 1, 2}, +1);
  EXPECT_EQ(lines_of(model), "1 main.doc=\r\n3 Two\r\n2 Ten\r\n4 Five=five\r\n");
  set_heading_level_two(model, {0, 1, 3});
  EXPECT_EQ(lines_of(model), "1 main.doc=\r\n2 Two\r\n2 Ten\r\n2 Five=five\r\n");
  shift_outline_entries(model, {7}, +1);  // beyond the list: nothing
  EXPECT_EQ(entry_count(model), 4u);
}

TEST(OutlineEntries, EveryEntryMustLieInADocumentThatIsNotExternal) {
  EXPECT_FALSE(check_outline(outline_of("1 main.doc=\n2 A\n1 law.doc=*ext*\n1 next.doc=\n3 B=b\n")));
  EXPECT_FALSE(check_outline(outline_of("")));

  auto problem = check_outline(outline_of("2 Stray\n1 main.doc=\n"));
  ASSERT_TRUE(problem);
  EXPECT_EQ(problem->index, 0u);
  EXPECT_EQ(problem->message, kMsgOutsideDocument);

  problem = check_outline(outline_of("1 main.doc=\n1 law.doc=*ext*\n2 Heading\n"));
  ASSERT_TRUE(problem);
  EXPECT_EQ(problem->index, 2u);
  EXPECT_EQ(problem->message, kMsgExternalHoldsNothing);
}

TEST(OutlineEntries, DocumentsAreNamedDocAndMayBeExternal) {
  EXPECT_EQ(make_document_entry("chapter", false).line(), "1 chapter.doc\t");
  EXPECT_EQ(make_document_entry("chapter.rtf", true).line(), "1 chapter.doc\t*ext*");
  EXPECT_EQ(document_file_name("c:\\my.docs\\part"), "c:\\my.docs\\part.doc");
  EXPECT_EQ(make_heading_entry("", "IDH_x", 3).line(), "3 # {IDH_x}\tIDH_x");
  EXPECT_EQ(make_heading_entry("Setup", "", 4).line(), "4 Setup");

  const auto model = outline_of("1 a.doc=\n1 b.doc=*ext*\n2 H\n2 T=t\n");
  EXPECT_EQ(outline_kind(entry_at(model, 0)), OutlineKind::document);
  EXPECT_EQ(outline_kind(entry_at(model, 1)), OutlineKind::external_document);
  EXPECT_EQ(outline_kind(entry_at(model, 2)), OutlineKind::heading);
  EXPECT_EQ(outline_kind(entry_at(model, 3)), OutlineKind::topic_heading);
  EXPECT_TRUE(is_external_document_at(model, 1));
  EXPECT_FALSE(is_external_document_at(model, std::nullopt));
}

TEST(OutlineEntries, ImportTakesTheContentsEntriesOneLevelDeeper) {
  // As a word processor's help project writes it: header lines, books,
  // topics in other files and windows, a macro, an include.
  const auto contents = formats::read_cnt(
      ":Base guide.hlp>main\r\n:Title Guide Help\r\n:Index Other=other.hlp\r\n"
      "1 Getting Started\r\n2 Installing=install_topic>wide\r\n2 Elsewhere=far_topic@other.hlp>main\r\n"
      "2 # {IDH_untitled}=IDH_untitled\r\n1 Run Notepad=!ExecProgram(\"notepad.exe\", 1)\r\n"
      ":include more.cnt\r\n16 Deepest Book\r\n");
  ContentsModel outline;
  import_contents(outline, contents);
  EXPECT_EQ(lines_of(outline),
            "1 main.doc=\r\n2 Getting Started\r\n3 Installing=install_topic\r\n3 Elsewhere=far_topic\r\n"
            "3 # {IDH_untitled}=IDH_untitled\r\n2 Run Notepad\r\n10 Deepest Book\r\n");
  EXPECT_FALSE(check_outline(outline));

  import_contents(outline, formats::read_cnt(""));
  EXPECT_EQ(lines_of(outline), "1 main.doc=\r\n");
}

}  // namespace
