// The publish summary names every jump that stayed text, as far as the
// caller's buffer allows, and counts the rest.
#include "html/driver/publish_summary.h"

#include <gtest/gtest.h>

#include "html/driver/conversion_run.h"
#include "include/tarvenwick/twzhtml.h"

namespace {

TEST(PublishSummary, UnknownTargetsByNameOnceEach) {
  html::ConversionRun run;
  run.home_page = "a.htm";
  run.publish.counts.unresolved("T_GONE");
  run.publish.counts.unresolved("EXT@other.hlp");
  run.publish.counts.unresolved("T_GONE");
  std::string summary = html::publish_summary(run);
  EXPECT_NE(summary.find("unresolved=3\nindex=0\nfailed_files=0\nfailed_pages=0\npictures=0\nmissing_pictures=0\nfailed_pictures=0\nunknown=T_GONE\nunknown=EXT@other.hlp\n"),
            std::string::npos)
      << summary;
  EXPECT_EQ(summary.find("unknown_more"), std::string::npos);
}

TEST(PublishSummary, FitsTheCallersBuffer) {
  html::ConversionRun run;
  for (int i = 0; i < 100; ++i) run.publish.counts.unresolved("IDH_A_RATHER_LONG_CONTEXT_" + std::to_string(i));
  std::string summary = html::publish_summary(run);
  EXPECT_LT(summary.size(), static_cast<std::size_t>(TWZHTML_SUMMARY_BUFFER));
  EXPECT_NE(summary.find("unknown=IDH_A_RATHER_LONG_CONTEXT_0\n"), std::string::npos);
  std::size_t more = summary.find("unknown_more=");
  ASSERT_NE(more, std::string::npos);
  EXPECT_EQ(summary.back(), '\n');
}

}  // namespace
