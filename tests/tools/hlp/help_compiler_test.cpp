// Help files compiled from whole projects and read back with our own
// reader: the bundled sample against what its project holds, topic text
// from RTF as word processors write it, browse sequences and topics that
// run over several blocks.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "tools/hlp/topic_decoder.h"
#include "support/test_support.h"
#include "tools/helpc/compiler_run.h"
#include "tools/helpc/hlp/btree.h"
#include "tools/helpc/hlp/bytes.h"
#include "tools/helpc/hlp/file_system.h"
#include "tools/helpc/hlp/font_table.h"
#include "tools/helpc/hlp/help_file_summary.h"
#include "tools/helpc/hlp/topic_blocks.h"
#include "tools/helpc/hlp/topic_stream.h"
#include "tools/helpc/invocation.h"

namespace {

using tw_test::read_file;
using tw_test::write_file;

class HelpCompiler : public tw_test::Fixture {
 protected:
  void copy_sample(const std::string& folder) {
    std::filesystem::create_directories(file(folder));
    for (const auto& entry : std::filesystem::directory_iterator(TW_SAMPLE_DIR))
      std::filesystem::copy(entry.path(), file(folder + "/" + entry.path().filename().string()));
  }
  // The topic records of a compiled help file, as text.
  std::vector<std::string> topic_texts(const std::string& help_file, bool compressed) {
    auto reader = open(help_file);
    std::vector<std::string> out;
    for (const auto& r : hlp_test::decode_topics(*reader.file("|TOPIC"), {}, compressed)) out.push_back(r.text);
    return out;
  }
  helpc::RunResult compile(const std::string& program, const std::string& project) {
    return helpc::run_compile(helpc::parse_invocation({program, "/x", file(project)}));
  }
  hlp::FileSystemReader open(const std::string& help_file) {
    bytes_ = read_file(file(help_file));
    auto reader = hlp::FileSystemReader::open(bytes_);
    EXPECT_TRUE(reader);
    return reader.value_or(hlp::FileSystemReader{});
  }
  std::string bytes_;
};

TEST_F(HelpCompiler, SampleProjectCompilesAndReadsBackWithItsCounts) {
  copy_sample("sample");
  helpc::RunResult result = compile("hcrtf", "sample/sample.hpj");
  EXPECT_EQ(result.exit_status, helpc::kExitClean);
  EXPECT_NE(result.summary.find("Help file sample.hlp written: 6 topics, 6 context strings, 15 distinct keywords, 4 pictures."),
            std::string::npos) << result.summary;
  EXPECT_EQ(result.summary.find("could not be stored"), std::string::npos) << result.summary;

  auto summary = hlp::summarize_help_file(read_file(file("sample/sample.hlp")));
  ASSERT_TRUE(summary);
  std::vector<std::string> names;
  for (const auto& f : summary->files) names.push_back(f.name);
  EXPECT_EQ(names, (std::vector<std::string>{"|CONTEXT", "|CTXOMAP", "|FONT", "|KWBTREE", "|KWDATA", "|KWMAP",
                                             "|SYSTEM", "|TOPIC", "|TTLBTREE", "|bm0", "|bm1", "|bm2", "|bm3"}));
  // The banner, the arrow and the toolbar are stored, and the sample's
  // hotspot graphic, which holds hotspots but no picture, with its two
  // regions on screen.bmp.
  bool screen_shown = false;
  for (const auto& text : topic_texts("sample/sample.hlp", false))
    screen_shown = screen_shown || text.find("[bmc 3 hotspots 2]") != std::string::npos;
  EXPECT_TRUE(screen_shown);
  // The sample's three files hold six topics, each with a title and one
  // context string; their K footnotes name 15 keywords, "introduction"
  // twice.
  EXPECT_EQ(summary->topics, 6);
  EXPECT_EQ(summary->titles, 6);
  EXPECT_EQ(summary->contexts, 6);
  EXPECT_EQ(summary->keywords, 15);

  // The Windows 3.x names still only check.
  std::filesystem::remove(file("sample/sample.hlp"));
  result = compile("hcp", "sample/sample.hpj");
  EXPECT_NE(result.summary.find("this compiler checks the project only"), std::string::npos);
  EXPECT_FALSE(tw_test::exists(file("sample/sample.hlp")));
}

constexpr const char* kWordTopics =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
    "{\\f1\\froman\\fcharset0 Times New Roman;}}\r\n"
    "{\\colortbl;\\red0\\green0\\blue0;\\red255\\green0\\blue0;}\r\n"
    "{\\stylesheet{\\s0\\f1\\fs20 Normal;}{\\*\\cs10\\super footnote reference;}}\r\n"
    "\\pard\\plain\\s0\\f1\\fs20 {\\cs10\\super #{\\footnote\\pard\\plain\\s0\\f1\\fs20 {\\cs10\\super #} IDH_first}}\r\n"
    "{\\cs10\\super ${\\footnote {\\cs10\\super $} First topic}}\r\n"
    "{\\cs10\\super K}{\\footnote {\\cs10\\super K} alpha;Beta}\r\n"
    "{\\cs10\\super !}{\\footnote {\\cs10\\super !} BrowseButtons()}\r\n"
    "{\\b First} topic\\rquote s caf\\'e9 text.\\par\r\n"
    "See {\\uldb Sec}{\\uldb ond}{\\v IDH_second} and {\\ul a word}{\\v IDH_second}.\\par\r\n"
    "\\trowd\\cellx2000\\cellx4000\\pard\\intbl {\\strike Cell jump}{\\v IDH_second>side}\\cell "
    "Plain\\tab cell\\cell\\row\r\n"
    "\\pard {\\uldb Run}{\\v !Exit()} and {\\uldb Far}{\\v IDH_x@other.hlp} \\{bmc pic.bmp\\}\\line "
    "{\\cf2 red}\\par\r\n"
    "\\page\r\n"
    "{\\cs10\\super #}{\\footnote {\\cs10\\super #} IDH_second}\r\n"
    "{\\cs10\\super K}{\\footnote {\\cs10\\super K} ALPHA}\r\n"
    "\\pard\\qc Second body.\\par\r\n}";

TEST_F(HelpCompiler, WordProcessorTopicsBecomeTextFormattingAndHotspots) {
  write_file(file("p/p.hpj"), "[OPTIONS]\r\nTITLE=Word\r\n[FILES]\r\ntopics.rtf\r\n"
                              "[WINDOWS]\r\nside=\"Side\",(10,10,500,500),0\r\n");
  write_file(file("p/topics.rtf"), kWordTopics);
  helpc::RunResult result = compile("hcw", "p/p.hpj");
  ASSERT_EQ(result.exit_status, helpc::kExitClean) << read_file(file("p/p.log"));
  auto reader = open("p/p.hlp");
  std::vector<std::string> shown;
  for (const auto& r : hlp_test::decode_topics(*reader.file("|TOPIC"), {"IDH_first", "IDH_second", "IDH_x"}))
    shown.push_back(r.text);
  EXPECT_EQ(shown, (std::vector<std::string>{
                       "TOPIC First topic|BrowseButtons()",
                       "[f 0]First[f 1] topic\x92s caf\xe9 text.[par]",
                       "[f 1]See [jump IDH_second]Second[end] and [popup IDH_second]a word[end].[par]",
                       "[f 1][jump IDH_second window 0]Cell jump[end][par]",
                       "[f 1]Plain[tab]cell[par]",
                       // 2 to 4: the double-underlined, single-underlined and
                       // struck forms, met before their targets.
                       "[f 1][macro Exit()]Run[end] and [jump IDH_x other.hlp|]Far[end] [br][f 5]red[par]",
                       "TOPIC ",
                       "[f 1]Second body.[par]",
                   }));
  // Keywords of either case are one keyword, listing both topics.
  auto keywords = hlp::read_leaf_pages(*reader.file("|KWBTREE"));
  ASSERT_TRUE(keywords);
  ASSERT_EQ(keywords->front().entries, 2);
  hlp::Reader entry(keywords->front().bytes);
  EXPECT_EQ(entry.sz(), "alpha");
  EXPECT_EQ(entry.u16(), 2u);
  auto data_at = entry.u32();
  EXPECT_EQ(entry.sz(), "Beta");
  hlp::Reader data(*reader.file("|KWDATA"), *data_at);
  EXPECT_EQ(data.i32(), 0);
  // The second topic shares block 0, after the 103 characters of the
  // first topic's paragraphs.
  EXPECT_EQ(data.i32(), 103);
}

// A topic of several paragraph pieces over three files, in browse order
// by code rather than by file.
TEST_F(HelpCompiler, BrowseSequencesAndTopicsLongerThanABlock) {
  auto topic = [](const std::string& context, const std::string& browse, const std::string& body) {
    return "{\\super #}{\\footnote {\\super #} " + context + "}{\\super +}{\\footnote {\\super +} " + browse +
           "}{\\super $}{\\footnote {\\super $} T " + context + "}\n" + body + "\\par\n";
  };
  const std::string long_text(6000, 'x');
  write_file(file("p/p.hpj"), "[OPTIONS]\nCONTENTS=c2\n[FILES]\na.rtf\nb.rtf\n[MAP]\nc2 7\nc1 5\n");
  write_file(file("p/a.rtf"), "{\\rtf1\\ansi\n" + topic("c3", "seq:030", long_text) + "\\page\n" +
                                  topic("c1", "seq:010", "one") + "}");
  write_file(file("p/b.rtf"), "{\\rtf1\\ansi\n" + topic("c2", "seq:020", "two") + "}");
  ASSERT_EQ(compile("hcrtf", "p/p.hpj").exit_status, helpc::kExitClean);
  auto reader = open("p/p.hlp");
  auto records = hlp_test::decode_topics(*reader.file("|TOPIC"), {});
  ASSERT_EQ(records.size(), 6u);
  EXPECT_EQ(records[1].text, "[f 0]" + long_text + "[par]");  // read across the block boundary
  // c3 runs from block 0 into block 1, where c1 and c2 follow it. A
  // topic's offset counts the text of the paragraphs that start before it
  // in its block: none before c1, before c2 "one" with its terminator
  // and the empty piece before its font change.
  EXPECT_EQ(records[2].position >> 14, 1);
  EXPECT_EQ(records[4].position >> 14, 1);
  EXPECT_EQ(records[2].browse_back, -1);  // c1: first
  EXPECT_EQ(records[2].browse_next, 0x8000 + 5);
  EXPECT_EQ(records[4].browse_back, 0x8000);  // c2
  EXPECT_EQ(records[4].browse_next, 0);
  EXPECT_EQ(records[0].browse_back, 0x8000 + 5);  // c3: last
  EXPECT_EQ(records[0].browse_next, -1);

  // The contents topic and the [MAP] numbers lead to the topics' offsets.
  auto system = *reader.file("|SYSTEM");
  EXPECT_NE(system.find(std::string("\x03\x00\x04\x00\x05\x80\x00\x00", 8)), std::string_view::npos);
  hlp::Reader map(*reader.file("|CTXOMAP"));
  EXPECT_EQ(map.u16(), 2u);
  EXPECT_EQ(map.i32(), 5);
  EXPECT_EQ(map.i32(), 0x8000);
  EXPECT_EQ(map.i32(), 7);
  EXPECT_EQ(map.i32(), 0x8000 + 5);
}

// Small topics share blocks; each block's header names the last record
// and the last topic header before it and its own first record.
TEST_F(HelpCompiler, TopicsShareBlocksAndBlockHeadersFollowTheChain) {
  std::string topics = "{\\rtf1\\ansi\r\n";
  for (int i = 0; i < 60; ++i) {
    if (i > 0) topics += "\\page\r\n";
    topics += "{\\super #}{\\footnote {\\super #} t" + std::to_string(i) + "}{\\super $}{\\footnote {\\super $} Topic " +
              std::to_string(i) + "}\r\nSome text of topic " + std::to_string(i) + ".\\par\r\nMore.\\par\r\n";
  }
  write_file(file("p/p.hpj"), "[FILES]\r\nt.rtf\r\n");
  write_file(file("p/t.rtf"), topics + "}");
  ASSERT_EQ(compile("hcw", "p/p.hpj").exit_status, helpc::kExitClean);
  auto reader = open("p/p.hlp");
  const std::string_view topic_file = *reader.file("|TOPIC");
  ASSERT_EQ(topic_file.size(), 3 * hlp::kTopicBlockSize);  // 60 topics in three blocks
  auto records = hlp_test::decode_topics(topic_file, {});
  ASSERT_EQ(records.size(), 180u);
  std::size_t first_in_second = 0;
  while ((records[first_in_second].position >> 14) == 0) ++first_in_second;
  std::int32_t last_header = -1;
  for (std::size_t i = 0; i < first_in_second; ++i)
    if (records[i].type == 2) last_header = records[i].position;
  hlp::Reader header(topic_file, hlp::kTopicBlockSize);
  EXPECT_EQ(header.i32(), records[first_in_second - 1].position);
  EXPECT_EQ(header.i32(), records[first_in_second].position);
  EXPECT_EQ(header.i32(), last_header);
  hlp::Reader first_block(topic_file);
  EXPECT_EQ(first_block.i32(), -1);
  EXPECT_EQ(first_block.i32(), 12);
  EXPECT_EQ(first_block.i32(), -1);
  // Every title leads to a topic offset of its own.
  auto titles = hlp::read_leaf_pages(*reader.file("|TTLBTREE"));
  ASSERT_TRUE(titles);
  std::set<std::int32_t> offsets;
  for (const auto& page : *titles) {
    hlp::Reader entries(page.bytes);
    for (int i = 0; i < page.entries; ++i) {
      offsets.insert(*entries.i32());
      entries.sz();
    }
  }
  EXPECT_EQ(offsets.size(), 60u);

  // Packed, the same records take one block.
  write_file(file("p/p.hpj"), "[OPTIONS]\r\nCOMPRESS=1\r\n[FILES]\r\nt.rtf\r\n");
  ASSERT_EQ(compile("hcw", "p/p.hpj").exit_status, helpc::kExitClean);
  auto packed = open("p/p.hlp");
  EXPECT_EQ(packed.file("|TOPIC")->size(), hlp::kTopicBlockSize);
  auto packed_records = hlp_test::decode_topics(*packed.file("|TOPIC"), {}, true);
  ASSERT_EQ(packed_records.size(), records.size());
  for (std::size_t i = 0; i < records.size(); ++i) EXPECT_EQ(packed_records[i].text, records[i].text);
}

// COMPRESS packs the topic blocks: the same records read back from fewer
// blocks, and |SYSTEM says so.
TEST_F(HelpCompiler, CompressedTopicsReadBackAsThePlainOnes) {
  copy_sample("plain");
  copy_sample("packed");
  std::string hpj = read_file(file("packed/sample.hpj"));
  hpj.replace(hpj.find("COMPRESS=0"), 10, "COMPRESS=high");
  write_file(file("packed/sample.hpj"), hpj);
  ASSERT_EQ(compile("hcw", "plain/sample.hpj").exit_status, helpc::kExitClean);
  helpc::RunResult result = compile("hcw", "packed/sample.hpj");
  ASSERT_EQ(result.exit_status, helpc::kExitClean);
  EXPECT_NE(result.summary.find("written: 6 topics"), std::string::npos) << result.summary;

  const auto plain = topic_texts("plain/sample.hlp", false);
  const auto packed = topic_texts("packed/sample.hlp", true);
  ASSERT_EQ(plain.size(), 43u);
  EXPECT_EQ(packed, plain);
  auto reader = open("packed/sample.hlp");
  EXPECT_TRUE(hlp::topics_compressed(*reader.file("|SYSTEM")));
  auto summary = hlp::summarize_help_file(read_file(file("packed/sample.hlp")));
  ASSERT_TRUE(summary);
  EXPECT_EQ(summary->topics, 6);
}

// A paragraph longer than a packed block holds: the topics are stored
// plain, and the summary says so.
TEST_F(HelpCompiler, AParagraphTooLongToPackLeavesTheTopicsPlain) {
  write_file(file("p/p.hpj"), "[OPTIONS]\nCOMPRESS=TRUE\n[FILES]\nt.rtf\n");
  std::string long_text;
  for (int i = 0; long_text.size() < 20000; ++i) long_text += std::to_string(i * 7919) + " ";
  write_file(file("p/t.rtf"), "{\\rtf1\\ansi {\\super #}{\\footnote {\\super #} t}\n" + long_text + "\\par}");
  helpc::RunResult result = compile("hcw", "p/p.hpj");
  ASSERT_EQ(result.exit_status, helpc::kExitClean);
  EXPECT_NE(result.summary.find("Topics are not compressed"), std::string::npos) << result.summary;
  auto reader = open("p/p.hlp");
  EXPECT_FALSE(hlp::topics_compressed(*reader.file("|SYSTEM")));
  auto records = hlp_test::decode_topics(*reader.file("|TOPIC"), {});
  ASSERT_EQ(records.size(), 2u);
  EXPECT_NE(records[1].text.find(long_text), std::string::npos);
}

// Underlined or struck text without a target keeps its lines in the font;
// a ">" footnote files the topic's window in |VIOLA.
TEST_F(HelpCompiler, LinesWithoutTargetsAndTopicWindows) {
  write_file(file("p/p.hpj"), "[FILES]\nt.rtf\n[WINDOWS]\nmain=\"M\",(0,0,500,500),0\nside=\"Side\",(10,10,500,500),0\n");
  write_file(file("p/t.rtf"),
             "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\super #}{\\footnote {\\super #} a}\n"
             "{\\ul under} x {\\uldb double} y {\\strike struck} and {\\uldb link}{\\v b}\\par\n\\page\n"
             "{\\super #}{\\footnote {\\super #} b}{\\super >}{\\footnote {\\super >} Side}\nB\\par}");
  ASSERT_EQ(compile("hcw", "p/p.hpj").exit_status, helpc::kExitClean) << read_file(file("p/p.log"));
  auto reader = open("p/p.hlp");
  auto records = hlp_test::decode_topics(*reader.file("|TOPIC"), {"b"});
  ASSERT_EQ(records.size(), 4u);
  EXPECT_EQ(records[1].text, "[f 0]under[f 1] x [f 2]double[f 1] y [f 3]struck[f 1] and [jump b]link[end][par]");
  hlp::Reader fonts(*reader.file("|FONT"));
  fonts.skip(2);
  auto descriptors = fonts.u16();
  fonts.skip(2);
  auto descriptors_at = fonts.u16();
  ASSERT_GE(descriptors, 4u);
  std::vector<unsigned> attributes;
  for (unsigned i = 0; i < 4; ++i) attributes.push_back(static_cast<unsigned char>((*reader.file("|FONT"))[*descriptors_at + i * 11]));
  EXPECT_EQ(attributes, (std::vector<unsigned>{hlp::kFontUnderline, 0, hlp::kFontDoubleUnderline, hlp::kFontStrike}));

  auto viola = hlp::read_leaf_pages(*reader.file("|VIOLA"));
  ASSERT_TRUE(viola);
  ASSERT_EQ(viola->front().entries, 1);
  hlp::Reader entry(viola->front().bytes);
  EXPECT_NE(entry.i32(), 0);  // topic b's offset, after topic a
  EXPECT_EQ(entry.i32(), 1);  // "side", the second window
}

// Indents and spacing as a word processor writes them, in twips, stored
// in half points; \\pard clears them.
TEST_F(HelpCompiler, ParagraphIndentsAndSpacing) {
  write_file(file("p/p.hpj"), "[FILES]\r\nt.rtf\r\n");
  write_file(file("p/t.rtf"),
             "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}{\\super #}{\\footnote {\\super #} a}\r\n"
             "\\pard\\plain\\s1\\sb240\\sa60\\keepn\\b Heading\\par\r\n"
             "\\pard\\plain\\fi-360\\li720\\ri100{\\b\\'95}\\tab Item\\par\r\n"
             "\\pard\\li200000\\sb4 Far\\par\r\n"
             "\\pard\\li2147483647\\fi-2147483648 Edge\\par\r\n"
             "\\pard Plain\\par}");
  ASSERT_EQ(compile("hcw", "p/p.hpj").exit_status, helpc::kExitClean);
  auto reader = open("p/p.hlp");
  std::vector<std::string> shown;
  for (const auto& r : hlp_test::decode_topics(*reader.file("|TOPIC"), {})) shown.push_back(r.text);
  EXPECT_EQ(shown, (std::vector<std::string>{"TOPIC ", "{sb 24}{sa 6}[f 0]Heading[par]",
                                             "{li 72}{ri 10}{fi -36}[f 0]\x95[tab][f 1]Item[par]",
                                             "{li 16383}[f 1]Far[par]",  // the most the field holds; 4 twips round to none
                                             "{li 16383}{fi -16384}[f 1]Edge[par]",  // the largest parameters RTF holds
                                             "[f 1]Plain[par]"}));
}

TEST_F(HelpCompiler, DamagedTopicLinksAreRefused) {
  std::string topic(4096, '\0');
  hlp::Bytes link;
  link.u32(21);
  link.u32(0);
  link.i32(-1);
  link.i32(12);  // links to itself
  link.u32(21);
  link.u8(2);
  topic.replace(12, link.size(), link.str());
  EXPECT_FALSE(hlp::count_topic_headers(topic));
  topic.replace(12 + 12, 4, std::string("\x0C\x00\x09\x00", 4));  // a block far past the end
  EXPECT_FALSE(hlp::count_topic_headers(topic));
  EXPECT_FALSE(hlp::count_topic_headers(""));
}

}  // namespace

