// The distribution index: scrambling, topic exclusion, the sections and the
// build behind its dialog.
#include <gtest/gtest.h>

#include <cstdint>

#include "aids/distribution_build.h"
#include "aids/distribution_index.h"
#include "aids/distribution_topics.h"
#include "core/settings.h"
#include "keyword_fixture.h"
#include "platform/profile.h"

namespace {

using aids::Scramble;

std::uint32_t word_at(const std::string& bytes, size_t at) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes.at(at + i));
  return value;
}

TEST(DistributionIndex, ScramblingNeverBreaksALine) {
  EXPECT_EQ(Scramble("AB\t"), std::string("\x1b\x18\x53"));
  // 'P' and 'W' would scramble to LF and CR.
  EXPECT_EQ(Scramble("PW\xe9"), std::string("00\xb3"));
  EXPECT_EQ(Scramble(Scramble("IDH_a")), "IDH_a");
}

TEST(DistributionIndex, ExclusionByDocOnlyAndWholeListedTags) {
  EXPECT_TRUE(aids::ExcludedFromDistribution("DOC_ONLY", ""));
  EXPECT_TRUE(aids::ExcludedFromDistribution("WIN95;DOC_ONLY", "BETA"));
  EXPECT_TRUE(aids::ExcludedFromDistribution("INTERNAL", "BETA, INTERNAL"));
  // A footnote naming several tags is left out when any of them is listed.
  EXPECT_TRUE(aids::ExcludedFromDistribution("WIN95; INTERNAL", "INTERNAL"));
  // Part of a longer word is not the tag.
  EXPECT_FALSE(aids::ExcludedFromDistribution("INTERNAL", "INTERNALS BETA"));
  EXPECT_FALSE(aids::ExcludedFromDistribution("BETA", "ALPHABETA"));
  EXPECT_FALSE(aids::ExcludedFromDistribution("", "BETA"));
  EXPECT_FALSE(aids::ExcludedFromDistribution("WIN95", ""));
}

TEST(DistributionIndex, ResultCodeDigitsChooseTheSections) {
  auto choice = aids::ChoiceFromCode(110);
  EXPECT_TRUE(!choice.a && choice.k && choice.full_text);
  choice = aids::ChoiceFromCode(1);
  EXPECT_TRUE(choice.a && !choice.k && !choice.full_text);
  EXPECT_FALSE(aids::ChoiceFromCode(0).any());
}

TEST(DistributionIndex, VisibleWordsLeaveOutReferencesAndData) {
  EXPECT_EQ(aids::VisibleWords("  Print the {bmc printer.bmp} page{ewl app, win}.\r\nDone TWZPICTURE1 {x}"),
            "Print the page . Done x ");
  EXPECT_EQ(aids::VisibleWords(std::string(499, 'h') + " kept " + std::string(498, 'o')),
            "kept " + std::string(498, 'o') + " ");
}

// Topic files as a word processor writes them: marks in style groups, a
// hidden jump target, a bitmap reference, a build-tag footnote.
const char* kTopics =
    "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}}\r\n"
    "{\\cs15\\super #}{\\footnote {\\cs15\\super #} IDH_print}{\\cs15\\super $}{\\footnote {\\cs15\\super $} "
    "Printing}{\\cs15\\super K}{\\footnote {\\cs15\\super K} print;printer}{\\cs15\\super K}{\\footnote "
    "{\\cs15\\super K} paper}{\\cs15\\super A}{\\footnote {\\cs15\\super A} print_al}\r\n"
    "\\pard To print, see {\\uldb Setup}{\\v IDH_setup}. \\{bmc printer.bmp\\}\\par\r\n"
    "Paper\\rquote s edge.\\par\r\n\\page\r\n"
    "{\\cs15\\super *}{\\footnote {\\cs15\\super *} DOC_ONLY}{\\cs15\\super #}{\\footnote {\\cs15\\super #} "
    "IDH_secret}{\\cs15\\super $}{\\footnote Secret}{\\cs15\\super K}{\\footnote K hidden}Secret text\\par\r\n"
    "\\page\r\n"
    "{\\cs15\\super *}{\\footnote * WIN95;INTERNAL}#{\\footnote # IDH_internal}${\\footnote $ Inside}Inside\\par\r\n"
    "\\page\r\n"
    "#{\\footnote # IDH_untitled}K{\\footnote K loose}Words without a title\\par\r\n"
    "}\r\n";

class DistributionBuildTest : public tw_test::KeywordFixture {
 protected:
  std::string index() { return text_of(aids::distribution_index_path(kProject)); }
  std::string transcript() {
    std::string all;
    for (const std::string& line : ui().transcript()) all += line + "\n";
    return all;
  }
};

