// Publishing the bundled sample through both libraries, as twhost does: the
// site must hold every topic, and every link must reach a page and anchor.
#include <filesystem>

#include "host/installation.h"
#include "host/libraries.h"
#include "host/link_check.h"
#include "host/project_checks.h"
#include "host/publish_flow.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "support/test_support.h"

namespace {

namespace fs = std::filesystem;

class PublishTest : public tw_test::Fixture {
 protected:
  host::Libraries libs;
  std::string project;

  void SetUp() override {
    Fixture::SetUp();
    std::string error;
    ASSERT_TRUE(host::load_libraries(libs, error)) << error;
    host::ensure_installation();
    fs::copy(fs::path(TW_SOURCE_DIR) / "samples/sample", file("sample"), fs::copy_options::recursive);
    project = platform::to_system_path(file("sample/sample.hpj"));
  }

  host::PublishResult publish(const std::string& template_name) {
    host::PublishResult result;
    host::Progress quiet(nullptr, false);
    std::string error;
    EXPECT_TRUE(host::publish_project(libs, project, platform::to_system_path(file("site")),
                                      host::template_path(template_name), quiet, result, error))
        << error;
    return result;
  }
};

TEST_F(PublishTest, SampleBecomesASiteWithoutBrokenLinks) {
  host::PublishResult r = publish("standard.lfc");
  EXPECT_EQ(r.pages, 6);
  EXPECT_EQ(r.unresolved_jumps, 1);  // the sample's planted jump to an undefined topic
  EXPECT_GT(r.index_entries, 10);
  EXPECT_TRUE(r.broken_links.empty()) << r.broken_links.front();
  EXPECT_GT(r.checked_links, 50);
  EXPECT_TRUE(tw_test::exists(r.start_page)) << r.start_page;
  for (const char* page : {"introp2.htm", "usingp3.htm", "lfcindx.htm", "twztoc.htm", "home.gif"}) {
    EXPECT_TRUE(tw_test::exists(file(std::string("site/") + page))) << page;
  }
}

TEST_F(PublishTest, FramesTemplateStartsAtItsFrameset) {
  host::PublishResult r = publish("frames.lfc");
  EXPECT_TRUE(r.broken_links.empty()) << r.broken_links.front();
  std::string start = tw_test::read_file(r.start_page);
  EXPECT_NE(start.find("<FRAMESET"), std::string::npos) << r.start_page;
}

TEST_F(PublishTest, WideMarginTemplatePublishesWithoutBrokenLinks) {
  host::PublishResult r = publish("widemarg.lfc");
  EXPECT_EQ(r.pages, 6);
  EXPECT_TRUE(r.broken_links.empty()) << r.broken_links.front();
}

TEST_F(PublishTest, LinkCheckFindsMissingPagesAndAnchors) {
  tw_test::write_file(file("web/a.htm"),
                      "<A NAME=\"top\"></A><A HREF=\"b.htm#here\">x</A><A HREF=\"b.htm#gone\">y</A>"
                      "<A HREF=\"c.htm\">z</A><A HREF=\"#top\">t</A><IMG SRC=\"pic.gif\">"
                      "<A HREF=\"http://example.com/\">w</A><img src=\"LOGO.gif\">");
  tw_test::write_file(file("web/b.htm"), "<a name=here></a>");
  tw_test::write_file(file("web/logo.gif"), "GIF89a");  // names compare without case
  host::LinkReport r = host::check_links(file("web"));
  EXPECT_EQ(r.pages, 2);
  EXPECT_EQ(r.links, 6);
  ASSERT_EQ(r.broken.size(), 3u);
  EXPECT_EQ(r.broken[0], "a.htm: b.htm#gone (no such anchor)");
  EXPECT_EQ(r.broken[1], "a.htm: c.htm (no such file)");
  EXPECT_EQ(r.broken[2], "a.htm: pic.gif (no such file)");
}

}  // namespace
