// The keyword database look-up and the auto-link phrases.
#include <gtest/gtest.h>

#include "html/analysis_fixture.h"
#include "html/pages/keyword_lookup.h"
#include "html/pages/phrases.h"
#include "platform/profile.h"

namespace {

class Lookups : public tw_test::AnalysisFixture {
 protected:
  void SetUp() override {
    AnalysisFixture::SetUp();
    use_help_project("p.hpj");
    run.project.hpj_path = "c:\\proj\\p.hpj";
  }
  std::string lookup(std::string_view keywords, html::KeywordKind kind = html::KeywordKind::k) {
    return html::lookup_keyword_topics(run, keywords, kind);
  }
  void set_xref(std::string_view value) {
    platform::write_profile_string("Settings", "xref", value, "c:\\proj\\conv.lfc");
  }
  std::vector<std::string> all_phrases() {
    std::vector<std::string> pairs;
    std::string phrase, target;
    bool restart = true;
    while (html::get_next_phrase(run, phrase, target, restart) == 1) {
      pairs.push_back(phrase + "|" + target);
      restart = false;
    }
    return pairs;
  }
};

TEST_F(Lookups, KeywordTopicsInDatabaseOrderEachOnce) {
  write_proj_file("p.kdb",
                  "\r\nIDH_print\tPrinting\tprinting;print setup;\r\n"
                  "IDH_short\tShortcuts\tkeys; printing;\r\n"
                  "IDH_setup\tSetup\tsetup;reprinting;\r\n"
                  "broken line without tabs\r\n"
                  "IDH_print\tPrinting\tprinting;\r\n");
  EXPECT_EQ(lookup("printing"), "Printing\tIDH_print;Shortcuts\tIDH_short;");
  EXPECT_EQ(lookup(" setup; keys;"), "Shortcuts\tIDH_short;Setup\tIDH_setup;");
  // Keywords match whole: "setup" is not found in "print setup;" nor "printing" in "reprinting;".
  EXPECT_EQ(lookup("print setup"), "Printing\tIDH_print;");
  EXPECT_EQ(lookup("nothing"), "");
  EXPECT_TRUE(ui().transcript().empty());
}

TEST_F(Lookups, AKeywordsAndAMissingDatabase) {
  write_proj_file("p.adb", "\r\nIDH_a\tA topic\tlink_a;\r\n");
  EXPECT_EQ(lookup("link_a", html::KeywordKind::a), "A topic\tIDH_a;");
  EXPECT_EQ(lookup("link_a", html::KeywordKind::k), "");
  EXPECT_EQ(ui().transcript(),
            std::vector<std::string>{"message \"cannot open Tarvenwick keyword database\" "
                                     "caption=\"\" icon=none -> OK (default)"});
}

TEST_F(Lookups, KeywordResultHasFixedRoom) {
  std::string db = "\r\n";
  for (int i = 0; i < 2000; ++i)
    db += "IDH_" + std::to_string(i) + "\t" + std::string(20, 't') + "\tall;\r\n";
  write_proj_file("p.kdb", db);
  std::string result = lookup("all");
  EXPECT_LE(result.size(), html::kKeywordTopicsBytes);
  EXPECT_GT(result.size(), html::kKeywordTopicsBytes - 40);
  EXPECT_EQ(result.back(), ';');
}

TEST_F(Lookups, PhrasesFromTheAutoLinkFile) {
  write_proj_file("links.txt",
                  "; comment=ignored\r\nhelp file=help.htm\r\nno equals sign\r\n=no phrase\r\n"
                  "empty target=\r\na=b=c.htm\nlast=x.htm");
  set_xref("1 1 >c:\\proj\\links.txt");
  EXPECT_EQ(all_phrases(),
            (std::vector<std::string>{"help file|help.htm", "a=b|c.htm", "last|x.htm"}));
  // After the end, calls without restart go on returning 0; restart reads again.
  std::string phrase, target;
  EXPECT_EQ(html::get_next_phrase(run, phrase, target, false), 0);
  EXPECT_EQ(html::get_next_phrase(run, phrase, target, true), 1);
  EXPECT_EQ(phrase, "help file");
}

TEST_F(Lookups, NoPhrasesWhenAutoLinkingIsOffOrTheFileIsMissing) {
  write_proj_file("links.txt", "a=b\r\n");
  set_xref("1 0 >c:\\proj\\links.txt");
  EXPECT_TRUE(all_phrases().empty());
  set_xref("1 1 >c:\\proj\\gone.txt");
  EXPECT_TRUE(all_phrases().empty());
  // Without ">" the text after the numbers is the file.
  set_xref("1 1 c:\\proj\\links.txt");
  EXPECT_EQ(all_phrases(), std::vector<std::string>{"a|b"});
}

TEST(AutoLinkSetting, Fields) {
  html::AutoLinkSetting s = html::parse_auto_link("0 1 >c:\\my links\\a.txt");
  EXPECT_FALSE(s.convert_hotspots);
  EXPECT_TRUE(s.auto_link);
  EXPECT_EQ(s.file, "c:\\my links\\a.txt");
  s = html::parse_auto_link("garbage");
  EXPECT_TRUE(s.convert_hotspots);
  EXPECT_FALSE(s.auto_link);
}

}  // namespace
