// Publishing realistic help projects (Word 6/97/2002 and hand-written RTF,
// code pages 1251 and 1252, tables full of hotspots, [ALIAS]/[MAP] includes)
// through the path twhost publish takes, and counting both sides: every
// hotspot of the RTF is a link or a counted unknown jump, every $ title is
// some page's TITLE, and every K keyword is in the index.
#include <algorithm>
#include <filesystem>
#include <iostream>

#include "host/installation.h"
#include "host/libraries.h"
#include "host/project_checks.h"
#include "host/publish_flow.h"
#include "host/rtf_census.h"
#include "platform/paths.h"
#include "support/test_support.h"

namespace {

namespace fs = std::filesystem;

std::string lower(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

// What the published site shows, as UTF-8.
struct SiteCensus {
  std::set<std::string> titles;
  std::string index;  // the index page's text
};

SiteCensus read_site(const fs::path& site) {
  SiteCensus out;
  for (const auto& entry : fs::directory_iterator(site)) {
    if (lower(entry.path().extension().string()) != ".htm") continue;
    std::string html = tw_test::read_file(entry.path().string());
    std::string text = tw_test::html_text_as_utf8(html, tw_test::declared_code_page(html));
    if (entry.path().filename() == "lfcindx.htm") out.index = text;
    std::size_t open = text.find("<TITLE>");
    std::size_t close = text.find("</TITLE>");
    if (open != std::string::npos && close != std::string::npos)
      out.titles.insert(text.substr(open + 7, close - open - 7));
  }
  return out;
}

bool indexed(const std::string& index, const std::string& keyword) {
  std::size_t colon = keyword.find(':');
  std::string shown = colon == std::string::npos ? keyword : keyword.substr(colon + 1);
  shown.erase(0, shown.find_first_not_of(' '));
  if (index.find(">" + shown + "</a>") == std::string::npos) return false;
  return colon == std::string::npos || index.find(keyword.substr(0, colon)) != std::string::npos;
}

class FixtureProjects : public tw_test::Fixture, public ::testing::WithParamInterface<const char*> {
 protected:
  host::Libraries libs;

  void SetUp() override {
    Fixture::SetUp();
    std::string error;
    ASSERT_TRUE(host::load_libraries(libs, error)) << error;
    host::ensure_installation();
  }
};

TEST_P(FixtureProjects, PublishKeepsEveryJumpTitleAndKeyword) {
  const std::string name = GetParam();
  fs::path project = file("projects/" + name);
  fs::create_directories(project.parent_path());
  fs::copy(fs::path(TW_SOURCE_DIR) / "tests/data/projects" / name, project, fs::copy_options::recursive);
  tw_test::RtfCensus rtf;
  std::string hpj;
  for (const auto& entry : fs::directory_iterator(project)) {
    std::string ext = lower(entry.path().extension().string());
    if (ext == ".rtf") tw_test::count_rtf(tw_test::read_file(entry.path().string()), rtf);
    if (ext == ".hpj") hpj = entry.path().string();
  }
  ASSERT_FALSE(hpj.empty());

  host::PublishResult result;
  host::Progress quiet(nullptr, false);
  std::string error;
  ASSERT_TRUE(host::publish_project(libs, platform::to_system_path(hpj),
                                    platform::to_system_path(file("site")),
                                    host::template_path("standard.lfc"), quiet, result, error))
      << error;
  SiteCensus site = read_site(file("site"));

  std::set<std::string> contexts;
  for (const std::string& c : rtf.contexts) contexts.insert(lower(c));
  int known = 0;
  std::set<std::string> unknown;
  for (const std::string& jump : rtf.jumps) {
    if (contexts.count(lower(jump))) ++known;
    else unknown.insert(jump);
  }
  int titles = 0, keywords = 0;
  for (const std::string& t : rtf.titles) {
    if (site.titles.count(t)) ++titles;
    else ADD_FAILURE() << "title not published: " << t;
  }
  for (const std::string& k : rtf.keywords) {
    if (indexed(site.index, k)) ++keywords;
    else ADD_FAILURE() << "keyword not in the index: " << k;
  }
  std::cout << "census " << name << ": hotspots " << rtf.jumps.size() << " (to known topics "
            << known << ", unknown " << rtf.jumps.size() - known << "); links " << result.links
            << ", unknown counted " << result.unresolved_jumps << " (named "
            << result.unknown_jumps.size() << "); titles " << titles << "/"
            << rtf.titles.size() << "; keywords " << keywords << "/" << rtf.keywords.size()
            << "; broken links " << result.broken_links.size() << "\n";
  EXPECT_EQ(result.links, known);
  EXPECT_EQ(result.unresolved_jumps, static_cast<int>(rtf.jumps.size()) - known);
  EXPECT_EQ(std::set<std::string>(result.unknown_jumps.begin(), result.unknown_jumps.end()),
            unknown);
  EXPECT_TRUE(result.broken_links.empty()) << result.broken_links.front();
}

INSTANTIATE_TEST_SUITE_P(Projects, FixtureProjects,
                         ::testing::Values("word97", "cyrillic", "handwritten", "word2002",
                                           "unknown", "oddcase"));

}  // namespace

namespace {

class FixtureSite : public FixtureProjects {
 protected:
  // Publishes a fixture project; the site's folder.
  fs::path publish(const std::string& name, const std::string& hpj) {
    fs::path project = file("projects/" + name);
    fs::create_directories(project.parent_path());
    fs::copy(fs::path(TW_SOURCE_DIR) / "tests/data/projects" / name, project,
             fs::copy_options::recursive);
    host::PublishResult result;
    host::Progress quiet(nullptr, false);
    std::string error;
    EXPECT_TRUE(host::publish_project(libs, platform::to_system_path((project / hpj).string()),
                                      platform::to_system_path(file("site")),
                                      host::template_path("standard.lfc"), quiet, result, error))
        << error;
    return file("site");
  }
  std::string page(const std::string& name) { return tw_test::read_file(file("site/" + name)); }
};

// A topic file's first topic has no page break before it: its browse
// sequence must still be its own, and the head the export leaves under the
// file's name must neither stay as a page nor carry markers.
TEST_F(FixtureSite, FirstTopicOfAFileKeepsItsBrowseSequence) {
  fs::path site = publish("handwritten", "hand.hpj");
  EXPECT_NE(page("browsep2.htm").find("<a href=\"browsep3.htm\"><IMG SRC=\"next.gif\""),
            std::string::npos);
  EXPECT_NE(page("browsep3.htm").find("<a href=\"browsep2.htm\"><IMG SRC=\"prev.gif\""),
            std::string::npos);
  EXPECT_FALSE(fs::exists(site / "browse.htm"));
  EXPECT_FALSE(fs::exists(site / "hand.htm"));
  for (const auto& entry : fs::directory_iterator(site)) {
    std::string html = tw_test::read_file(entry.path().string());
    for (const char* marker : {"~~~pg", "!!b", "!tzky", "!tzbrs", "!!x", "#!#", "^#"})
      EXPECT_EQ(html.find(marker), std::string::npos) << entry.path() << " holds " << marker;
  }
}

// A hotspot whose hidden text ends with its cell: the cells stay apart, each
// one line, and the jump is a link.
TEST_F(FixtureSite, HotspotsInTableCells) {
  publish("word97", "word97.hpj");
  std::string table = page("tablesp2.htm");
  std::size_t row_end = table.find("</TR>");
  ASSERT_NE(row_end, std::string::npos);
  std::string first_row = table.substr(0, row_end);
  std::size_t cells = 0;
  for (std::size_t at = first_row.find("<TD"); at != std::string::npos; at = first_row.find("<TD", at + 1))
    ++cells;
  EXPECT_EQ(cells, 3u);
  EXPECT_NE(first_row.find("<A HREF=\"tablesp3.htm\">List|Relist</A>"), std::string::npos);
  EXPECT_NE(first_row.find("Regenerates the list.</FONT>\r\n&nbsp;</TD>"), std::string::npos);
  EXPECT_EQ(table.find("</P>\r\n&nbsp;</TD>"), std::string::npos);
}

// Page names stay ASCII, and each page says which code page its text is in.
TEST_F(FixtureSite, CyrillicProjectNamesAndCharsets) {
  fs::path site = publish("cyrillic", "cyrillic.hpj");
  for (const auto& entry : fs::directory_iterator(site)) {
    for (char c : entry.path().filename().string())
      EXPECT_LT(static_cast<unsigned char>(c), 0x80) << entry.path();
  }
  EXPECT_NE(page("mainp2.htm").find("charset=windows-1251"), std::string::npos);
  EXPECT_NE(page("lfcindx.htm").find("charset=windows-1251"), std::string::npos);
  EXPECT_NE(page("mainp2.htm").find("<TITLE>\xc3\xeb\xe0\xe2\xed\xe0\xff \xf1\xf2\xf0\xe0\xed\xe8\xf6\xe0</TITLE>"),
            std::string::npos);
}

}  // namespace
