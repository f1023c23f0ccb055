// Loading and saving a conversion project file through the profile functions.
#include "wizard/project_file.h"

#include <string>

#include "support/test_support.h"
#include "wizard/limits.h"

namespace wizard {
namespace {

constexpr const char* kProject = "c:\\projects\\book.lfc";

class ProjectFileTest : public tw_test::Fixture {
 protected:
  std::string host_project() const { return file("projects/book.lfc"); }
  void write_project(std::string_view text) { tw_test::write_file(host_project(), text); }
  std::string project_bytes() const { return tw_test::read_file(host_project()); }
};

TEST_F(ProjectFileTest, MissingOrEmptyFileGivesAllDefaults) {
  EXPECT_EQ(read_project_settings(kProject), ProjectSettings{});
  write_project("");
  EXPECT_EQ(read_project_settings(kProject), ProjectSettings{});
  EXPECT_EQ(read_project_settings(""), ProjectSettings{});
}

TEST_F(ProjectFileTest, ReadsKeysOfEverySection) {
  write_project(
      "[TWHTML]\r\nhpj=c:\\help\\my help.hpj\r\ncnt_type=1\r\nuse template=1\r\n"
      "[HTMLHELP]\r\nuse_htmlhelp=1\r\nhh_topic_text=Overview\r\n"
      "[Extensions]\r\nrun_post=1\r\npost_name=c:\\tools\\tidy.exe\r\n"
      "[Settings]\r\nxref=1 1 >c:\\my links\\autolink.txt\r\nFix OL=0\r\nnum docs=3\r\n"
      "sig=Written by us~~<<TODAY>>\r\nbg=2 >c:\\art\\paper tile.gif\r\n"
      "tl=255 65280 16711680\r\n");
  ProjectSettings p = read_project_settings(kProject);
  EXPECT_EQ(p.twhtml.hpj, "c:\\help\\my help.hpj");
  EXPECT_EQ(p.twhtml.cnt_type, 1);
  EXPECT_EQ(p.twhtml.use_template, 1);
  EXPECT_EQ(p.htmlhelp.use_htmlhelp, 1);
  EXPECT_EQ(p.htmlhelp.hh_topic_text, "Overview");
  EXPECT_EQ(p.extensions.post_name, "c:\\tools\\tidy.exe");
  EXPECT_EQ(p.settings.xref.autolink_file, "c:\\my links\\autolink.txt");
  EXPECT_EQ(p.settings.fix_ol, 0);
  EXPECT_EQ(p.settings.num_docs, 3);
  EXPECT_EQ(p.settings.sig, "Written by us\r\n<<TODAY>>");
  EXPECT_EQ(p.settings.bg, (Background{2, "c:\\art\\paper tile.gif"}));
  EXPECT_EQ(p.settings.tl, (ColourTriple{255, 65280, 16711680}));
  EXPECT_EQ(p.settings.tn, PageSettings{}.tn);
}

TEST_F(ProjectFileTest, LongValuesAreCutAtTheirLengths) {
  std::string long_text(6000, 'a');
  std::string text = "[TWHTML]\r\nhpj=" + long_text + "\r\n[Settings]\r\n";
  for (const char* key : {"reltopicshead", "tct", "ixt", "frmt", "tabfface", "tabfsize", "tcfn",
                          "ixfn", "hlo", "flo", "bodystyle", "masterpg", "se", "hd"}) {
    text += std::string(key) + "=" + long_text + "\r\n";
  }
  text += "h1=1 1 1 1 1 1 1 1 1 1 1 1 >" + long_text + "\r\n";
  write_project(text);
  PageSettings s = read_project_settings(kProject).settings;
  EXPECT_EQ(read_project_settings(kProject).twhtml.hpj.size(), kPathCut);
  EXPECT_EQ(s.reltopicshead.size(), 98u);
  EXPECT_EQ(s.tct.size(), 148u);
  EXPECT_EQ(s.ixt.size(), 148u);
  EXPECT_EQ(s.frmt.size(), 148u);
  EXPECT_EQ(s.tabfface.size(), 48u);
  EXPECT_EQ(s.tabfsize.size(), 7u);
  EXPECT_EQ(s.tcfn.size(), 99u);
  EXPECT_EQ(s.ixfn.size(), 99u);
  EXPECT_EQ(s.hlo.size(), 58u);
  EXPECT_EQ(s.flo.size(), 58u);
  EXPECT_EQ(s.bodystyle.size(), 4998u);
  EXPECT_EQ(s.masterpg.size(), 298u);
  EXPECT_EQ(s.se.size(), kTextCut);
  EXPECT_EQ(s.hd.size(), kPathCut);
  // The whole tuple is cut before its fields are taken apart.
  const std::string fields = "1 1 1 1 1 1 1 1 1 1 1 1 >";
  EXPECT_EQ(s.headings[1].face.size(), kTextTupleCut - fields.size());
}

TEST_F(ProjectFileTest, EmptyTocNameMeansTheStandardOne) {
  write_project("[Settings]\r\ntcfn=\r\nixfn=\r\n");
  PageSettings s = read_project_settings(kProject).settings;
  EXPECT_EQ(s.tcfn, "twztoc.htm");
  EXPECT_EQ(s.ixfn, "");  // only the TOC name has this fallback
}

TEST_F(ProjectFileTest, GarbageLinesLeaveTheRestReadable) {
  write_project(
      "orphan=before any section\r\n"
      "just some words\r\n"
      "[Settings\r\n"
      "[Settings]\r\n"
      "=no key\r\n"
      "\x01\x02\xff\xfe binary\r\n"
      "ltmin=abc\r\n"
      "ltmax=4 and more\r\n"
      "navbuts=1 2 \x80\x81\r\n"
      "frm\r\n"
      "tct=Contents\r\n"
      "[]\r\n"
      "ixt=Not in Settings\r\n");
  PageSettings s = read_project_settings(kProject).settings;
  EXPECT_EQ(s.ltmin, 0);  // a value that is not a number reads as 0
  EXPECT_EQ(s.ltmax, 4);
  EXPECT_EQ(s.navbuts.custom_style, 1);
  EXPECT_EQ(s.navbuts.standard_style, 2);
  EXPECT_EQ(s.navbuts.top, ButtonRow{});
  EXPECT_EQ(s.frm, FrameOptions{});
  EXPECT_EQ(s.tct, "Contents");
  EXPECT_EQ(s.ixt, "Index");
}

TEST_F(ProjectFileTest, SaveKeepsTheValuesOfKeysOnlyRead) {
  write_project("[TWHTML]\r\ncnt_type=1\r\n[HTMLHELP]\r\nuse_nethelp=1\r\n"
                "[Settings]\r\nnoix=1\r\ndoubbul=1\r\ngtinct=1\r\nlongdoc=1 0 1 0\r\n");
  ProjectSettings p = read_project_settings(kProject);
  p.twhtml.cnt_type = 0;
  p.htmlhelp.use_nethelp = 0;
  p.settings.noix = 0;
  p.settings.doubbul = 0;
  p.settings.gtinct = 0;
  p.settings.longdoc = {0, 0, 0, 0};
  ASSERT_TRUE(write_project_settings(p, kProject));
  ProjectSettings back = read_project_settings(kProject);
  EXPECT_EQ(back.twhtml.cnt_type, 1);
  EXPECT_EQ(back.htmlhelp.use_nethelp, 1);
  EXPECT_EQ(back.settings.noix, 1);
  EXPECT_EQ(back.settings.doubbul, 1);
  EXPECT_EQ(back.settings.gtinct, 1);
  EXPECT_EQ(back.settings.longdoc, (std::array<int, 4>{1, 0, 1, 0}));
}

TEST_F(ProjectFileTest, SaveThenLoadKeepsEveryEditedValue) {
  write_project("");
  ProjectSettings p;
  p.twhtml.hpj = "c:\\help\\book.hpj";
  p.htmlhelp.java_htmlhelp = 0;
  p.extensions = {1, "PrepareDoc", 1, "c:\\tools\\post.bat"};
  PageSettings& s = p.settings;
  s.xref = {0, 1, "c:\\links\\auto links.txt"};
  s.fnames = {2, 12, ".html"};
  s.base = {4, "Book Antiqua"};
  s.frm = {1, 0, 1, 120, 120, "frames.htm"};
  s.headings[6].face = "Courier New";
  s.headings[6].colour = 8388608;
  s.tabv.background_colour = 12632256;
  s.bodystyle = "onLoad=\"start()\"";
  s.sig = "First line\r\nSecond line [mail us]";
  s.rule0 = {"left", "\"80%\"", 3, -1, 1, "c:\\art\\rule.gif"};
  s.ctclr = {1, 0, 1};
  s.bg_toc = {1, ""};
  s.tct = "\"Quoted\" title";
  s.ixt = "\"Fully quoted\"";
  s.num_docs = 5;
  p.buttons = {{"Home", "home.gif", "http://example.com/", 0, {1, 1, 1}},
               {"Next", "next.gif", std::string(kAutomaticUrl), 4, {0, 0, 1}}};
  ASSERT_TRUE(write_project_settings(p, kProject));
  ProjectSettings back = read_project_settings(kProject);
  p.settings.stylecode = 1;  // the save records that "bodystyle" is set
  EXPECT_EQ(back, p);
}

TEST_F(ProjectFileTest, LineBreaksInTextsCannotAddKeysOrSections) {
  write_project("");
  ProjectSettings p;
  p.settings.tct = "Title\r\n[Buttons]\r\nEvil=evil.gif x 0 1 1 1";
  p.settings.bodystyle = "a\nhd=c:\\injected.htm";
  ASSERT_TRUE(write_project_settings(p, kProject));
  ProjectSettings back = read_project_settings(kProject);
  EXPECT_TRUE(back.buttons.empty());
  EXPECT_EQ(back.settings.hd, "");
  EXPECT_EQ(back.settings.tct, "Title  [Buttons]  Evil=evil.gif x 0 1 1 1");
  EXPECT_EQ(back.settings.bodystyle, "a hd=c:\\injected.htm");
}

TEST_F(ProjectFileTest, SaveFailsWithoutProjectOrFolder) {
  EXPECT_FALSE(write_project_settings(ProjectSettings{}, ""));
  EXPECT_FALSE(write_project_settings(ProjectSettings{}, "c:\\missing\\book.lfc"));
  EXPECT_FALSE(tw_test::exists(file("missing")));
}

}  // namespace
}  // namespace wizard