TEST_F(DistributionBuildTest, AllSectionsInOrderWithExcludedTopicsLeftOut) {
  add_topic_file("print.rtf", kTopics);
  ui().queue_script("dialog DLG_DIST_INX\ncheck 102 1\nset 104 INTERNAL BETA\nclick 1\n");
  EXPECT_EQ(aids::BuildDistributionIndex(state, 0), 1);

  const std::string a_section = "\r\n\r\n" + Scramble("IDH_print\t") + Scramble("Printing\t") +
                                Scramble("print_al;") + "\r\n" + Scramble("IDH_untitled\t") + "\r\n" +
                                Scramble("***tw95em End***") + "\r\n";
  const std::string k_section = "\r\n\r\n" + Scramble("IDH_print\t") + Scramble("Printing\t") +
                                Scramble("print;printer;") + Scramble("paper;") + "\r\n" +
                                Scramble("IDH_untitled\t") + Scramble("\t") + Scramble("loose;") + "\r\n" +
                                Scramble("***tw95em End***") + "\r\n";
  const std::string full_text = "\r\n\r\n" + Scramble("IDH_print\t") + Scramble("Printing\t") +
                                Scramble("To print, see Setup. Paper\x92s edge. ") + "\r\n" +
                                Scramble("IDH_untitled\t");
  const std::string bytes = index();
  EXPECT_EQ(Scramble(bytes.substr(12)), Scramble(a_section + k_section + full_text));
  ASSERT_EQ(bytes.size(), 12 + a_section.size() + k_section.size() + full_text.size());
  EXPECT_EQ(word_at(bytes, 0), 12u);
  EXPECT_EQ(word_at(bytes, 4), 12 + a_section.size());
  EXPECT_EQ(word_at(bytes, 8), 12 + a_section.size() + k_section.size());
  EXPECT_EQ(bytes.substr(12), a_section + k_section + full_text);

  // The choice is kept for the next build.
  const std::string options = core::option_file_path(kProject);
  EXPECT_EQ(core::read_project_int(options, "Dist A"), 1);
  EXPECT_EQ(core::read_project_int(options, "Dist K"), 1);
  EXPECT_EQ(core::read_project_int(options, "Dist FT"), 1);
  EXPECT_EQ(platform::get_profile_string(core::kOptionSection, "Dist FT Excl", "", 256, options), "INTERNAL BETA");
  EXPECT_NE(transcript().find("window DLG_BUILDA_IDX \"Building A-Keyword Index\" opened\n"), std::string::npos)
      << transcript();
  EXPECT_NE(transcript().find("window DLG_BUILDA_IDX closed\n"), std::string::npos);
}

TEST_F(DistributionBuildTest, OnlyKLeavesTheOtherSlotsEmpty) {
  add_topic_file("print.rtf", kTopics);
  ui().queue_script("dialog DLG_DIST_INX\ncheck 101 0\ncheck 102 1\ncheck 103 0\nclick 1\n");
  aids::BuildDistributionIndex(state, 0);
  const std::string bytes = index();
  EXPECT_EQ(word_at(bytes, 0), 0u);
  EXPECT_EQ(word_at(bytes, 4), 12u);
  EXPECT_EQ(word_at(bytes, 8), 0u);
  // Without the exclusion list the INTERNAL topic is in.
  EXPECT_NE(bytes.find(Scramble("IDH_internal\t")), std::string::npos);
  EXPECT_EQ(bytes.find(Scramble("IDH_secret")), std::string::npos);
}

TEST_F(DistributionBuildTest, OnlyFullTextRunsUnderItsOwnWindow) {
  add_topic_file("print.rtf", kTopics);
  ui().queue_script("dialog DLG_DIST_INX\ncheck 101 0\ncheck 102 0\ncheck 103 1\nclick 1\n");
  EXPECT_EQ(aids::BuildDistributionIndex(state, 0), 1);
  const std::string bytes = index();
  EXPECT_EQ(word_at(bytes, 0), 0u);
  EXPECT_EQ(word_at(bytes, 4), 0u);
  EXPECT_EQ(word_at(bytes, 8), 12u);
  EXPECT_NE(bytes.find(Scramble("To print, see Setup.")), std::string::npos);
  EXPECT_NE(transcript().find("window DLG_BUILD_FTX "), std::string::npos) << transcript();
  EXPECT_NE(transcript().find("window DLG_BUILD_FTX closed\n"), std::string::npos);
}

TEST_F(DistributionBuildTest, CancelBuildsNothingAndKeepsTheOptions) {
  add_topic_file("print.rtf", kTopics);
  tw_test::write_file(host(aids::distribution_index_path(kProject)), "older index");
  ui().queue_script("dialog DLG_DIST_INX\ncheck 102 1\nclick 2\n");
  EXPECT_EQ(aids::BuildDistributionIndex(state, 0), 1);
  EXPECT_EQ(index(), "older index");
  EXPECT_FALSE(tw_test::exists(host(core::option_file_path(kProject))));

  // The dialog starts from the defaults: A and full text.
  ui().queue_script("dialog DLG_DIST_INX\nclick 1\n");
  aids::BuildDistributionIndex(state, 0);
  const std::string bytes = index();
  EXPECT_EQ(word_at(bytes, 0), 12u);
  EXPECT_EQ(word_at(bytes, 4), 0u);
  EXPECT_NE(word_at(bytes, 8), 0u);
}

}  // namespace
