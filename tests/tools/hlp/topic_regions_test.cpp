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
      heading("two", "Two") + "\\pard\\plain\\s0 Watch {\\{mci_left NOMENU,clip.avi\\}} now.\\par\r\n";
  auto result = compile(topics);
  ASSERT_EQ(result.exit_status, helpc::kExitClean) << result.summary;
  auto got = records();
  ASSERT_EQ(got.size(), 7u);
  EXPECT_NE(got[2].text.find("Press [ewc !Sea\xe9rch,Search()] or [ewc !,JI(`p.hlp', `two')].[par]"),
            std::string::npos);
  // A button without a macro stays text.
  EXPECT_NE(got[3].text.find("[ewr clock.dll,Clock,seconds, big][f 1]{button no macro}[par]"), std::string::npos);
  EXPECT_NE(got[6].text.find("]Watch  now.[par]"), std::string::npos);
  const std::string log = read_file(file("p/p.log"));
  const std::size_t at = log.find("HC6702: Warning: topic #2 of " + file("p/t.rtf") + " :");
  EXPECT_NE(at, std::string::npos) << log;
  EXPECT_EQ(log.find("'{mci_left NOMENU,clip.avi}' cannot be written into the help file and is left out"),
            log.find('\t', at) + 1)
      << log;
}

}  // namespace