namespace {

// A help file without topics cannot be opened: the build fails with the
// family's message and the help file of an earlier build stays.
TEST_F(HelpCompiler, AProjectWithoutTopicsWritesNoHelpFile) {
  write_file(file("p/p.hpj"), "[OPTIONS]\r\nTITLE=Empty\r\n[FILES]\r\nempty.rtf\r\n");
  write_file(file("p/empty.rtf"), "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\r\n\\pard\\par\r\n\\pard\\par}");
  write_file(file("p/p.hlp"), "an earlier build");
  helpc::RunResult result = compile("hcrtf", "p/p.hpj");
  EXPECT_EQ(result.exit_status, helpc::kExitErrors);
  EXPECT_NE(result.summary.find("No help file was written: the project has no topics."), std::string::npos)
      << result.summary;
  EXPECT_NE(read_file(file("p/p.log")).find("HC6205: Error: "), std::string::npos) << read_file(file("p/p.log"));
  EXPECT_EQ(read_file(file("p/p.hlp")), "an earlier build");
}

}  // namespace

// The check counts every keyword entry it reads, the help file's index each
// keyword once: the summary says which is which.
TEST_F(HelpCompiler, SummaryCountsKeywordEntriesAndDistinctKeywordsApart) {
  write_file(file("p/p.hpj"), "[FILES]\r\nt.rtf\r\n");
  std::string rtf = "{\\rtf1\\ansi\r\n";
  for (int i = 0; i < 3; ++i) {
    if (i > 0) rtf += "\\page\r\n";
    rtf += "{\\super #}{\\footnote {\\super #} t" + std::to_string(i) + "}{\\super K}{\\footnote {\\super K} alpha;beta}\r\nText.\\par\r\n";
  }
  write_file(file("p/t.rtf"), rtf + "}");
  helpc::RunResult result = compile("hcw", "p/p.hpj");
  ASSERT_EQ(result.exit_status, helpc::kExitClean);
  EXPECT_NE(result.summary.find(": 3 topics, 0 jumps, 6 keywords, 0 errors"), std::string::npos) << result.summary;
  EXPECT_NE(result.summary.find("written: 3 topics, 3 context strings, 2 distinct keywords,"), std::string::npos)
      << result.summary;
}

// The sample's hotspot file without its bitmap has nothing to draw its
// regions on: the summary counts it as not stored.
TEST_F(HelpCompiler, HotspotsWithoutTheirBitmapAreCountedNotStored) {
  copy_sample("sample");
  std::filesystem::remove(file("sample/screen.bmp"));
  helpc::RunResult result = compile("hcw", "sample/sample.hpj");
  EXPECT_NE(result.summary.find("3 pictures. 1 bitmap could not be stored"), std::string::npos) << result.summary;
}
