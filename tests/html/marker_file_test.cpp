// Whole topic files rewritten into marker files, compared with the marker
// files expected of them.
#include "html/marker_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "html/rtf_chunks.h"
#include "html/rtf_fixtures.h"
#include "support/test_support.h"

namespace {

class MarkerFile : public tw_test::Fixture {
 protected:
  std::string convert(std::string_view fixture) {
    std::string rtf = file("in.rtf");
    tw_test::write_file(rtf, tw_test::html_fixture(std::string(fixture) + ".rtf"));
    EXPECT_EQ(html::write_marker_file(rtf, file("in.~tw"), nullptr), html::MarkerOutcome::written);
    return tw_test::read_file(file("in.~tw"));
  }
};

TEST_F(MarkerFile, WordProcessorTopicFile) {
  // Footnotes spread over lines, hotspots with styled and split hidden text,
  // a picture's hex data, a table.
  std::string out = convert("topics");
  EXPECT_EQ(out, tw_test::html_fixture("topics.~tw"));
  EXPECT_EQ(tw_test::brace_balance(out),
            tw_test::brace_balance(tw_test::html_fixture("topics.rtf")));
}

TEST_F(MarkerFile, UnterminatedGroupsStayAsTheyAre) {
  EXPECT_EQ(convert("unterminated"), tw_test::html_fixture("unterminated.~tw"));
}

TEST_F(MarkerFile, MissingAndUncreatableFiles) {
  EXPECT_EQ(html::write_marker_file(file("none.rtf"), file("none.~tw"), nullptr),
            html::MarkerOutcome::rtf_missing);
  EXPECT_FALSE(tw_test::exists(file("none.~tw")));
  tw_test::write_file(file("x.rtf"), "{\\rtf1}");
  EXPECT_EQ(html::write_marker_file(file("x.rtf"), file("no/such/dir/x.~tw"), nullptr),
            html::MarkerOutcome::not_written);
}

TEST_F(MarkerFile, AMarkerFileCutShortIsNotLeft) {
  std::string rtf = "{\\rtf1 ";
  while (rtf.size() < 200000) rtf += "\\pard Some text of a topic.\\par\r\n";
  tw_test::write_file(file("big.rtf"), rtf + "}");
  // A file size limit makes the marker file's writes fail part way.
  pid_t pid = fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = 100000;
    setrlimit(RLIMIT_FSIZE, &limit);
    auto outcome = html::write_marker_file(file("big.rtf"), file("big.~tw"), nullptr);
    _exit(outcome == html::MarkerOutcome::not_written ? 0 : 1);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "the cut-short marker file was reported as written";
  EXPECT_FALSE(tw_test::exists(file("big.~tw")));
}

TEST(MarkerPath, EverythingFromTheLastDotIsReplaced) {
  EXPECT_EQ(html::with_last_extension("c:\\proj\\intro.rtf", ".~tw"), "c:\\proj\\intro.~tw");
  EXPECT_EQ(html::with_last_extension("c:\\p.q\\a.rtf.bak", ".rtf"), "c:\\p.q\\a.rtf.rtf");
}

TEST(ParagraphCut, NearestDistanceFirst) {
  std::string chunk(html::kChunkBytes, 'x');
  EXPECT_EQ(html::paragraph_cut(chunk), std::string::npos);
  // A "\par " 1,200 bytes before the end is found only at the second distance,
  // before the one 4,000 bytes before the end.
  chunk.replace(chunk.size() - 4000, 5, "\\par ");
  chunk.replace(chunk.size() - 1200, 5, "\\par ");
  EXPECT_EQ(html::paragraph_cut(chunk), chunk.size() - 1200);
  chunk.replace(chunk.size() - 900, 5, "\\par ");
  EXPECT_EQ(html::paragraph_cut(chunk), chunk.size() - 900);
  // "\pard" is no paragraph end.
  std::string pard(html::kChunkBytes, 'x');
  pard.replace(100, 6, "\\pard ");
  pard.replace(20000, 5, "\\par ");
  EXPECT_EQ(html::paragraph_cut(pard), 20000u);
}

TEST_F(MarkerFile, ChunksAreCutBeforeAParagraph) {
  // Paragraphs of 700 bytes: every chunk but the last ends just before "\par ".
  std::string rtf;
  while (rtf.size() < 3 * html::kChunkBytes) rtf += "\\par " + std::string(695, 'p');
  tw_test::write_file(file("c.rtf"), rtf);
  html::RtfChunkReader reader;
  ASSERT_TRUE(reader.open(file("c.rtf")));
  std::string joined;
  int chunks = 0;
  while (std::optional<std::string> chunk = reader.next()) {
    ++chunks;
    EXPECT_LE(chunk->size(), html::kChunkBytes);
    EXPECT_EQ(chunk->compare(0, 5, "\\par "), 0);
    joined += *chunk;
  }
  EXPECT_EQ(joined, rtf);
  EXPECT_EQ(chunks, 4);
}

}  // namespace
