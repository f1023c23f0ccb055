// The topic file scanner on hand-made RTF and on the sample project's files.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "project/topic_scanner.h"
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

// Feeds the text line by line, as a file would come.
Recorder scan(std::string_view rtf, const project::TopicTable& table = {}) {
  Recorder r;
  project::TopicScanner scanner(table, r);
  size_t pos = 0;
  while (pos < rtf.size()) {
    size_t nl = rtf.find('\n', pos);
    bool end = nl != std::string_view::npos;
    scanner.add_line(rtf.substr(pos, (end ? nl : rtf.size()) - pos), end);
    pos = end ? nl + 1 : rtf.size();
  }
  scanner.finish();
  return r;
}

using Events = std::vector<std::string>;

TEST(Scanner, ReadsHelpFormAndWordProcessorFormFootnotes) {
  auto r = scan(
      "{\\rtf1\\ansi\n"
      "#{\\footnote # IDH_one}\n"
      "${\\footnote $ First topic}\n"
      "\\par \\page\n"
      "{\\cs15\\super #}{\\footnote\\pard\\plain\\s16\\fs20 {\\cs15\\super #} IDH_two}\n"
      "{\\cs15\\super K}{\\footnote\\pard\\plain {\\cs15\\super K} alpha;beta}\n"
      "{\\cs15\\super +}{\\footnote\\pard\\plain {\\cs15\\super +} main:0010}\n"
      "{\\cs15\\super !}{\\footnote\\pard\\plain {\\cs15\\super !} CloseWindow(`main')}\n"
      "{\\cs15\\super *}{\\footnote\\pard\\plain {\\*\\bkmkstart x}{\\cs15\\super *} beta_tag}\n"
      "Text\\par }\n");
  EXPECT_EQ(r.events, (Events{"# IDH_one", "$ First topic", "end", "# IDH_two", "K alpha;beta", "+ main:0010",
                              "! CloseWindow(`main')", "* beta_tag", "end"}));
  ASSERT_EQ(r.topics.size(), 2u);
  EXPECT_EQ(r.topics[1].keywords, "alpha;beta");
  EXPECT_EQ(r.topics[1].browse, "main:0010");
  EXPECT_EQ(r.topics[1].build_tags, "beta_tag");
}

TEST(Scanner, FootnoteSpreadOverLinesIsCompletedBeforeTheNext) {
  // The reference mark ends one line and the text follows on the next; the
  // footnote character stands on the line before its group. Line breaks
  // themselves are no text in RTF.
  auto r = scan(
      "{\\cs15\\super #}\n"
      "{\\footnote\\pard\\plain\\s16 {\\cs15\\super #}\n"
      " IDH_split}{\\cs15\\super $}{\\footnote\\pard {\\cs15\\super $} Split \n"
      "Title}\n"
      "{\\b formatted\\par}\n");
  EXPECT_EQ(r.events, (Events{"# IDH_split", "$ Split Title", "end"}));
}

TEST(Scanner, FootnoteTextStartingWithControlWordsOrBraces) {
  auto r = scan(
      "${\\footnote $ {\\b\\i Bold title}}\n"
      "K{\\footnote K \\'e9t\\'e9;summer}\n");
  EXPECT_EQ(r.events, (Events{"$ Bold title", "K \\'e9t\\'e9;summer", "end"}));
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
      "\\par {\\ul0 off}{\\v IDH_off} {\\uldb }{\\v } {\\uldb \\{x\\}}\\par }\n");
  EXPECT_EQ(r.events, (Events{"jump IDH_second", "end"}));
}

TEST(Scanner, PictureDataNeverReachesTheFootnoteSearch) {
  // The footnote's text follows the picture data: if the data were gathered
  // it would become the footnote's text.
  std::string rtf = "{\\cs15\\super #}{\\footnote\\pard {\\cs15\\super #}\n";
  for (int i = 0; i < 3000; ++i) rtf += "0123456789abcdef0123456789abcdef0123456789abcdef0123456789abcdef\n";
  rtf += "IDH_after_picture}\n{\\pict\\wmetafile8\\picw100\n";
  for (int i = 0; i < 3000; ++i) rtf += "ffd8ffe000104a46494600010101004800480000ffdb004300080606070605080707\n";
  rtf += "ff}{\\uldb Next}{\\v IDH_next}\\par }\n";
  auto r = scan(rtf);
  EXPECT_EQ(r.events, (Events{"# IDH_after_picture", "jump IDH_next", "end"}));
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
  project::TopicScanner scanner(table, r);
  scanner.add_line("#{\\footnote # A}\\page #{\\footnote # B}\\page", true);
  scanner.finish();
  EXPECT_TRUE(scanner.stopped());
  EXPECT_EQ(r.events, (Events{"# A", "end"}));
}

TEST(Scanner, TruncatedAndHostileInputEndsCleanly) {
  EXPECT_EQ(scan("{\\footnote {\\cs15\\super #} IDH_cut").events, Events{});  // no footnote character
  EXPECT_EQ(scan("#{\\footnote # IDH_cut\nmore").events, (Events{"# IDH_cut", "end"}));
  EXPECT_EQ(scan("{\\uldb x}{\\v").events, Events{});
  EXPECT_EQ(scan("{\\uldb x}{\\v IDH_x").events, (Events{"jump IDH_x", "end"}));
  EXPECT_EQ(scan("\\").events, Events{});
  EXPECT_EQ(scan("\\'4").events, Events{});
  EXPECT_EQ(scan("\\bin999999 #{\\footnote # hidden}").events, Events{});
  EXPECT_EQ(scan("}}}}\\page{{{{").events, Events{"end"});
}

TEST(Scanner, LongLinesAndUnfinishedMarkersKeepMemoryBounded) {
  // A footnote that never closes is given up after a while; what follows is
  // still read, also from lines far longer than the line buffer.
  std::string rtf = "#{\\footnote # never closed\n";
  std::string line = "\\plain ";
  while (line.size() < 20000) line += "text \\b bold\\b0  ";
  for (int i = 0; i < 200; ++i) rtf += line + "\n";
  rtf += line + "{\\uldb far}{\\v IDH_far}" + line + "\\page\n";
  auto r = scan(rtf);
  EXPECT_EQ(r.events, (Events{"# never closed", "jump IDH_far", "end"}));
}

class ScannerFiles : public tw_test::Fixture {};

TEST_F(ScannerFiles, SampleTopicFile) {
  Recorder r;
  project::TopicTable table;
  auto result = project::ScanTopicFile(std::string(TW_SOURCE_DIR) + "/samples/sample/intro.rtf", table, r);
  // a host path works as a path without a drive
  ASSERT_EQ(result, project::ScanResult::done);
  EXPECT_EQ(r.events,
            (Events{"# IDH_welcome", "$ Welcome to the Sample Help", "K welcome;introduction;overview", "+ main:005",
                    "jump IDH_getting_started", "popup IDH_def_topic", "jump IDH_printing", "jump IDH_shortcuts",
                    "end", "# IDH_getting_started", "$ Getting Started", "K getting started;introduction;basics",
                    "+ main:010", "jump IDH_printing", "end", "# IDH_def_topic", "$ Topic",
                    "K topic;definitions", "end"}));
  EXPECT_EQ(project::ScanTopicFile("c:\\no\\such.rtf", table, r), project::ScanResult::not_opened);
}

}  // namespace
