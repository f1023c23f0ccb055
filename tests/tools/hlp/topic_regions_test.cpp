// What a topic carries besides its text, compiled from RTF as word
// processors write it and read back: the non-scrolling region its leading
// \keepn paragraphs make, buttons and media in the text, and hotspot
// pictures.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_support.h"
#include "tools/hlp/topic_decoder.h"
#include "tools/helpc/compiler_run.h"
#include "tools/helpc/hlp/bytes.h"
#include "tools/helpc/hlp/context_hash.h"
#include "tools/helpc/hlp/file_system.h"
#include "tools/helpc/invocation.h"

namespace {

using tw_test::read_file;
using tw_test::write_file;

class TopicRegions : public tw_test::Fixture {
 protected:
  // Compiles p/p.hpj over p/t.rtf, holding the topics given.
  helpc::RunResult compile(const std::string& topics, const std::string& extra_project = "") {
    write_file(file("p/p.hpj"), "[OPTIONS]\r\nTITLE=Regions\r\n" + extra_project + "[FILES]\r\nt.rtf\r\n");
    write_file(file("p/t.rtf"),
               "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\r\n"
               "{\\stylesheet{\\s0\\fs20 Normal;}{\\s1\\keepn\\b\\fs28 Heading;}"
               "{\\*\\cs10\\super footnote reference;}}\r\n" +
                   topics + "}");
    return helpc::run_compile(helpc::parse_invocation({"hcw", "/x", file("p/p.hpj")}));
  }
  std::vector<hlp_test::DecodedRecord> records(const std::vector<std::string>& contexts = {}) {
    bytes_ = read_file(file("p/p.hlp"));
    auto reader = hlp::FileSystemReader::open(bytes_);
    EXPECT_TRUE(reader && reader->file("|TOPIC"));
    if (!reader || !reader->file("|TOPIC")) return {};
    return hlp_test::decode_topics(*reader->file("|TOPIC"), contexts);
  }
  static std::string heading(const std::string& context, const std::string& title) {
    return "\\pard\\plain\\s1\\keepn\\b\\fs28 {\\cs10\\super #}{\\footnote\\pard\\plain\\s0\\fs20 "
           "{\\cs10\\super #} " + context + "}{\\cs10\\super $}{\\footnote {\\cs10\\super $} " + title + "}" +
           title + "\\par\r\n";
  }
  std::string bytes_;
};

TEST_F(TopicRegions, LeadingKeptParagraphsMakeTheNonScrollingRegion) {
  const std::string topics =
      // Heading and a kept second line, then the body.
      heading("one", "One") + "\\pard\\keepn {\\i Kept} line\\par\r\n\\pard\\plain\\s0\\fs20 Body.\\par\r\n"
      "\\pard\\keepn Kept after the body scrolls.\\par\r\n\\page\r\n" +
      // All kept: nothing would scroll, so the topic scrolls whole.
      heading("two", "Two") + "\\pard\\keepn Kept too.\\par\r\n\\page\r\n" +
      // No kept paragraph.
      "\\pard\\plain\\s0 {\\cs10\\super #}{\\footnote {\\cs10\\super #} three}Three.\\par\r\n";
  auto result = compile(topics);
  ASSERT_EQ(result.exit_status, helpc::kExitClean) << result.summary;
  auto got = records();
  ASSERT_EQ(got.size(), 10u);
  EXPECT_EQ(got[0].non_scroll, got[1].position);
  EXPECT_EQ(got[0].scroll, got[3].position);
  EXPECT_NE(got[4].text.find("Kept after the body scrolls."), std::string::npos);
  EXPECT_EQ(got[5].non_scroll, -1);
  EXPECT_EQ(got[5].scroll, got[6].position);
  EXPECT_EQ(got[8].non_scroll, -1);
  EXPECT_EQ(got[8].scroll, got[9].position);
}

// Buttons and embedded windows become the viewer's windows in the text;
// media cannot be stored and are reported against their topic, in the
// family's message format, never dropped unsaid.
TEST_F(TopicRegions, ButtonsAndEmbeddedWindowsAreStoredAndMediaReported) {
  const std::string topics =
      heading("one", "One") +
      "\\pard\\plain\\s0\\fs20 Press \\{button Sea\\'e9rch, Search()\\} or "
      "\\{button\\tab , JI(`p.hlp', `two')\\}.\\par\r\n"
      "\\pard \\{ewr clock.dll, Clock , seconds, big\\}\\{button no macro\\}\\par\r\n\\page\r\n" +
      heading("two", "Two") + "\\pard\\plain\\s0 Watch {\\{mci_left NOMENU,clip.avi\\}} now \\{mci\\}.\\par\r\n";
  auto result = compile(topics);
  ASSERT_EQ(result.exit_status, helpc::kExitClean) << result.summary;
  auto got = records();
  ASSERT_EQ(got.size(), 7u);
  EXPECT_NE(got[2].text.find("Press [ewc !Sea\xe9rch,Search()] or [ewc !,JI(`p.hlp', `two')].[par]"),
            std::string::npos);
  // A button without a macro stays text.
  EXPECT_NE(got[3].text.find("[ewr clock.dll,Clock,seconds, big][f 1]{button no macro}[par]"), std::string::npos);
  EXPECT_NE(got[6].text.find("]Watch  now {mci}.[par]"), std::string::npos);
  const std::string log = read_file(file("p/p.log"));
  const std::size_t at = log.find("HC6702: Warning: topic #2 of " + file("p/t.rtf") + " :");
  EXPECT_NE(at, std::string::npos) << log;
  EXPECT_EQ(log.find("'{mci_left NOMENU,clip.avi}' cannot be written into the help file and is left out"),
            log.find('\t', at) + 1)
      << log;
}

struct Hotspot {
  std::uint8_t kind;
  std::string binding;
};

// A picture file as the hotspot editor writes it: one 8 x 8 two-colour
// bitmap and its hotspot table, the numbers left 0.
std::string hotspot_graphic(const std::vector<Hotspot>& hotspots, std::uint16_t magic = 0x506C) {
  hlp::Bytes table;
  table.u8(1);
  table.u16(static_cast<std::uint32_t>(hotspots.size()));
  table.u32(0);  // no macro data
  for (std::size_t i = 0; i < hotspots.size(); ++i) {
    table.u8(hotspots[i].kind);
    table.u8(0);
    table.u8(0);
    for (std::uint32_t v : {0u, static_cast<std::uint32_t>(i * 2), 8u, 2u}) table.u16(v);
    table.i32(0);
  }
  for (std::size_t i = 0; i < hotspots.size(); ++i) {
    table.sz("spot" + std::to_string(i));
    table.sz(hotspots[i].binding);
  }
  hlp::Bytes picture;
  picture.u8(6);  // device-independent
  picture.u8(0);  // stored plain
  for (std::uint32_t v : {96u, 96u}) picture.packed_u32(v);
  for (std::uint32_t v : {1u, 1u}) picture.packed_u16(v);
  for (std::uint32_t v : {8u, 8u, 2u, 0u, 32u}) picture.packed_u32(v);
  picture.packed_u32(static_cast<std::uint32_t>(table.size()));
  const std::size_t offsets = picture.size();
  picture.u32(0);
  picture.u32(0);
  picture.raw(std::string(8, '\x7f'));  // palette
  picture.put_u32(offsets, static_cast<std::uint32_t>(picture.size()));
  picture.raw(std::string(32, '\x55'));
  picture.put_u32(offsets + 4, static_cast<std::uint32_t>(picture.size()));
  picture.raw(table.str());
  hlp::Bytes file;
  file.u16(magic);
  file.u16(1);
  file.u32(8);
  file.raw(picture.str());
  return file.take();
}

// A hotspot graphic keeps its regions; each jump and pop-up is filed under
// its context's number and takes the kind without a font change (the one
// a viewer follows in a picture), and one that names a window or another
// file the kind whose binding the viewer reads. A resolution set (.mrb)
// is stored the same way; a damaged file is counted as a bitmap not
// stored.
TEST_F(TopicRegions, HotspotGraphicsKeepTheirRegionsBoundToTopics) {
  const std::vector<Hotspot> spots = {
      {0xE3, "third"}, {0xE2, "other"}, {0xE7, "other>side"}, {0xEB, "far@other.hlp"}, {0xEE, "near"},
      {0xC8, "Exit()"}};
  write_file(file("p/hot.shg"), hotspot_graphic(spots));
  write_file(file("p/res.mrb"), hotspot_graphic({}, 0x706C));
  std::string damaged = hotspot_graphic(spots);
  damaged.resize(damaged.size() - 10);  // the bindings cut short
  write_file(file("p/cut.shg"), damaged);
  const std::string topics = heading("one", "One") +
                             "\\pard\\plain\\s0\\fs20 \\{bmc hot.shg\\}\\{bml RES.MRB\\}\\{bmr cut.shg\\}\\par\r\n";
  auto result = compile(topics);
  ASSERT_EQ(result.exit_status, helpc::kExitClean) << result.summary;
  EXPECT_NE(result.summary.find("2 pictures. 1 bitmap could not be stored"), std::string::npos) << result.summary;
  auto got = records();
  ASSERT_EQ(got.size(), 3u);
  EXPECT_EQ(got[2].text, "[bmc 0 hotspots 6][bml 1][par]");

  auto reader = hlp::FileSystemReader::open(bytes_);
  ASSERT_TRUE(reader);
  std::string stored(*reader->file("|bm0"));
  std::string want = hotspot_graphic(spots);
  ASSERT_EQ(stored.size(), want.size());
  // What the compiler should have filled in: kinds and numbers.
  const std::size_t records_at = want.find(std::string("\x01\x06\x00\x00\x00\x00\x00", 7)) + 7;
  const std::pair<std::uint8_t, std::string> filed[] = {
      {0xE7, "third"}, {0xE6, "other"}, {0xEF, "other"}, {0xEF, "far"}, {0xE6, "near"}, {0xC8, ""}};
  for (std::size_t i = 0; i < 6; ++i) {
    const std::size_t record = records_at + i * 15;
    want[record] = static_cast<char>(filed[i].first);
    if (filed[i].second.empty()) continue;
    hlp::Bytes hash;
    hash.i32(hlp::context_hash(filed[i].second));
    want.replace(record + 11, 4, hash.str());
  }
  EXPECT_EQ(stored, want);
  EXPECT_EQ(std::string(*reader->file("|bm1")).substr(0, 2), "lP");
}

}  // namespace
