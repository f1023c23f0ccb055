// The shipped templates publish the sample the same way, byte for byte, from
// one version to the next: the pages are compared with the golden files in
// tests/data/golden/<template>/ (TW_UPDATE_GOLDEN=1 rewrites them after a
// change meant to alter the output). The modern template, the default of
// twhost publish, is checked for what it promises.
#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "host/convert_flow.h"
#include "host/installation.h"
#include "host/libraries.h"
#include "host/project_checks.h"
#include "host/publish_flow.h"
#include "platform/clock.h"
#include "platform/paths.h"
#include "sample_publish_fixture.h"
#include "support/test_support.h"

namespace {

namespace fs = std::filesystem;

const fs::path kGolden = fs::path(TW_SOURCE_DIR) / "tests/data/golden";

class TemplateOutputTest : public tw_test::SamplePublishFixture {
 protected:
  // The published text files, with today's date as the signature's
  // placeholder so that the files compare on any day.
  std::vector<std::pair<std::string, std::string>> published() {
    const std::string today = platform::long_date(platform::local_time());
    std::vector<std::pair<std::string, std::string>> files;
    for (const auto& entry : fs::directory_iterator(file("site"))) {
      const std::string ext = entry.path().extension().string();
      if (ext != ".htm" && ext != ".hhc" && ext != ".hhk") continue;
      std::string text = tw_test::read_file(entry.path().string());
      for (std::size_t at; (at = text.find(today)) != std::string::npos;) text.replace(at, today.size(), "<<TODAY>>");
      files.emplace_back(entry.path().filename().string(), text);
    }
    std::sort(files.begin(), files.end());
    return files;
  }
};

TEST_F(TemplateOutputTest, ShippedTemplatesPublishAsTheGoldenFiles) {
  const bool update = std::getenv("TW_UPDATE_GOLDEN") != nullptr;
  for (const char* name : {"standard", "widemarg", "frames", "htmlhelp"}) {
    SCOPED_TRACE(name);
    fs::remove_all(file("site"));
    publish(std::string(name) + ".lfc");
    const fs::path golden = kGolden / name;
    const auto files = published();
    ASSERT_FALSE(files.empty());
    if (update) {
      fs::remove_all(golden);
      fs::create_directories(golden);
      for (const auto& [page, text] : files) tw_test::write_file((golden / page).string(), text);
      continue;
    }
    std::vector<std::string> expected;
    for (const auto& entry : fs::directory_iterator(golden)) expected.push_back(entry.path().filename().string());
    std::sort(expected.begin(), expected.end());
    std::vector<std::string> got;
    for (const auto& [page, text] : files) got.push_back(page);
    EXPECT_EQ(got, expected);
    for (const auto& [page, text] : files) {
      if (!fs::exists(golden / page)) continue;
      EXPECT_EQ(text, tw_test::read_file((golden / page).string())) << page;
    }
  }
}

TEST_F(TemplateOutputTest, ModernTemplateIsTheDefaultAndKeepsItsPromises) {
  EXPECT_EQ(host::ConvertRequest{}.template_name, "modern.lfc");
  host::PublishResult r = publish("modern.lfc");
  EXPECT_EQ(r.pages, 6);
  EXPECT_TRUE(r.broken_links.empty()) << r.broken_links.front();
  const std::string page = tw_test::read_file(file("site/introp2.htm"));
  // Readable on any screen, printed without navigation.
  EXPECT_NE(page.find("<META NAME=\"viewport\" CONTENT=\"width=device-width, initial-scale=1\">"),
            std::string::npos);
  EXPECT_NE(page.find("max-width: 70ch"), std::string::npos);
  EXPECT_NE(page.find("system-ui"), std::string::npos);
  EXPECT_NE(page.find("@media print"), std::string::npos);
  EXPECT_EQ(page.find("<FONT FACE"), std::string::npos);
  EXPECT_EQ(page.find("<BASEFONT"), std::string::npos);
  EXPECT_EQ(page.find("<FRAME"), std::string::npos);
  // The contents beside the page link every topic page; navigation is marked.
  const std::size_t nav = page.find("<NAV CLASS=\"tw-contents\">");
  ASSERT_NE(nav, std::string::npos);
  const std::string sidebar = page.substr(nav, page.find("</NAV>", nav) - nav);
  for (const char* other : {"usingp3.htm", "introp3.htm"}) {
    EXPECT_NE(sidebar.find(other), std::string::npos) << other;
  }
  EXPECT_NE(page.find("<NAV CLASS=\"tw-nav\">"), std::string::npos);
  // The index's letter bar links only letters that have a heading.
  const std::string index = tw_test::read_file(file("site/lfcindx.htm"));
  EXPECT_NE(index.find("tw-empty"), std::string::npos);
  for (char c = 'A'; c <= 'Z'; ++c) {
    const bool linked = index.find(std::string("<A HREF=#") + c + ">") != std::string::npos;
    const bool headed = index.find(std::string("<A NAME=") + c + ">") != std::string::npos;
    EXPECT_EQ(linked, headed) << c;
  }
}

}  // namespace
