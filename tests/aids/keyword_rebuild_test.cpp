// The full rebuild of the keyword databases from topic files as word
// processors and people write them.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "aids/keyword_commands.h"
#include "aids/keyword_rebuild.h"
#include "core/settings.h"
#include "keyword_fixture.h"

namespace {

using aids::KeywordKind;

// A word processor's topic file: footnote marks in style groups, split runs,
// \'xx and \rquote escapes, two K footnotes in one topic, a picture whose
// data runs over far more than one 64 000-byte read (one of them inside a
// keyword footnote), an embedded object, CR LF.
std::string word_processor_file() {
  std::string hex;
  for (int line = 0; line < 2500; ++line) hex += std::string(64, line % 2 ? 'a' : '7') + "\r\n";
  return "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\froman\\fcharset0 Times New Roman;}}\r\n"
         "{\\stylesheet{\\s15\\fs20 footnote text;}{\\*\\cs15\\super footnote reference;}}\r\n"
         "\\pard\\plain {\\cs15\\super #}{\\footnote \\pard\\plain \\s15\\fs20 {\\cs15\\super #} IDH_welcome}"
         "{\\cs15\\super $}{\\footnote \\pard\\plain \\s15 {\\cs15\\super $} Welcome to Caf\\'e9 World}\r\n"
         "{\\cs15\\super K}{\\footnote \\pard\\plain \\s15 {\\cs15\\super K} caf{\\i \\'e9};author\\rquote s notes}"
         "{\\cs15\\super A}{\\footnote \\pard\\plain \\s15 {\\cs15\\super A} welcome_al}\r\n"
         "{\\cs15\\super K}{\\footnote \\pard\\plain \\s15 {\\cs15\\super K} intro}Welcome.\\par\r\n"
         "{\\pict\\pngblip\\picw10\\pich10\r\n" + hex + "}\\par\r\n"
         "{\\object\\objemb{\\*\\objclass Paint}{\\*\\objdata 01050000\r\n" + hex + "}{\\result Shown}}\\par\r\n"
         "\\page\r\n"
         "{\\cs15\\super #}{\\footnote {\\cs15\\super #} IDH_{\\b print}ing}"
         "{\\cs15\\super $}{\\footnote {\\cs15\\super $} Printing}"
         "{\\cs15\\super K}{\\footnote {\\cs15\\super K} Print;{\\pict\\wmetafile8\r\n" + hex +
         "}Print:setup;}Text.\\par\r\n"
         "}\r\n";
}

// Hand-written RTF with LF line ends: bare footnote marks, a topic without
// keywords, one with keywords but no title, one with no context string.
const char* kHandWritten =
    "{\\rtf1\\ansi\n"
    "#{\\footnote # IDH_plain}${\\footnote $ Plain topic}Body\\par\n\\page\n"
    "#{\\footnote # IDH_untitled}K{\\footnote K loose}A{\\footnote A alone}Body\\par\n\\page\n"
    "${\\footnote $ Nameless}K{\\footnote K orphan}Body\\par\n\\page\n"
    "#{\\footnote # IDH_last}Body\\par\n}\n";

class KeywordRebuildTest : public tw_test::KeywordFixture {
 protected:
  std::string shown() {
    std::string all;
    for (const std::string& line : ui().transcript()) all += line + "\n";
    return all;
  }
};

TEST_F(KeywordRebuildTest, WritesBothDatabasesRecordByRecordInFileOrder) {
  add_topic_file("intro.rtf", word_processor_file());
  add_topic_file("missing.rtf", "");
  add_topic_file("plain.rtf", kHandWritten);
  std::remove(host("c:\\help\\missing.rtf").c_str());  // a topic file that does not open is skipped
  EXPECT_EQ(aids::RebuildKeywordIndexes(state, 0), 1);

  EXPECT_EQ(database(KeywordKind::k),
            "\r\n"
            "\r\nIDH_welcome\tWelcome to Caf\xe9 World\tcaf\xe9;author\x92s notes;intro;"
            "\r\nIDH_printing\tPrinting\tPrint;Print:setup;;"
            "\r\nIDH_plain\tPlain topic\t"
            "\r\nIDH_untitled\t\tloose;"
            "\r\nIDH_last\t");
  EXPECT_EQ(database(KeywordKind::a),
            "\r\n"
            "\r\nIDH_welcome\tWelcome to Caf\xe9 World\twelcome_al;"
            "\r\nIDH_printing\tPrinting\t"
            "\r\nIDH_plain\tPlain topic\t"
            "\r\nIDH_untitled\t\talone;"
            "\r\nIDH_last\t");
}

// A K footnote whose "}" is missing ends at its topic's \page (or at the
// file end): the topics after it keep their own records.
TEST_F(KeywordRebuildTest, FootnoteWithoutClosingBraceEndsAtItsTopic) {
  add_topic_file("broken.rtf",
                 "{\\rtf1\\ansi\r\n#{\\footnote # IDH_first}${\\footnote $ First}K{\\footnote K a;b}Body\\par\r\n"
                 "\\page\r\n#{\\footnote # IDH_second}K{\\footnote K open\\par\r\n\\page\r\n"
                 "#{\\footnote # IDH_third}${\\footnote $ Third}K{\\footnote K c}Body\\par\r\n\\page\r\n"
                 "#{\\footnote # IDH_last}K{\\footnote K tail\\par\r\nBody\\par\r\n");
  aids::RebuildKeywordIndexes(state, 0);
  EXPECT_EQ(database(KeywordKind::k),
            "\r\n\r\nIDH_first\tFirst\ta;b;\r\nIDH_second\t\topen;\r\nIDH_third\tThird\tc;"
            "\r\nIDH_last\t\ttail Body;");
}

TEST_F(KeywordRebuildTest, RebuildClearsCacheFlagAndOutOfDateFlag) {
  add_topic_file("plain.rtf", kHandWritten);
  state.keywords.cache_valid_a = state.keywords.cache_valid_k = true;
  state.options.invalid_index = true;
  aids::RebuildKeywordIndexes(state, 0);
  EXPECT_FALSE(state.keywords.cache_valid_a);
  EXPECT_FALSE(state.keywords.cache_valid_k);
  EXPECT_FALSE(state.options.invalid_index);
  EXPECT_EQ(core::read_project_int(core::option_file_path(kProject), "Invalid index"), 0);
  // Each database shows its progress window while the files are scanned.
  EXPECT_EQ(shown(),
            "window DLG_BUILDA_IDX \"Building A-Keyword Index\" opened\nwindow DLG_BUILDA_IDX closed\n"
            "window DLG_BUILDK_IDX \"Building K-Keyword Index\" opened\nwindow DLG_BUILDK_IDX closed\n");
}

TEST_F(KeywordRebuildTest, NoTopicFilesLeavesTheDatabasesAlone) {
  put_database(KeywordKind::k, "\r\nIDH_kept\tKept\tkeep;");
  EXPECT_EQ(aids::RebuildKeywordIndexes(state, 0), 1);
  EXPECT_EQ(database(KeywordKind::k), "\r\nIDH_kept\tKept\tkeep;");
  EXPECT_FALSE(tw_test::exists(host(aids::database_path(kProject, KeywordKind::a))));
}

TEST_F(KeywordRebuildTest, UnwritableDatabaseIsReportedAndTheIndexStaysOutOfDate) {
  add_topic_file("plain.rtf", kHandWritten);
  state.options.invalid_index = true;
  std::filesystem::create_directories(host(aids::database_path(kProject, KeywordKind::k)));
  aids::RebuildKeywordIndexes(state, 0);
  EXPECT_TRUE(state.options.invalid_index);
  EXPECT_NE(shown().find("could not be written"), std::string::npos) << shown();
  EXPECT_EQ(database(KeywordKind::a).substr(0, 16), "\r\n\r\nIDH_plain\tPl");
}

TEST_F(KeywordRebuildTest, OutOfDateWarningShowsOnlyWhileTheFlagIsSet) {
  aids::WarnIfIndexOutOfDate(state);
  EXPECT_EQ(shown(), "");
  state.options.invalid_index = true;
  aids::WarnIfIndexOutOfDate(state);
  EXPECT_EQ(shown(),
            "message \"The keyword indexes for this project are out of date.  You may wish to use the Build "
            "Keyword Indexes under the File menu to update the indexes.\" caption=\"Tarvenwick\" icon=exclamation -> OK (default)\n");
}

}  // namespace
