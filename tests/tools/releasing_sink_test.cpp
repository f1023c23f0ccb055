// Topic files read through a map that is given back behind the reader find
// exactly what a whole read finds, however far apart their references lie.
#include "tools/helpc/releasing_sink.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_support.h"
#include "tools/helpc/topic_collector.h"

namespace {

// One topic as a word processor writes it: footnote marks in their own
// style groups, escapes, a table with a hotspot in a cell, a bitmap, and
// a paragraph of filler that spreads topics over many pages.
std::string topic(int n) {
  const std::string id = "IDH_topic_" + std::to_string(n);
  std::string rtf =
      "\\pard\\plain \\s1\\sb240\\sa60\\keepn \\b\\f1\\fs28 {\\cs16\\super #{\\footnote \\pard\\plain "
      "\\s15 \\fs20 {\\cs16\\super #} " + id + "}}{\\cs16\\super ${\\footnote \\pard\\plain \\s15 \\fs20 "
      "{\\cs16\\super $} Topic\\rquote s title " + std::to_string(n) + "}}{\\cs16\\super K{\\footnote "
      "\\pard\\plain \\s15 \\fs20 {\\cs16\\super K} caf\\'e9;topic " + std::to_string(n) + "}} Topic "
      + std::to_string(n) + "\\par\r\n\\pard\\plain \\f0\\fs20 See {\\uldb next}{\\v IDH_topic_" +
      std::to_string(n + 1) + "} and {\\ul a note}{\\v\\f0 IDH_note>popup}.\\par\r\n"
      "\\trowd \\cellx3000\\cellx6000 \\pard\\intbl {\\uldb Cell}{\\v IDH_topic_1}\\cell \\{bmc pic" +
      std::to_string(n % 7) + ".bmp\\}\\cell \\row\r\n\\pard ";
  for (int i = 0; i < 40; ++i) rtf += "Filler text so that topics lie pages apart. ";
  return rtf + "\\par\r\n\\page\r\n";
}

std::string topic_file(int topics) {
  std::string rtf =
      "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\froman\\fcharset0 Times New Roman;}"
      "{\\f1\\fswiss\\fcharset0 Arial;}}\r\n{\\stylesheet{\\s15 footnote text;}{\\*\\cs16 \\super "
      "footnote reference;}}\r\n";
  for (int n = 1; n <= topics; ++n) rtf += topic(n);
  return rtf + "}\r\n";
}

// Everything the collector reports, one line per topic.
struct Facts {
  std::vector<std::string> lines;
  void add(const helpc::TopicFacts& t) {
    std::string line = std::to_string(t.number) + "|" + t.title + "|" + std::to_string(t.keywords);
    for (const auto& c : t.contexts) line += "|#" + c;
    for (const auto& w : t.windows) line += "|>" + w;
    for (const auto& h : t.hotspots) line += "|" + std::to_string(static_cast<int>(h.kind)) + h.hidden_text;
    for (const auto& b : t.bitmaps) line += "|bm " + b;
    lines.push_back(line);
  }
};

Facts read_whole(const std::string& rtf) {
  Facts facts;
  rtf::Reader reader(rtf);
  helpc::TopicCollector collector([&](const helpc::TopicFacts& t) { facts.add(t); });
  reader.run(collector);
  collector.finish();
  return facts;
}

class ReleasingSink : public tw_test::Fixture {};

TEST_F(ReleasingSink, FindsWhatAWholeReadFinds) {
  const std::string rtf = topic_file(600);
  ASSERT_GT(rtf.size(), 1000000u);
  tw_test::write_file(file("big.rtf"), rtf);
  auto mapped = platform::MappedFile::open("c:\\big.rtf");
  ASSERT_TRUE(mapped && mapped->mapped());

  Facts facts;
  rtf::Reader reader(mapped->view());
  helpc::TopicCollector collector([&](const helpc::TopicFacts& t) { facts.add(t); });
  helpc::ReleasingSink releasing(collector, reader, *mapped, 16384);  // a small window: many releases
  reader.run(releasing);
  collector.finish();

  EXPECT_GT(mapped->released(), rtf.size() - 64 * 1024);
  const Facts whole = read_whole(rtf);
  ASSERT_EQ(whole.lines.size(), 600u);
  EXPECT_EQ(facts.lines, whole.lines);
  EXPECT_EQ(reader.problems().size(), 0u);
  EXPECT_NE(whole.lines[41].find("Topic\x92s title 42"), std::string::npos) << whole.lines[41];
}

}  // namespace
