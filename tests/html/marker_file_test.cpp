// Whole topic files rewritten into marker files, compared with the marker
// files expected of them.
#include "html/analysis/marker_file.h"

#include <gtest/gtest.h>

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
  int code = tw_test::with_file_size_limit(100000, [&] {
    auto outcome = html::write_marker_file(file("big.rtf"), file("big.~tw"), nullptr);
    return outcome == html::MarkerOutcome::not_written ? 0 : 1;
  });
  EXPECT_EQ(code, 0) << "the cut-short marker file was reported as written";
  EXPECT_FALSE(tw_test::exists(file("big.~tw")));
}

TEST(MarkerPath, EverythingFromTheLastDotIsReplaced) {
  EXPECT_EQ(html::with_last_extension("c:\\proj\\intro.rtf", ".~tw"), "c:\\proj\\intro.~tw");
  EXPECT_EQ(html::with_last_extension("c:\\p.q\\a.rtf.bak", ".rtf"), "c:\\p.q\\a.rtf.rtf");
}

}  // namespace
