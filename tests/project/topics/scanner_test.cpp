// The topic file scanner on RTF as word processors write it, on hand-written
// RTF and on the sample project's files.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/files.h"
#include "project/topics/topic_scanner.h"
#include "support/test_support.h"

namespace {

using project::HotspotKind;
using project::ScannedTopic;

// Records every event as a line, and every finished topic.
class Recorder : public project::ScanSink {
 public:
  std::vector<std::string> events;
  std::vector<ScannedTopic> topics;
  int stop_after = -1;

  void on_footnote(char kind, std::string_view text, const ScannedTopic&) override {
    events.push_back(std::string(1, kind) + " " + std::string(text));
  }
  void on_hotspot(const project::ScannedHotspot& h, const ScannedTopic&) override {
    static const char* names[] = {"jump", "popup", "macro"};
    events.push_back(std::string(names[static_cast<int>(h.kind)]) + " " + h.target);
  }
  bool on_topic_end(const ScannedTopic& topic) override {
    events.push_back("end");
    topics.push_back(topic);
    return static_cast<int>(topics.size()) != stop_after;
  }
};

Recorder scan(std::string_view rtf, const project::TopicTable& table = {}) {
  Recorder r;
  project::ScanTopicText(rtf, table, r);
  return r;
}

using Events = std::vector<std::string>;

class ScannerFiles : public tw_test::Fixture {};

TEST_F(ScannerFiles, WordProcessorTopicFile) {
  // CR LF lines, footnotes wrapped over several lines, marks in style groups
  // (inside and beside the footnote group), escapes in the document's and a
  // font's code page, hotspots split over runs, in table cells and after a
  // picture, and an A footnote that is not scanned.
  Recorder r;
  project::TopicTable table;
  auto result = project::ScanTopicFile(std::string(TW_TEST_DATA) + "/project/word_topics.rtf", table, r);
  ASSERT_EQ(result, project::ScanResult::done);
  EXPECT_EQ(r.events, (Events{"# T_ONE", "$ A very long title that continues here and ends", "K alpha;beta;gamma",
                              "+ main:005", "K Caf\xe9 menu;\xd8resund", "jump T_ONE", "jump T_TWO", "popup T_THREE",
                              "macro !ExecProgram(`notepad.exe', 0)", "jump T_TWO", "end", "# T_TWO",
                              "$ Using italic words", "K what\x92s new;version 2", "* beta_tag",
                              "! CloseWindow(`main')", "end"}));
  ASSERT_EQ(r.topics.size(), 2u);
  EXPECT_EQ(r.topics[0].keywords, "alpha;beta;gamma;Caf\xe9 menu;\xd8resund");
  EXPECT_EQ(r.topics[0].hotspots.size(), 5u);
  EXPECT_EQ(r.topics[1].title, "Using italic words");
}

TEST_F(ScannerFiles, SampleTopicFileAndMissingFile) {
  Recorder r;
  project::TopicTable table;
  auto result = project::ScanTopicFile(std::string(TW_SOURCE_DIR) + "/samples/sample/intro.rtf", table, r);
  ASSERT_EQ(result, project::ScanResult::done);
  EXPECT_EQ(r.events,
            (Events{"# IDH_welcome", "$ Welcome to the Sample Help", "K welcome;introduction;overview", "+ main:005",
                    "jump IDH_getting_started", "popup IDH_def_topic", "jump IDH_printing", "jump IDH_shortcuts",
                    "end", "# IDH_getting_started", "$ Getting Started", "K getting started;introduction;basics",
                    "+ main:010", "jump IDH_printing", "end", "# IDH_def_topic", "$ Topic",
                    "K topic;definitions", "end"}));
  EXPECT_EQ(project::ScanTopicFile("c:\\no\\such.rtf", table, r), project::ScanResult::not_opened);
}

TEST(Scanner, HandWrittenFootnotesKeepTheirTextWithoutFormatting) {
  auto r = scan(
      "{\\rtf1\\ansi\n"
      "#{\\footnote # IDH_one}\n"
      "${\\footnote $ Bold \\b word\\b0  end}\n"
      "K{\\footnote K one;{\\i two};three}\n"
      "K{\\footnote K Caf\\'e9;na\\u239\\'3fve;\\u8364?uro;\\u1076?a}\n"
      "\\par \\page\n"
      "#{\\footnote {\\super #}{ }{IDH_two}}\n"
      "${\\footnote $ {\\b\\i Split}\n title\\tab here\\par }\n"
      "+{\\footnote + main:0010}!{\\footnote ! CloseWindow(`main')}{\\super *}{\\*\\footnote * beta_tag}\n"
      "Text\\par }\n");
  EXPECT_EQ(r.events, (Events{"# IDH_one", "$ Bold word end", "K one;two;three", "K Caf\xe9;na\xefve;\x80uro;?a",
                              "end", "# IDH_two", "$ Split title here", "+ main:0010", "! CloseWindow(`main')",
                              "* beta_tag", "end"}));
  ASSERT_EQ(r.topics.size(), 2u);
  EXPECT_EQ(r.topics[0].keywords, "one;two;three;Caf\xe9;na\xefve;\x80uro;?a");
}

TEST(Scanner, TextComesInTheDocumentsCodePage) {
  // A Cyrillic document: its \'xx bytes stay, \uN and \rquote come in code
  // page 1251, a Latin font's bytes are brought over where 1251 has them.
  auto r = scan(
      "{\\rtf1\\ansi\\ansicpg1251\\deff0{\\fonttbl{\\f0\\fcharset204 Arial;}{\\f1\\fcharset238 Times CE;}}\r\n"
      "\\pard #{\\footnote # T_RU}${\\footnote $ \\'cf\\'f0\\'e8\\u1074\\'3f\\'e5\\'f2 \\rquote "
      "{\\f1 caf\\'e9 \\'bb}}\\par }\r\n");
  EXPECT_EQ(r.events, (Events{"# T_RU", "$ \xcf\xf0\xe8\xe2\xe5\xf2 \x92" "caf? \xbb", "end"}));
}

TEST(Scanner, NewerWordProcessorRunsAndRevisionMarks) {
  // Every run in its own group with direction and revision words; a target
  // split by a bookmark; underlined field instructions start no hotspot.
  auto r = scan(
      "{\\rtf1\\ansi\\ansicpg1252\\uc1\\deff0{\\fonttbl{\\f0\\froman\\fcharset0 Times New Roman;}}\r\n"
      "\\pard\\plain \\ltrpar\\ql \\rtlch\\fcs1 \\af0 \\ltrch\\fcs0 \\fs24\\lang1033 {\\rtlch\\fcs1 \\af0 "
      "\\ltrch\\fcs0 \\cs15\\super\\insrsid4 #}{\\footnote \\ltrpar \\pard\\plain \\ltrpar\\s16\\ql "
      "\\rtlch\\fcs1 \\af0\\afs20 \\ltrch\\fcs0 \\fs20\\lang1033 {\\rtlch\\fcs1 \\af0 \\ltrch\\fcs0 "
      "\\cs15\\super\\insrsid4 #}{\\rtlch\\fcs1 \\af0 \\ltrch\\fcs0 \\insrsid4  IDH_new}{\\rtlch\\fcs1 "
      "\\af0 \\ltrch\\fcs0 \\insrsid4 \\par }}\r\n"
      "{\\rtlch\\fcs1 \\af0 \\ltrch\\fcs0 \\uldb\\insrsid4 Open}{\\rtlch\\fcs1 \\af0 \\ltrch\\fcs0 "
      "\\v\\insrsid4 IDH_}{\\*\\bkmkstart here}{\\*\\bkmkend here}{\\rtlch\\fcs1 \\af0 \\ltrch\\fcs0 "
      "\\v\\insrsid4 open}{\\rtlch\\fcs1 \\af0 \\ltrch\\fcs0 \\insrsid4  or }{\\field{\\*\\fldinst "
      "{\\uldb HYPERLINK x}}{\\fldrslt link}}{\\v hidden note}\r\n"
      "\\par }");
  EXPECT_EQ(r.events, (Events{"# IDH_new", "jump IDH_open", "end"}));
}

TEST(Scanner, HotspotKindsAndJoinedHiddenText) {
  auto r = scan(
      "\\par See {\\uldb Printing}{\\v IDH_print}{\\v ing>second} and {\\ul term}{\\v\\f2 IDH_term}.\n"
      "\\par Run {\\uldb Notepad}{\\v !ExecProgram(`notepad.exe', 0)} or \\uldb Plain\\uldb0\\v IDH_plain\\v0 .\n"
      "\\par Split {\\uldb across}\n"
      "{\\v IDH_next_line}\\par }\n");
  EXPECT_EQ(r.events, (Events{"jump IDH_printing>second", "popup IDH_term", "macro !ExecProgram(`notepad.exe', 0)",
                              "jump IDH_plain", "jump IDH_next_line", "end"}));
}

TEST(Scanner, UnderlineWithoutHiddenTextIsNoHotspot) {
  auto r = scan(
      "\\par {\\ul just underlined} then words {\\v a comment}\\par\n"
      "\\par {\\ul first}{\\uldb second}{\\v IDH_second}\\ulnone\\par\n"
      "\\par {\\ul0 off}{\\v IDH_off} {\\uldb }{\\v } {\\uldb \\{x\\}}\\par\n"
      "\\par {\\uldb broken}\\par {\\v IDH_next_paragraph}\\par }\n");
  EXPECT_EQ(r.events, (Events{"jump IDH_second", "end"}));
}

TEST(Scanner, PictureDataNeverReachesTheFootnoteText) {
  std::string rtf = "{\\cs15\\super #}{\\footnote\\pard {\\cs15\\super #} IDH_before}{\\pict\\wmetafile8\\picw100\n";
  for (int i = 0; i < 3000; ++i) rtf += "ffd8ffe000104a46494600010101004800480000ffdb004300080606070605080707\n";
  rtf += "ff}${\\footnote $ After}{\\uldb Next}{\\v IDH_next}\\par }\n";
  auto r = scan(rtf);
  EXPECT_EQ(r.events, (Events{"# IDH_before", "$ After", "jump IDH_next", "end"}));
}

TEST(Scanner, TopicNumbersComeFromTheTable) {
  project::TopicTable table;
  project::AddOrUpdateTopic(table, {"IDH_known", ""});
  project::AddOrUpdateTopic(table, {"IDH_target", ""});
  auto r = scan("#{\\footnote # IDH_known}{\\uldb x}{\\v IDH_TARGET>win}{\\ul y}{\\v other@file.hlp}\\page\n"
                "#{\\footnote # IDH_unknown}\n",
                table);
  ASSERT_EQ(r.topics.size(), 2u);
  EXPECT_EQ(r.topics[0].number, 0);
  ASSERT_EQ(r.topics[0].hotspots.size(), 2u);
  EXPECT_EQ(r.topics[0].hotspots[0].topic, 1);
  EXPECT_EQ(r.topics[0].hotspots[1].topic, -1);
  EXPECT_EQ(r.topics[1].number, -1);
}

TEST(Scanner, SinkStopsTheScan) {
  Recorder r;
  r.stop_after = 1;
  project::TopicTable table;
  auto result = project::ScanTopicText("#{\\footnote # A}\\page #{\\footnote # B}\\page", table, r);
  EXPECT_EQ(result, project::ScanResult::stopped);
  EXPECT_EQ(r.events, (Events{"# A", "end"}));
}

TEST(Scanner, TruncatedAndHostileInputEndsCleanly) {
  EXPECT_EQ(scan("{\\footnote {\\cs15\\super #} IDH_cut").events, Events{});  // no footnote character
  EXPECT_EQ(scan("#{\\footnote # IDH_cut\nmore").events, (Events{"# IDH_cutmore", "end"}));
  EXPECT_EQ(scan("{\\uldb x}{\\v").events, Events{});
  EXPECT_EQ(scan("{\\uldb x}{\\v IDH_x").events, (Events{"jump IDH_x", "end"}));
  EXPECT_EQ(scan("\\").events, Events{});
  EXPECT_EQ(scan("\\'4").events, Events{});
  EXPECT_EQ(scan("\\bin999999 #{\\footnote # hidden}").events, Events{});
  EXPECT_EQ(scan("}}}}\\page{{{{").events, Events{"end"});
  // Footnotes hold no page breaks: a \page inside one stands for its
  // missing "}" and ends the footnote and the topic.
  EXPECT_EQ(scan("#{\\footnote # IDH_a\\page}${\\footnote $ Next topic}").events,
            (Events{"# IDH_a", "end", "$ Next topic", "end"}));
}

TEST(Scanner, LongTextsAreKeptWhole) {
  // Nothing in a topic file limits a footnote's length or a topic's hotspots.
  std::string keywords;
  while (keywords.size() < 20000) keywords += "keyword " + std::to_string(keywords.size()) + ";";
  std::string rtf = "K{\\footnote K " + keywords + "}";
  for (int i = 0; i < 12000; ++i) rtf += "{\\ul x}{\\v T" + std::to_string(i) + "} ";
  auto r = scan(rtf);
  ASSERT_EQ(r.topics.size(), 1u);
  EXPECT_EQ(r.topics[0].keywords, keywords);
  ASSERT_EQ(r.topics[0].hotspots.size(), 12000u);
  EXPECT_EQ(r.topics[0].hotspots.back().target, "T11999");
}

}  // namespace
