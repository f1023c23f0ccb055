// process_rtf, scan_rtf and get_next_rtf over whole projects.
#include "html/analysis/rtf_analysis.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "html/analysis_fixture.h"
#include "html/analysis/marker_rewrite.h"
#include "html/rtf_fixtures.h"
#include "platform/profile.h"

namespace {

using tw_test::count_of;

class RtfAnalysis : public tw_test::AnalysisFixture {};

TEST_F(RtfAnalysis, SampleProjectBecomesMarkerFiles) {
  use_sample_project();
  EXPECT_EQ(html::process_rtf(run), 1);

  std::string intro = tw_test::read_file(proj_file("intro.~tw"));
  std::string original = tw_test::read_file(proj_file("intro.rtf"));
  EXPECT_NE(intro.find("{\\cs15\\super ~~~pg~Welcome to the Sample Help!~!!bIDH_welcome!}"),
            std::string::npos);
  EXPECT_NE(intro.find("\r\n!tzkywelcome;introduction;overview!~\r\n"), std::string::npos);
  EXPECT_NE(intro.find("\r\n!tzbrsmain:005!~"), std::string::npos);
  EXPECT_NE(intro.find("~~~pg~Getting Started!~\r\n"), std::string::npos);
  EXPECT_NE(intro.find("{\\cs15\\super \r\n!!bIDH_getting_started!}"), std::string::npos);
  EXPECT_NE(intro.find("{!!x Getting Started}{^#IDH_getting_started#!#}"), std::string::npos);
  EXPECT_NE(intro.find("{!!x topic}{^#IDH_def_topic#!#}"), std::string::npos);
  // Three topics: three page markers, no footnote left, the text kept, valid RTF.
  EXPECT_EQ(count_of(intro, "~~~pg"), 3u);
  EXPECT_EQ(count_of(intro, "!!b"), 3u);
  EXPECT_EQ(count_of(intro, "\\footnote"), 0u);
  EXPECT_NE(intro.find("A help project is a set of topic files"), std::string::npos);
  EXPECT_EQ(tw_test::brace_balance(intro), tw_test::brace_balance(original));

  std::string usage = tw_test::read_file(proj_file("using.~tw"));
  EXPECT_NE(usage.find("~~~pg~Printing a Document!~!!bIDH_printing!"), std::string::npos);
  EXPECT_NE(usage.find("{!!x Welcome to the Sample Help}{^#IDH_welcome#!#}"), std::string::npos);
  EXPECT_NE(usage.find("Copies\\cell Number of copies to print.\\cell \\row"), std::string::npos);
}

TEST_F(RtfAnalysis, MarkerFilesAreHandedOutInProjectOrder) {
  use_sample_project();
  html::process_rtf(run);
  EXPECT_EQ(html::get_next_rtf(run, 0), "c:\\proj\\intro.~tw");
  EXPECT_EQ(html::get_next_rtf(run, 1), "c:\\proj\\using.~tw");
  EXPECT_EQ(html::get_next_rtf(run, 2), "c:\\proj\\extras.~tw");
  EXPECT_EQ(html::get_next_rtf(run, 3), std::nullopt);
  EXPECT_EQ(html::get_next_rtf(run, -1), std::nullopt);
}

TEST_F(RtfAnalysis, BitmapPathIsStoredInTheProject) {
  use_help_project("pics.hpj");
  write_proj_file("pics.hpj",
                  "[OPTIONS]\r\nBMROOT=c:\\pics ; first\r\nBMROOT=d:\\art\r\n[FILES]\r\n");
  EXPECT_EQ(html::process_rtf(run), 1);
  EXPECT_EQ(platform::get_profile_string("TWHTML", "bmroot", "", 256, "c:\\proj\\conv.lfc"),
            ".,c:\\pics,d:\\art");
}

TEST_F(RtfAnalysis, MissingFileIsReportedAndTheOthersConverted) {
  use_sample_project();
  write_proj_file("sample.hpj",
                  "[FILES]\r\nintro.rtf\r\nsub\\gone.rtf\r\nusing.rtf ; the last\r\n");
  EXPECT_EQ(html::process_rtf(run), 0);
  EXPECT_EQ(transcript_lines("message"),
            std::vector<std::string>{
                "message \"Could not locate RTF file gone.rtf. Open the corresponding .doc file "
                "in Tarvenwick and save it before re-running the HTML Wizard.\" "
                "caption=\"Tarvenwick HTML Wizard\" icon=none -> OK (default)"});
  EXPECT_TRUE(tw_test::exists(proj_file("intro.~tw")));
  EXPECT_TRUE(tw_test::exists(proj_file("using.~tw")));
  EXPECT_EQ(html::get_next_rtf(run, 1), "c:\\proj\\sub\\gone.~tw");
  EXPECT_EQ(html::scan_rtf(run), 0);
}

// Topic files outside the project folder are read where they are, but their
// marker files go into the project folder, each under a name of its own.
TEST_F(RtfAnalysis, MarkersOfOutsideTopicFilesStayInTheProjectFolder) {
  use_sample_project();
  const std::string topic = "{\\rtf1\\ansi {\\cs15\\super #{\\footnote #IDH_x}}";
  tw_test::write_file(file("shared/intro.rtf"), topic + "Shared text\\par}");
  tw_test::write_file(file("other/intro.rtf"), topic + "Other text\\par}");
  tw_test::write_file(file("elsewhere/b.rtf"), topic + "Far text\\par}");
  write_proj_file("sample.hpj", "[FILES]\r\n..\\shared\\intro.rtf\r\nc:\\other\\intro.rtf\r\n"
                                "intro.rtf\r\nz:" + file("elsewhere/b.rtf") + "\r\n");
  EXPECT_EQ(html::process_rtf(run), 1);

  EXPECT_EQ(html::get_next_rtf(run, 0), "c:\\proj\\intro-3.~tw");
  EXPECT_EQ(html::get_next_rtf(run, 1), "c:\\proj\\intro-2.~tw");
  EXPECT_EQ(html::get_next_rtf(run, 2), "c:\\proj\\intro.~tw");
  EXPECT_EQ(html::get_next_rtf(run, 3), "c:\\proj\\b.~tw");
  EXPECT_NE(tw_test::read_file(proj_file("intro-3.~tw")).find("Shared text"), std::string::npos);
  EXPECT_NE(tw_test::read_file(proj_file("intro-2.~tw")).find("Other text"), std::string::npos);
  EXPECT_NE(tw_test::read_file(proj_file("intro.~tw")).find("Welcome to the Sample Help"),
            std::string::npos);
  EXPECT_NE(tw_test::read_file(proj_file("b.~tw")).find("Far text"), std::string::npos);
  for (const char* outside : {"shared/intro.~tw", "other/intro.~tw", "elsewhere/b.~tw"})
    EXPECT_FALSE(tw_test::exists(file(outside))) << outside;
}

TEST_F(RtfAnalysis, NoHelpProjectConvertsNothing) {
  use_help_project("absent.hpj");
  EXPECT_EQ(html::process_rtf(run), 1);
  EXPECT_EQ(html::get_next_rtf(run, 0), std::nullopt);
  EXPECT_TRUE(ui().transcript().empty());
}

TEST_F(RtfAnalysis, OldMarkerFileIsReplaced) {
  use_sample_project();
  write_proj_file("intro.~tw", std::string(100000, 'z'));
  html::process_rtf(run);
  std::string intro = tw_test::read_file(proj_file("intro.~tw"));
  EXPECT_EQ(intro.find("zzz"), std::string::npos);
  EXPECT_EQ(intro.compare(0, 6, "{\\rtf1"), 0);
  EXPECT_LT(intro.size(), 10000u);
}

// A topic file far larger than the rewrite buffer, and the marker file
// expected of it: many topics, each with footnotes and a hotspot.
struct LargeFile {
  std::string rtf = "{\\rtf1\\ansi\r\n";
  std::string markers = "{\\rtf1\\ansi\r\n";
};

LargeFile large_topic_file(int topics) {
  LargeFile f;
  for (int i = 0; i < topics; ++i) {
    std::string n = std::to_string(i);
    std::string next = std::to_string(i + 1);
    std::string text = "\\pard " + std::string(300, 'a') + " {\\uldb Next}{\\v IDH_" + next +
                       "}.\\par\r\n\\pard " + std::string(200, 'b') + "\\par\r\n";
    if (i > 0) f.rtf += "\\page\r\n";
    f.rtf += "{\\super #{\\footnote {\\super #} IDH_" + n + "}}\r\n" +
             "{\\super ${\\footnote {\\super $} Topic " + n + "}}\r\n" +
             "{\\super K{\\footnote {\\super K} key" + n + "}}\r\n" + text;
    std::string title = "~Topic " + n + "!~";
    f.markers += i == 0 ? "{\\super ~~~pg" + title + "!!bIDH_0!}\r\n"
                        : "~~~pg" + title + "\r\n{\\super \r\n!!bIDH_" + n + "!}\r\n";
    f.markers += "{\\super }\r\n{\\super \r\n!tzkykey" + n + "!~\r\n}\r\n\\pard " +
                 std::string(300, 'a') + " {!!x Next}{^#IDH_" + next + "#!#}.\\par\r\n\\pard " +
                 std::string(200, 'b') + "\\par\r\n";
  }
  f.rtf += "}\r\n";
  f.markers += "}\r\n";
  return f;
}

TEST_F(RtfAnalysis, LargeFileIsRewrittenInChunksWithProgress) {
  use_help_project("big.hpj");
  write_proj_file("big.hpj", "[FILES]\r\nbig.rtf\r\n");
  LargeFile big = large_topic_file(2000);
  ASSERT_GT(big.rtf.size(), 600000u);
  write_proj_file("big.rtf", big.rtf);

  EXPECT_EQ(html::process_rtf(run), 1);
  std::string out = tw_test::read_file(proj_file("big.~tw"));
  EXPECT_TRUE(out == big.markers)
      << "the marker file differs from byte "
      << std::mismatch(out.begin(), out.end(), big.markers.begin(), big.markers.end()).first -
             out.begin();
  EXPECT_GT(html::analysis_steps(big.rtf.size()), html::kAnalysisProgressThreshold);
  EXPECT_EQ(transcript_lines("window"),
            (std::vector<std::string>{"window DLG_HTML_PROGRESS \"Analyzing RTF Files...\" opened",
                                      "window DLG_HTML_PROGRESS closed"}));
}

TEST_F(RtfAnalysis, SmallProjectShowsNoProgressWindow) {
  use_sample_project();
  html::process_rtf(run);
  EXPECT_TRUE(transcript_lines("window").empty());
}

TEST_F(RtfAnalysis, BadInputNeverBreaksTheRewrite) {
  use_help_project("bad.hpj");
  write_proj_file("bad.hpj", "[FILES]\r\ngarbage.rtf\r\nopen.rtf\r\nlong.rtf\r\nempty.rtf\r\n");
  std::string garbage;
  for (int i = 0; i < 200000; ++i) garbage += static_cast<char>((i * 7919 + i / 13) % 256);
  write_proj_file("garbage.rtf", garbage);
  write_proj_file("open.rtf", tw_test::html_fixture("unterminated.rtf"));
  std::string long_line = "{\\rtf1 " + std::string(150000, 'q') + "{\\uldb x}{\\v IDH_x}}";
  write_proj_file("long.rtf", long_line);
  write_proj_file("empty.rtf", "");

  EXPECT_EQ(html::process_rtf(run), 1);
  EXPECT_FALSE(tw_test::read_file(proj_file("garbage.~tw")).empty());
  EXPECT_EQ(tw_test::read_file(proj_file("open.~tw")),
            tw_test::read_file(std::string(TW_TEST_DATA) + "/html/unterminated.~tw"));
  std::string long_out = tw_test::read_file(proj_file("long.~tw"));
  EXPECT_EQ(long_out, "{\\rtf1 " + std::string(150000, 'q') + "{!!x x}{^#IDH_x#!#}}");
  EXPECT_TRUE(tw_test::exists(proj_file("empty.~tw")));
  EXPECT_EQ(tw_test::read_file(proj_file("empty.~tw")), "");
}

}  // namespace
