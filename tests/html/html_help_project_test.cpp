// The HTML Help project beside the wizard project: the author's options
// survive rebuilds, the page list and the map sections are rewritten, the
// alias file and the map header copy follow the context map.
#include <gtest/gtest.h>

#include "html/finishing/html_help_project.h"
#include "platform/profile.h"
#include "publish_fixture.h"
#include "support/rewrite_counter.h"

namespace html {
namespace {

class HtmlHelpProject : public PublishFixture {
 protected:
  std::string hhp() { return out("guide.hhp"); }
};

TEST_F(HtmlHelpProject, FirstBuildWritesOptionsAndPages) {
  s().frmt = "Printer Guide";
  page("intro.htm", "Intro", "a");
  page("toner.htm", "Toner", "b");
  ASSERT_TRUE(write_html_help_project(run));
  EXPECT_EQ(hhp(),
            "[Options]\r\nCompatibility=1.1\r\nCompiled file=guide.chm\r\nContents file=guide.hhc\r\n"
            "Index file=guide.hhk\r\nTitle=Printer Guide\r\nFull-text search=Yes\r\n"
            "\r\n\r\n[FILES]\r\nintro.htm\r\ntoner.htm\r\n");
  EXPECT_EQ(run.settings.project.htmlhelp.do_cx_map, 0);
  EXPECT_EQ(compiled_file_path(run), "c:\\out\\guide.chm");
}

TEST_F(HtmlHelpProject, OptionsAndPagesAreTwoRewritesNotOnePerOption) {
  page("intro.htm", "Intro", "a");
  tw_test::RewriteCounter rewrites(file("out"));
  ASSERT_TRUE(write_html_help_project(run));
  EXPECT_EQ(rewrites.count("guide.hhp"), 2);  // the options, then the page list
  ASSERT_TRUE(write_html_help_project(run));
  EXPECT_EQ(rewrites.count("guide.hhp"), 3);  // the options stand: only the page list
}

TEST_F(HtmlHelpProject, RebuildKeepsTheAuthorsOptionsAndReplacesEveryPageList) {
  // An author's title and search switch, an earlier build's page list twice
  // over (a build that stopped half way), and a section of the author's own.
  tw_test::write_file(file("out/guide.hhp"),
                      "[OPTIONS]\r\nTitle=My Own Title\r\nFull-text search=No\r\nCompiled file=x\\my.chm\r\n"
                      "\r\n[FILES]\r\nold1.htm\r\n[MERGE FILES]\r\nother.chm\r\n"
                      "[files]\r\nold2.htm\r\n[Alias]\r\nA=old1.htm\r\n[WINDOWS]\r\nmain=\"Guide\"\r\n");
  s().frmt = "Generated Title";
  page("new.htm", "New", "a");
  ASSERT_TRUE(write_html_help_project(run));
  std::string text = hhp();
  EXPECT_NE(text.find("Title=My Own Title\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("Full-text search=No\r\n"), std::string::npos);
  EXPECT_EQ(text.find("old1.htm"), std::string::npos) << text;
  EXPECT_EQ(text.find("old2.htm"), std::string::npos);
  EXPECT_NE(text.find("[MERGE FILES]\r\nother.chm\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("[WINDOWS]\r\nmain=\"Guide\"\r\n"), std::string::npos);
  EXPECT_TRUE(text.ends_with("\r\n\r\n[FILES]\r\nnew.htm\r\n")) << text;
  EXPECT_EQ(compiled_file_path(run), "c:\\out\\x\\my.chm");

  // A second build leaves exactly one page list, and the file as it was.
  ASSERT_TRUE(write_html_help_project(run));
  std::string again = hhp();
  EXPECT_EQ(again, text);
  EXPECT_EQ(again.find("[FILES]"), again.rfind("[FILES]"));
  EXPECT_EQ(again.find("[MERGE FILES]"), again.rfind("[MERGE FILES]"));
}

TEST_F(HtmlHelpProject, ContextMapBringsAliasAndMapSections) {
  tw_test::write_file(file("help/guide.hpj"), "[MAP]\r\n#include guide.h\r\n");
  tw_test::write_file(file("help/guide.h"), "#define  IDH_INTRO    10\r\n#define IDH_TONER 20\n");
  tw_test::write_file(file("out/guide.lfc"), "[HTMLHELP]\r\nuse_htmlhelp=1\r\n");
  run.project.map_file = "guide.h";
  page("intro.htm", "Intro", "a");
  page("toner.htm", "Toner", "b");
  run.context_map.add("intro.htm#IDH_INTRO#%");
  run.context_map.add("intro.htm#IDH_DEEP#");
  run.context_map.add("toner.htm#IDH_TONER#%");
  ASSERT_TRUE(write_html_help_project(run));
  EXPECT_TRUE(hhp().ends_with("[FILES]\r\nintro.htm\r\ntoner.htm\r\n\r\n\r\n[ALIAS]\r\n#include guide.ali\r\n"
                              "\r\n\r\n[MAP]\r\n#include guide.h\r\n\r\n"))
      << hhp();
  EXPECT_EQ(out("guide.ali"), "IDH_INTRO=intro.htm\r\nIDH_TONER=toner.htm\r\n");
  EXPECT_EQ(out("guide.h"), "#define IDH_INTRO 10\r\n#define IDH_TONER 20\r\n");
  EXPECT_EQ(run.settings.project.htmlhelp.do_cx_map, 1);
  EXPECT_EQ(platform::get_profile_int("HTMLHELP", "do_cx_map", 0, "c:\\out\\guide.lfc"), 1);
  EXPECT_EQ(platform::get_profile_int("HTMLHELP", "use_htmlhelp", 0, "c:\\out\\guide.lfc"), 1);
}

TEST_F(HtmlHelpProject, SectionsMatchByWholeNameInAnyCase) {
  EXPECT_EQ(without_sections("[Map]\r\na\r\n[SITEMAP]\r\nb\r\n[ files ]\r\nc\r\n[X]\r\n", {"MAP", "FILES"}),
            "[SITEMAP]\r\nb\r\n[X]\r\n");
  EXPECT_EQ(collapse_blanks("#define   A  1 "), "#define A 1 ");
}

}  // namespace
}  // namespace html
