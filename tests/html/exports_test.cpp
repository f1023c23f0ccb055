// The conversion library's C surface writes into buffers of the room its
// header states, and never past it.
#include "tarvenwick/twzhtml.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "html/analysis_fixture.h"
#include "platform/profile.h"

namespace {

constexpr char kGuard = '\x7F';

// A buffer of exactly the stated room, followed by guard bytes.
struct Guarded {
  std::vector<char> bytes;
  std::size_t room;
  explicit Guarded(std::size_t room_, std::string_view text = {}) : bytes(room_ + 16, kGuard), room(room_) {
    text.copy(bytes.data(), text.size());
    bytes[text.size()] = '\0';
  }
  char* data() { return bytes.data(); }
  std::string str() const { return std::string(bytes.data(), strnlen(bytes.data(), room)); }
  bool guards_intact() const {
    for (std::size_t i = room; i < bytes.size(); ++i)
      if (bytes[i] != kGuard) return false;
    return true;
  }
};

class ConversionExports : public tw_test::AnalysisFixture {};

TEST_F(ConversionExports, PhrasesUpToTheLineLimitComeBackWhole) {
  use_help_project("p.hpj");
  const std::string phrase(2600, 'p'), target(2399, 't');  // a line of 5,000 bytes
  write_proj_file("links.txt", phrase + "=" + target + "\r\nshort=s.htm\r\n");
  platform::write_profile_string("Settings", "xref", "1 1 >c:\\proj\\links.txt", "c:\\proj\\conv.lfc");
  Guarded p(TWZHTML_PHRASE_BUFFER), t(TWZHTML_PHRASE_BUFFER);
  ASSERT_EQ(get_next_phrase(p.data(), t.data(), 1), 1);
  EXPECT_EQ(p.str(), phrase);
  EXPECT_EQ(t.str(), target);
  EXPECT_TRUE(p.guards_intact());
  EXPECT_TRUE(t.guards_intact());
  ASSERT_EQ(get_next_phrase(p.data(), t.data(), 0), 1);
  EXPECT_EQ(p.str(), "short");
}

TEST_F(ConversionExports, MarkerPathLongerThanItsBufferIsCutInsideIt) {
  use_help_project("p.hpj");
  const std::string deep = std::string(150, 'a') + "\\" + std::string(150, 'b');
  write_proj_file("p.hpj", "[OPTIONS]\r\nTITLE=Deep\r\n[FILES]\r\nshort.rtf\r\n" + deep + "\\topic.rtf\r\n");
  write_proj_file("short.rtf", "{\\rtf1 Short\\par}");
  tw_test::write_file(file("proj/" + std::string(150, 'a') + "/" + std::string(150, 'b') + "/topic.rtf"),
             "{\\rtf1 Deep\\par}");
  process_rtf();
  Guarded first(TWZHTML_PATH_BUFFER), second(TWZHTML_PATH_BUFFER);
  ASSERT_EQ(get_next_rtf(0, first.data()), 1);
  EXPECT_EQ(first.str(), "c:\\proj\\short.~tw");
  ASSERT_EQ(get_next_rtf(1, second.data()), 1);
  EXPECT_EQ(second.str().size(), TWZHTML_PATH_BUFFER - 1u);
  EXPECT_EQ(second.str(), ("c:\\proj\\" + deep + "\\topic.~tw").substr(0, TWZHTML_PATH_BUFFER - 1));
  EXPECT_TRUE(second.guards_intact());
}

TEST_F(ConversionExports, BookmarkGrowsByItsLeadingLetterOnlyWithinTheRoom) {
  Guarded small(256, "2 step guide");
  EXPECT_EQ(FixBookmark(small.data()), 1);
  EXPECT_EQ(small.str(), "n2_step_guide");

  // A text filling its 256 bytes: the name keeps to them.
  Guarded full(256, std::string(255, '7'));
  EXPECT_EQ(FixBookmark(full.data()), 1);
  EXPECT_EQ(full.str(), "n" + std::string(254, '7'));
  EXPECT_TRUE(full.guards_intact());

  // A caller's longer text has room for its own length.
  Guarded longer(401, std::string(400, '7'));
  EXPECT_EQ(FixBookmark(longer.data()), 1);
  EXPECT_EQ(longer.str(), "n" + std::string(399, '7'));
  EXPECT_TRUE(longer.guards_intact());
}

TEST_F(ConversionExports, SummaryFitsItsBuffer) {
  Guarded summary(TWZHTML_SUMMARY_BUFFER);
  EXPECT_EQ(PublishSummary(summary.data()), 1);
  EXPECT_LT(summary.str().size(), static_cast<std::size_t>(TWZHTML_SUMMARY_BUFFER));
  EXPECT_TRUE(summary.guards_intact());
}

}  // namespace
