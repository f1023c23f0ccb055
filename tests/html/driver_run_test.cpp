// ProcessFiles on prepared folders of exported HTML files: the whole run,
// its links, index and contents, the progress window, the post-conversion
// script and the master page.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <thread>

#include "html/analysis/bookmark_name.h"
#include "html/driver/conversion_run.h"
#include "html/index/finish_index.h"
#include "html/splitter/html_registration.h"
#include "html/driver/process_files.h"
#include "html/driver/publish_summary.h"
#include "support/rewrite_counter.h"
#include "support/test_support.h"

namespace html {
namespace {

namespace fs = std::filesystem;

// The links of every page in a folder that do not lead to an existing page
// and anchor, as "page -> target".
std::vector<std::string> broken_links(const std::string& folder) {
  std::map<std::string, std::set<std::string>> anchors;
  std::map<std::string, std::string> pages;
  for (const auto& entry : fs::directory_iterator(folder)) {
    std::string name = entry.path().filename().string();
    if (entry.path().extension() != ".htm") continue;
    pages[name] = tw_test::read_file(entry.path().string());
    std::regex anchor("<A NAME=\"?([^\">]+)\"?>", std::regex::icase);
    for (std::sregex_iterator m(pages[name].begin(), pages[name].end(), anchor), end; m != end; ++m)
      anchors[name].insert((*m)[1]);
  }
  std::vector<std::string> broken;
  std::regex href("(?:HREF|SRC)=\"?([^\" >]+)", std::regex::icase);
  for (const auto& [name, text] : pages) {
    for (std::sregex_iterator m(text.begin(), text.end(), href), end; m != end; ++m) {
      std::string target = (*m)[1];
      if (target.find(':') != std::string::npos || target.ends_with(".gif")) continue;
      std::size_t hash = target.find('#');
      std::string page = hash == 0 ? name : target.substr(0, hash);
      std::string fragment = hash == std::string::npos ? "" : target.substr(hash + 1);
      bool ok = pages.count(page) && (fragment.empty() || anchors[page].count(fragment));
      if (!ok) broken.push_back(name + " -> " + target);
    }
  }
  return broken;
}

class DriverTest : public tw_test::Fixture {
 protected:
  void SetUp() override {
    tw_test::Fixture::SetUp();
    tw_test::write_file(file("windows/twzhtml.ini"), "[Project]\r\nproj=c:\\pub\\guide.lfc\r\n");
    tw_test::write_file(
        file("help/guide.hpj"),
        "[OPTIONS]\r\nTITLE=Guide\r\nCONTENTS=IDH_PRINT\r\n[FILES]\r\nmarkers.rtf\r\n");
    tw_test::write_file(file("help/guide.cnt"),
                        ":Base guide.hlp\r\n1 Printing\r\n2 Printing and paper=IDH_PRINT\r\n"
                        "2 Toner=IDH_TONER\r\n2 Lost=IDH_LOST\r\n");
    copy_export();
  }
  // The caller's export of a topic file with three topics, fresh for a run.
  void copy_export() {
    fs::create_directories(file("pub"));
    fs::copy_file(std::string(TW_TEST_DATA) + "/rtf/markers.htm", file("pub/markers.htm"),
                  fs::copy_options::overwrite_existing);
  }
  void project(std::string_view settings) {
    tw_test::write_file(file("pub/guide.lfc"),
                        "[TWHTML]\r\nhpj=c:\\help\\guide.hpj\r\n[Settings]\r\n" +
                            std::string(settings) +
                            "[HTML]\r\nf0=c:\\pub\\markers.htm>Markers\r\n");
  }
  std::string out(std::string_view name) {
    return tw_test::read_file(file("pub/" + std::string(name)));
  }
  bool has(std::string_view name) { return tw_test::exists(file("pub/" + std::string(name))); }
  std::vector<std::string> transcript() { return ui().transcript(); }
  ConversionRun run;
};

TEST_F(DriverTest, PublishesPagesIndexAndContentsWithWorkingLinks) {
  project("hlo=T-B\r\nnavbuts=0 0 1 0 0 0 1 0 0 0 0 1 1\r\n");
  std::string buttons =
      "[Buttons]\r\nContents=toc.gif x 1 1 1 1\r\nIndex=indx.gif x 2 1 1 1\r\n"
      "Previous=prev.gif x 5 1 1 1\r\nNext=next.gif x 4 1 1 1\r\n";
  tw_test::write_file(file("pub/guide.lfc"), out("guide.lfc") + buttons);
  ASSERT_EQ(process_files(run), 1);
  for (const char* page :
       {"markersp2.htm", "markersp3.htm", "markersp4.htm", "lfcindx.htm", "twztoc.htm"})
    EXPECT_TRUE(has(page)) << page;
  EXPECT_EQ(broken_links(file("pub")), std::vector<std::string>{});
  std::string first = out("markersp2.htm");
  EXPECT_NE(first.find("<TITLE>Printing &amp; Paper</TITLE>"), std::string::npos);
  EXPECT_NE(first.find("<BODY>\r\n<P>\r\n<a href=\"twztoc.htm\">Contents</a>&nbsp;|&nbsp;"
                       "<a href=\"lfcindx.htm\">Index</a>\r\n</P>\r\n"),
            std::string::npos)
      << first;
  std::string toc = out("twztoc.htm");
  EXPECT_NE(toc.find("<A HREF=\"markersp2.htm\">Printing and paper</A>"), std::string::npos) << toc;
  EXPECT_EQ(toc.find("Lost"), std::string::npos);
  std::string index = out("lfcindx.htm");
  EXPECT_NE(index.find("<a href=\"markersp2.htm#IX_1\">printing</a>"), std::string::npos) << index;
  EXPECT_NE(index.find("toner</a>"), std::string::npos);
  EXPECT_FALSE(has("markersp2.htb"));
  EXPECT_EQ(run.publish.counts.pages, 3);
  EXPECT_TRUE(run.publish.index.empty());  // freed at the end of the run
}

// A caller that starts a new registration is done with the last run: its
// tables go, and what it reports and wrote stays.
TEST_F(DriverTest, ANewRegistrationLetsTheLastRunsTablesGo) {
  project("");
  ASSERT_EQ(process_files(run), 1);
  const std::string summary = publish_summary(run);
  const std::string page = out("markersp2.htm");
  ASSERT_GT(run.page_list.size(), 0u);
  ASSERT_FALSE(run.publish.keyword_lines.empty());
  EXPECT_EQ(add_html_file(run, "init", ""), 0);
  EXPECT_EQ(run.page_list.size(), 0u);
  EXPECT_TRUE(run.context_map.entries().empty());
  EXPECT_TRUE(run.browse_map.entries().empty());
  EXPECT_EQ(run.publish.contexts.size(), 0u);
  EXPECT_TRUE(run.publish.keyword_lines.empty());
  EXPECT_EQ(publish_summary(run), summary);
  EXPECT_EQ(out("markersp2.htm"), page);
}

TEST_F(DriverTest, NothingRegisteredWritesNothing) {
  tw_test::write_file(file("pub/guide.lfc"), "[TWHTML]\r\nhpj=c:\\help\\guide.hpj\r\n");
  EXPECT_EQ(process_files(run), 0);
  EXPECT_FALSE(has("lfcindx.htm"));
  EXPECT_FALSE(has("twztoc.htm"));
}

TEST_F(DriverTest, TheFirstRegistrationReplacesTheOldListInOneRewrite) {
  tw_test::write_file(file("pub/guide.lfc"),
                      "[TWHTML]\r\nhpj=c:\\help\\guide.hpj\r\n[HTML]\r\nf0=old\r\nf7=older\r\n");
  tw_test::RewriteCounter rewrites(file("pub"));
  EXPECT_EQ(add_html_file(run, "init", ""), 0);
  EXPECT_EQ(add_html_file(run, "c:\\pub\\a.htm", "A"), 1);
  EXPECT_EQ(rewrites.count("guide.lfc"), 1);
  EXPECT_EQ(add_html_file(run, "c:\\pub\\b.htm", "B"), 1);
  EXPECT_EQ(rewrites.count("guide.lfc"), 2);
  EXPECT_EQ(tw_test::read_file(file("pub/guide.lfc")),
            "[TWHTML]\r\nhpj=c:\\help\\guide.hpj\r\n[HTML]\r\nf0=c:\\pub\\a.htm>A\r\nf1=c:\\pub\\b.htm>B\r\n");
}

TEST_F(DriverTest, RegistrationKeepsTitlesWithArrowsWhole) {
  tw_test::write_file(file("pub/guide.lfc"),
                      "[TWHTML]\r\nhpj=c:\\help\\guide.hpj\r\n[HTML]\r\nf0=old\r\nf7=older\r\n");
  EXPECT_EQ(add_html_file(run, "init", ""), 0);
  EXPECT_EQ(add_html_file(run, "c:\\pub\\plain.htm", "Costs > benefits"), 1);
  tw_test::write_file(
      file("pub/plain.htm"),
      "<HTML>\r\n<HEAD>\r\n<TITLE>plain</TITLE>\r\n</HEAD>\r\n<BODY>\r\n<P>Text</P>\r\n"
      "</BODY>\r\n</HTML>\r\n");
  std::string lfc = out("guide.lfc");
  EXPECT_NE(lfc.find("f0=c:\\pub\\plain.htm>Costs > benefits"), std::string::npos);
  EXPECT_EQ(lfc.find("f7"), std::string::npos);
  ASSERT_EQ(process_files(run), 1);
  EXPECT_NE(out("plain.htm").find("<TITLE>Costs > benefits</TITLE>"), std::string::npos);
  EXPECT_EQ(run.home_page, "twztoc.htm");  // the TOC page made from the contents file
  // Without a contents file the run's home is one of its pages.
  fs::remove(file("help/guide.cnt"));
  tw_test::write_file(file("pub/plain.htm"), "<HTML><BODY>Text</BODY></HTML>\r\n");
  ASSERT_EQ(process_files(run), 1);
  EXPECT_EQ(run.home_page, "plain.htm");
}

TEST_F(DriverTest, ProgressWindowOnlyForLongerRuns) {
  project("noix=1\r\n");
  ASSERT_EQ(process_files(run), 1);  // three pages: four steps
  for (const std::string& line : transcript())
    EXPECT_EQ(line.find("Processing..."), std::string::npos);
  ui().clear_transcript();
  copy_export();
  project("doreltopics=1\r\n");  // six pages' steps and the index
  ASSERT_EQ(process_files(run), 1);
  std::vector<std::string> t = transcript();
  ASSERT_GE(t.size(), 2u);
  EXPECT_EQ(t.front(), "window DLG_HTML_PROGRESS \"Processing...\" opened");
  // The window is gone before the publication opens in the browser.
  EXPECT_EQ(t[t.size() - 2], "window DLG_HTML_PROGRESS closed");
  EXPECT_EQ(t.back(), "launch \"lfcbrws.exe >file:///c|/pub/twztoc.htm\" -> 33");
}

TEST_F(DriverTest, MasterPageWithAndWithoutItsSplitTag) {
  tw_test::write_file(
      file("pub/master.htm"),
      "<HTML><HEAD><TITLE>Master</TITLE></HEAD><BODY>\r\n<DIV>[lfc]</DIV>\r\n</BODY></HTML>\r\n");
  project("usempage=1\r\nmasterpg=c:\\pub\\master.htm\r\nhlo=\r\nnoix=1\r\n");
  ASSERT_EQ(process_files(run), 1);
  std::string page = out("markersp3.htm");
  EXPECT_TRUE(
      page.starts_with("<HTML><HEAD><TITLE>TONER</TITLE></HEAD><BODY>\r\n<DIV>\r\n"
                       "\r\n<A NAME=\"topofpage\"></A>\r\n"))
      << page;
  EXPECT_TRUE(page.ends_with("\r\n<!--LFCBODYEND-->\r\n\r\n</DIV>\r\n</BODY></HTML>\r\n")) << page;
  EXPECT_TRUE(out("twztoc.htm").starts_with("<HTML><HEAD><TITLE>Table of Contents</TITLE>"));

  tw_test::write_file(file("pub/master.htm"), "<HTML><HEAD><TITLE>M</TITLE></HEAD><BODY>Top:\r\n");
  copy_export();
  ASSERT_EQ(process_files(run), 1);
  page = out("markersp3.htm");
  EXPECT_TRUE(page.starts_with("<HTML><HEAD><TITLE>TONER</TITLE></HEAD><BODY>Top:\r\n\r\n"));
  EXPECT_TRUE(page.ends_with("<!--LFCBODYEND-->\r\n\r\n")) << page;
}

TEST_F(DriverTest, PostConversionScriptFailuresAreReportedOnce) {
  tw_test::write_file(file("windows/lfc.ini"), "[Settings]\r\nmain dir=c:\\lfc\r\n");
  tw_test::write_file(file("pub/guide.lfc"),
                      "[TWHTML]\r\nhpj=c:\\help\\guide.hpj\r\n[Extensions]\r\nrun_post=1\r\n"
                      "post_name=c:\\tools\\fixup.exe\r\n[HTML]\r\nf0=c:\\pub\\markers.htm>M\r\n");
  ASSERT_EQ(process_files(run), 1);
  int messages = 0;
  for (const std::string& line : transcript())
    if (line.starts_with("message \"Cannot locate or run post conversion script.\"")) ++messages;
  EXPECT_EQ(messages, 1);

  ui().clear_transcript();
  tw_test::write_file(file("tools/notes.txt"), "not a program");
  copy_export();
  tw_test::write_file(file("pub/guide.lfc"),
                      "[TWHTML]\r\nhpj=c:\\help\\guide.hpj\r\n[Extensions]\r\nrun_post=1\r\n"
                      "post_name=c:\\tools\\notes.txt\r\n[HTML]\r\nf0=c:\\pub\\markers.htm>M\r\n");
  ASSERT_EQ(process_files(run), 1);
  std::vector<std::string> t = transcript();
  // The page's KLink also reports the missing keyword database; the script
  // is tried on the first page only.
  std::vector<std::string> script;
  for (const std::string& line : t)
    if (line.find("post conversion") != std::string::npos || line.starts_with("winhelp"))
      script.push_back(line);
  ASSERT_EQ(script.size(), 2u);
  EXPECT_TRUE(script[0].starts_with(
      "message \"Cannot run post conversion script. An association is not setup"));
  EXPECT_EQ(script[1], "winhelp \"c:\\lfc\\assoc.hlp>proc1\" command=1 data=1000");
}

TEST_F(DriverTest, PostConversionScriptRunsOnEveryPage) {
  tw_test::write_file(file("tools/post.sh"),
                      "#!/bin/sh\necho \"$1\" >> \"$(dirname \"$0\")/ran.txt\"\n");
  fs::permissions(file("tools/post.sh"), fs::perms::owner_all);
  tw_test::write_file(file("pub/guide.lfc"),
                      "[TWHTML]\r\nhpj=c:\\help\\guide.hpj\r\n[Extensions]\r\nrun_post=1\r\n"
                      "post_name=c:\\tools\\post.sh\r\n[HTML]\r\nf0=c:\\pub\\markers.htm>M\r\n");
  ASSERT_EQ(process_files(run), 1);
  // The script runs on its own; give it a moment to finish.
  std::string ran;
  for (int i = 0; i < 50 && std::count(ran.begin(), ran.end(), '\n') < 3; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    ran = tw_test::read_file(file("tools/ran.txt"));
  }
  EXPECT_EQ(std::count(ran.begin(), ran.end(), '\n'), 3) << ran;
}

TEST_F(DriverTest, TheCallersOwnIndexGoesToTheProjectsFolder) {
  project("ixfn=keys.htm\r\n");
  EXPECT_TRUE(add_index_entry(run, "\"Quoted\" word ", "markersp2.htm#IX_1"));
  ASSERT_EQ(finish_index_for_caller(run), 1);
  EXPECT_NE(out("keys.htm").find("<DT><a href=\"markersp2.htm#IX_1\">Quoted  word</a>"),
            std::string::npos);
}

TEST(FixBookmark, MakesBookmarkNames) {
  EXPECT_EQ(fix_bookmark("#1 word"), "n1_word");
  EXPECT_EQ(fix_bookmark("  IDH_print.setup  "), "IDH_print_setup");
  EXPECT_EQ(fix_bookmark(""), "n");
}

TEST(FinishIndex, WithoutEntriesWritesAnEmptyIndexAndFreesNothing) {
  tw_test::TempDir dir;
  ConversionRun run;
  run.settings.derived.output_directory = dir.path();
  run.settings.derived.index_page_name = "ix.htm";
  add_index_entry(run, "", "p.htm#IX_1");
  EXPECT_EQ(finish_index(run), 1);
  EXPECT_NE(tw_test::read_file(dir.file("ix.htm")).find("<DL>\r\n<DT><H2><A NAME=A>"),
            std::string::npos);
  EXPECT_EQ(run.publish.index_page_path, dir.path() + "/ix.htm");
}

}  // namespace
}  // namespace html
