// Publishing the bundled sample through both libraries, as twhost does: the
// site must hold every topic, and every link must reach a page and anchor.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <regex>

#include "host/installation.h"
#include "host/libraries.h"
#include "host/link_check.h"
#include "host/project_checks.h"
#include "host/publish_flow.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/profile.h"
#include "sample_publish_fixture.h"
#include "support/test_support.h"

namespace {

namespace fs = std::filesystem;

using PublishTest = tw_test::SamplePublishFixture;

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

// Links planted in the output folder, to files outside it or to nothing,
// are replaced by the pages; nothing outside the folder changes.
TEST_F(PublishTest, LinksInTheOutputFolderAreReplacedNotWrittenThrough) {
  const std::vector<std::string> names = {"introp2.htm", "usingp3.htm", "lfcindx.htm",
                                          "twztoc.htm", "intro.htm", "using.htm", "home.gif"};
  fs::create_directories(file("site"));
  for (const std::string& name : names) {
    tw_test::write_file(file("victims/" + name), "victim " + name);
    fs::create_symlink(file("victims/" + name), file("site/" + name));
  }
  fs::create_symlink(file("victims/nothing.htm"), file("site/introp3.htm"));
  host::PublishResult r = publish("standard.lfc");
  EXPECT_TRUE(r.broken_links.empty()) << r.broken_links.front();
  for (const std::string& name : names) {
    EXPECT_EQ(tw_test::read_file(file("victims/" + name)), "victim " + name) << name;
  }
  EXPECT_FALSE(tw_test::exists(file("victims/nothing.htm")));
  for (const char* page : {"introp2.htm", "introp3.htm", "usingp3.htm", "lfcindx.htm"}) {
    EXPECT_FALSE(fs::is_symlink(file(std::string("site/") + page))) << page;
    EXPECT_NE(tw_test::read_file(file(std::string("site/") + page)).find("<HTML>"), std::string::npos)
        << page;
  }
}

// A wizard project found in the output folder does not start the programs
// it names; the same file named as the template does.
TEST_F(PublishTest, PostScriptOfAFoundWizardProjectRunsOnlyWhenNamed) {
  tw_test::write_file(file("post.sh"), "#!/bin/sh\necho \"$1\" >> \"" + file("ran.txt") + "\"\n");
  fs::permissions(file("post.sh"), fs::perms::owner_all);
  std::string lfc = platform::read_file(host::template_path("standard.lfc")).value_or("");
  lfc.replace(lfc.find("run_post=0"), 10, "run_post=1");
  lfc.insert(lfc.find("post_name=") + 10, "c:\\post.sh");
  tw_test::write_file(file("site/sample.lfc"), lfc);
  publish("standard.lfc");

  host::PublishResult result;
  host::Progress quiet(nullptr, false);
  std::string error;
  EXPECT_TRUE(host::publish_project(libs, project, platform::to_system_path(file("site")),
                                    platform::to_system_path(file("site/sample.lfc")), quiet,
                                    result, error))
      << error;
  // The script runs once per page, beside the run: wait for its lines.
  auto lines = [&] {
    std::string ran = tw_test::read_file(file("ran.txt"));
    return std::count(ran.begin(), ran.end(), '\n');
  };
  for (int wait = 0; wait < 100 && lines() < result.pages; ++wait) usleep(100000);
  usleep(300000);
  EXPECT_EQ(lines(), result.pages);
}

// The sample's pictures (24-bit, 4-bit in a table cell, RLE, a hotspot
// graphic): no reference is left as text, and every IMG names a picture
// beside the pages with that picture's size.
TEST_F(PublishTest, EveryPictureBecomesAnImageOfItsSize) {
  host::PublishResult r = publish("standard.lfc");
  EXPECT_EQ(r.pictures, 4);
  EXPECT_EQ(r.missing_pictures + r.failed_pictures, 0);
  const std::regex img(R"re(<IMG SRC="([^"]+)"[^>]* HEIGHT=(\d+) WIDTH=(\d+))re");
  int images = 0, maps = 0;
  for (const auto& entry : fs::directory_iterator(file("site"))) {
    if (entry.path().extension() != ".htm") continue;
    const std::string page = tw_test::read_file(entry.path().string());
    EXPECT_EQ(page.find("{bm"), std::string::npos) << entry.path();
    maps += page.find("<MAP NAME=\"screen\">") != std::string::npos;
    for (std::sregex_iterator m(page.begin(), page.end(), img), end; m != end; ++m) {
      const std::string gif = tw_test::read_file(file("site/" + (*m)[1].str()));
      ++images;
      ASSERT_EQ(gif.substr(0, 4), "GIF8") << (*m)[1];
      const int width = static_cast<unsigned char>(gif[6]) | static_cast<unsigned char>(gif[7]) << 8;
      const int height = static_cast<unsigned char>(gif[8]) | static_cast<unsigned char>(gif[9]) << 8;
      EXPECT_EQ(std::to_string(height), (*m)[2].str()) << (*m)[1];
      EXPECT_EQ(std::to_string(width), (*m)[3].str()) << (*m)[1];
    }
  }
  EXPECT_GE(images, 4);
  EXPECT_EQ(maps, 1);
  EXPECT_TRUE(r.broken_links.empty()) << r.broken_links.front();
}

// Another process that names its own project in the shared twzhtml.ini
// while this run publishes does not turn this run to that project.
TEST_F(PublishTest, ARunKeepsItsProjectWhileAnotherNamesItsOwn) {
  fs::copy(file("sample"), file("other"), fs::copy_options::recursive);
  tw_test::write_file(file("othersite/sample.lfc"),
                      platform::read_file(host::template_path("standard.lfc")).value_or("") +
                          "\r\n[TWHTML]\r\nhpj=" + platform::to_system_path(file("other/sample.hpj")) +
                          "\r\n");
  const std::string other_lfc = platform::to_system_path(file("othersite/sample.lfc"));
  pid_t other = fork();
  ASSERT_GE(other, 0);
  if (other == 0) {
    for (;;) {
      platform::write_profile_string("Project", "proj", other_lfc, "twzhtml.ini");
      usleep(1000);
    }
  }
  host::PublishResult r = publish("standard.lfc");
  kill(other, SIGKILL);
  waitpid(other, nullptr, 0);
  EXPECT_EQ(r.pages, 6);
  EXPECT_TRUE(r.broken_links.empty()) << r.broken_links.front();
  EXPECT_TRUE(tw_test::exists(file("site/introp2.htm")));
  EXPECT_FALSE(tw_test::exists(file("othersite/introp2.htm")));
}

// What publish overrides for its run (no browser, no first-compile notice,
// chmcmd as the compiler) holds for the run only: the user's twzhtml.ini
// keeps its own values, and a key the user never set stays unset.
TEST_F(PublishTest, UsersBrowserAndCompilerSettingsSurviveAPublish) {
  platform::write_profile_string("Browser", "run", "1", "twzhtml.ini");
  platform::write_profile_string("Locations", "compiler", "c:\\nowhere\\hhc.exe", "twzhtml.ini");
  host::PublishResult r = publish("standard.lfc");
  EXPECT_TRUE(tw_test::exists(r.start_page)) << r.start_page;
  const std::string settings = tw_test::read_file(platform::profile_file_path("twzhtml.ini"));
  EXPECT_NE(settings.find("run=1"), std::string::npos) << settings;
  EXPECT_EQ(settings.find("run=0"), std::string::npos) << settings;
  EXPECT_EQ(settings.find("comp msg"), std::string::npos) << settings;
  EXPECT_EQ(platform::get_profile_string("Locations", "compiler", "", 260, "twzhtml.ini"),
            "c:\\nowhere\\hhc.exe");
  EXPECT_EQ(platform::get_profile_int("Browser", "run", 0, "twzhtml.ini"), 1);  // the pins are gone

  platform::write_profile_string("Browser", "run", std::nullopt, "twzhtml.ini");
  publish("standard.lfc");
  EXPECT_EQ(tw_test::read_file(platform::profile_file_path("twzhtml.ini")).find("run="), std::string::npos);
}

TEST_F(PublishTest, LinkCheckFindsMissingPagesAndAnchors) {
  tw_test::write_file(file("web/a.htm"),
                      "<A NAME=\"top\"></A><A HREF=\"b.htm#here\">x</A><A HREF=\"b.htm#gone\">y</A>"
                      "<A HREF=\"c.htm\">z</A><A HREF=\"#top\">t</A><IMG SRC=\"pic.gif\">"
                      "<A HREF=\"http://example.com/\">w</A><img src=\"LOGO.gif\">");
  // b.htm is read after a.htm: its anchors answer a.htm's links late, and
  // its own broken link still comes after a.htm's in the report.
  tw_test::write_file(file("web/b.htm"), "<a name=here></a><a href=\"a.htm#nowhere\">back</a>"
                                         "<a href=\"a.htm#top\">up</a>");
  tw_test::write_file(file("web/logo.gif"), "GIF89a");  // names compare without case
  host::LinkReport r = host::check_links(file("web"));
  EXPECT_EQ(r.pages, 2);
  EXPECT_EQ(r.links, 8);
  ASSERT_EQ(r.broken.size(), 4u);
  EXPECT_EQ(r.broken[0], "a.htm: b.htm#gone (no such anchor)");
  EXPECT_EQ(r.broken[1], "a.htm: c.htm (no such file)");
  EXPECT_EQ(r.broken[2], "a.htm: pic.gif (no such file)");
  EXPECT_EQ(r.broken[3], "b.htm: a.htm#nowhere (no such anchor)");
}

}  // namespace
