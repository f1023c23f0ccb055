// Splitting the word processor's HTML into topic pages, over the sample
// project's exported files and small hand-written lines.
#include "html/splitter/topic_splitter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <algorithm>
#include <functional>

#include "html/analysis_fixture.h"
#include "html/splitter/html_registration.h"
#include "html/rtf_fixtures.h"
#include "platform/profile.h"

namespace {

using Lines = std::vector<std::string>;

class TopicSplitter : public tw_test::AnalysisFixture {
 protected:
  void SetUp() override {
    AnalysisFixture::SetUp();
    use_sample_project();
  }
  // Registers the exported files of the sample project and splits them.
  int split_sample() {
    write_proj_file("intro.htm", tw_test::html_fixture("sample_intro.htm"));
    write_proj_file("using.htm", tw_test::html_fixture("sample_using.htm"));
    html::add_html_file(run, "INIT", "");
    html::add_html_file(run, "c:\\proj\\intro.htm", "Introduction");
    html::add_html_file(run, "c:\\proj\\using.htm", "Using");
    return split_registered();
  }
  int split_registered() {
    html::prepare_page_split(run);
    return html::split_registered_files(run);
  }
  // Splits one exported file made of the given body lines.
  int split_body(const std::string& body) {
    write_proj_file("t.htm", "<HTML>\r\n<BODY>\r\n" + body + "</BODY>\r\n</HTML>\r\n");
    html::add_html_file(run, "INIT", "");
    html::add_html_file(run, "c:\\proj\\t.htm", "T");
    return split_registered();
  }
  void set(std::string_view key, std::string_view value) {
    platform::write_profile_string("Settings", key, value, "c:\\proj\\conv.lfc");
  }
  Lines page_names() {
    Lines names;
    for (const html::PageEntry& page : run.page_list.in_order())
      names.push_back(page.path + " | " + page.title);
    return names;
  }
};

TEST_F(TopicSplitter, SampleProjectPagesAndMaps) {
  EXPECT_EQ(split_sample(), 0);
  EXPECT_EQ(page_names(),
            (Lines{"c:\\proj\\introp2.htm | Welcome to the Sample Help",
                   "c:\\proj\\introp3.htm | Getting Started", "c:\\proj\\introp4.htm | Topic",
                   "c:\\proj\\usingp2.htm | Printing a Document",
                   "c:\\proj\\usingp3.htm | Keyboard Shortcuts"}));
  EXPECT_EQ(run.context_map.entries(),
            (Lines{"introp2.htm#IDH_welcome#%", "introp3.htm#IDH_getting_started#%",
                   "introp4.htm#IDH_def_topic#%", "usingp2.htm#IDH_printing#%",
                   "usingp3.htm#IDH_shortcuts#%"}));
  EXPECT_EQ(run.browse_map.entries(), (Lines{"main:005=introp2.htm", "main:010=introp3.htm",
                                             "main:015=usingp2.htm", "main:020=usingp3.htm"}));
  EXPECT_EQ(html::browse_next(run, "introp3.htm"), "usingp2.htm");
  EXPECT_EQ(html::browse_previous(run, "introp3.htm"), "introp2.htm");
  EXPECT_EQ(html::browse_previous(run, "introp2.htm"), "");
  EXPECT_EQ(html::browse_next(run, "usingp3.htm"), "");
  EXPECT_EQ(html::browse_next(run, "introp4.htm"), "");
  EXPECT_TRUE(run.has_keywords);
  // The inputs are gone; the stubs under their names held only the export's
  // head, and went with them.
  EXPECT_FALSE(tw_test::exists(proj_file("intro.htb")));
  EXPECT_FALSE(tw_test::exists(proj_file("using.htm")));
  EXPECT_FALSE(tw_test::exists(proj_file("intro.htm")));
}

TEST_F(TopicSplitter, StubWithTextStaysAndMarkersBeforeThePageNameNoPage) {
  split_body("<P>Preface !tzbrsmain:001!~ !!bIDH_lost!</P>\r\n"
             "<P>~~~pg~First!~!!bIDH_first!</P>\r\n"
             "<P>!tzbrsmain:002!~Body</P>\r\n");
  EXPECT_EQ(page_names(), (Lines{"c:\\proj\\tp2.htm | First"}));
  EXPECT_EQ(run.browse_map.entries(), (Lines{"main:002=tp2.htm"}));
  EXPECT_EQ(run.context_map.entries(), (Lines{"tp2.htm#IDH_first#%"}));
  EXPECT_NE(tw_test::read_file(proj_file("t.htm")).find("Preface"), std::string::npos);
}

TEST_F(TopicSplitter, PagesDeclareTheCharsetOfTheirText) {
  // The export's own declaration, carried into every page.
  write_proj_file("t.htm",
                  "<HTML>\r\n<HEAD>\r\n<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; "
                  "charset=windows-1251\">\r\n</HEAD>\r\n<BODY>\r\n"
                  "<P>~~~pg~\xcf\xf0\xe8!~!!bRU_ONE!</P>\r\n</BODY>\r\n</HTML>\r\n");
  html::add_html_file(run, "INIT", "");
  html::add_html_file(run, "c:\\proj\\t.htm", "T");
  split_registered();
  EXPECT_NE(tw_test::read_file(proj_file("tp2.htm"))
                .find("<TITLE>\xcf\xf0\xe8</TITLE>\r\n<META HTTP-EQUIV=\"Content-Type\" "
                      "CONTENT=\"text/html; charset=windows-1251\">\r\n"),
            std::string::npos);
  EXPECT_EQ(run.publish.page_charset, "windows-1251");
  // Without one, the project's language decides.
  write_proj_file("sample.hpj", "[OPTIONS]\r\nLCID=0x405 0x0 0x0\r\n[FILES]\r\n");
  run.publish.page_charset.clear();
  split_body("<P>~~~pg~Jedna!~!!bCZ_ONE!</P>\r\n");
  EXPECT_NE(tw_test::read_file(proj_file("tp2.htm")).find("charset=windows-1250"), std::string::npos);
}

// The sample's third page as the splitter cuts it.
const char kGettingStartedPage[] =
    "<HTML>\r\n<HEAD>\r\n<TITLE>Getting Started</TITLE>\r\n"
    "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=windows-1252\">\r\n\r\n"
    "<META NAME=\"GENERATOR\" CONTENT=\"Quorvane Tarvenwick 3.0\">\r\n</HEAD>\r\n"
    "<BODY>\r\n"
    "<B><FONT FACE=\"Arial\" SIZE=4><P><SUP>\r\n"
    "<A NAME=\"IDH_getting_started\"></SUP><SUP></SUP><SUP>\r\n"
    "!tzkygetting started;introduction;basics!~\r\n</SUP><SUP>\r\n"
    "</SUP>Getting Started</P>\r\n"
    "</B></FONT><P>A help project is a set of topic files and a project file that "
    "names them.</P>\r\n"
    "</BODY>\r\n</HTML>\r\n";

TEST_F(TopicSplitter, SamplePageIsWrittenWhole) {
  split_sample();
  EXPECT_EQ(tw_test::read_file(proj_file("introp3.htm")), kGettingStartedPage);
  std::string first = tw_test::read_file(proj_file("introp2.htm"));
  // The export's own bookmark goes; bullets and runs of spaces are cleaned.
  EXPECT_NE(first.find("<P><SUP><A NAME=\"IDH_welcome\"></SUP>"), std::string::npos);
  EXPECT_NE(first.find("<P>\x95&nbsp;&nbsp;&nbsp;&nbsp;&nbsp; <U>!!x Printing"), std::string::npos);
}

// A publish holds the split pages for the page writer: the same text as
// the files, and no file written yet (the writer creates each page once).
TEST_F(TopicSplitter, HeldPagesHoldWhatTheFilesWouldHold) {
  ASSERT_TRUE(run.held_pages.hold());
  split_sample();
  EXPECT_FALSE(tw_test::exists(proj_file("introp3.htm")));
  std::vector<std::string> held = run.held_pages.remaining();
  ASSERT_EQ(held.size(), run.page_list.size());
  for (std::size_t i = 0; i < held.size(); ++i) EXPECT_EQ(held[i], run.page_list.at(i).path);
  auto third = std::find_if(held.begin(), held.end(),
                           [](const std::string& path) { return path.ends_with("introp3.htm"); });
  ASSERT_NE(third, held.end());
  EXPECT_EQ(run.held_pages.take(*third), kGettingStartedPage);
  EXPECT_FALSE(run.held_pages.take(*third));  // taken once
  EXPECT_EQ(run.held_pages.remaining().size(), held.size() - 1);
}

TEST_F(TopicSplitter, HomePageFromTheContentsTopic) {
  platform::write_profile_string("TWHTML", "cnt_type", "1", "c:\\proj\\conv.lfc");
  platform::write_profile_string("Buttons", "Home", "home.gif http://x 0 1 1 1",
                                 "c:\\proj\\conv.lfc");
  write_proj_file("sample.hpj", "[OPTIONS]\r\nCONTENTS=idh_printing\r\n[FILES]\r\n");
  split_sample();
  EXPECT_EQ(run.home_page, "usingp2.htm");
  ASSERT_FALSE(run.settings.project.buttons.empty());
  EXPECT_EQ(run.settings.project.buttons[0].url, "usingp2.htm");
}

TEST_F(TopicSplitter, HomePageWithoutContentsTopic) {
  write_proj_file("sample.hpj", "[FILES]\r\n");
  split_sample();
  EXPECT_EQ(run.home_page, "twztoc.htm");  // the TOC comes from the contents file
  platform::write_profile_string("TWHTML", "cnt_type", "1", "c:\\proj\\conv.lfc");
  split_sample();
  EXPECT_EQ(run.home_page, "introp2.htm");  // the first anchor of the first file
}

TEST_F(TopicSplitter, NamingByTitleAndContextWithClashes) {
  set("fnames", "1 12 .html");
  std::string body =
      "<P>~~~pg~Same Title!~!!bIDH_a!</P>\r\n<P>~~~pg~Same Title!~!!bIDH_b!</P>\r\n"
      "<P>~~~pg!!bIDH_PRINT_FILE!</P>\r\n";
  split_body(body);
  EXPECT_EQ(page_names(), (Lines{"c:\\proj\\t_Same_Title.html | Same Title",
                                 "c:\\proj\\t_Same_Titl1.html | Same Title",
                                 "c:\\proj\\t_PRINT_FILE.html | PRINT FILE"}));
  set("fnames", "2 40 .htm");
  split_body(body);
  EXPECT_EQ(page_names(),
            (Lines{"c:\\proj\\t_IDH_a.htm | Same Title", "c:\\proj\\t_IDH_b.htm | Same Title",
                   "c:\\proj\\t_IDH_PRINT_FILE.htm | PRINT FILE"}));
}

TEST_F(TopicSplitter, AnchorsNearThePageTopAreMarked) {
  split_body(
      "<P>~~~pg~T!~x</P>\r\n<P>2</P>\r\n<P>3</P>\r\n<P>4</P>\r\n<P>!!bfifth!</P>\r\n"
      "<P>!!bsixth  !</P>\r\n");
  EXPECT_EQ(run.context_map.entries(), (Lines{"tp2.htm#fifth#%", "tp2.htm#sixth#"}));
  EXPECT_NE(tw_test::read_file(proj_file("tp2.htm")).find("<P><A NAME=\"sixth\"></P>"),
            std::string::npos);
}

TEST_F(TopicSplitter, MarkersRunningOverLines) {
  split_body(
      "<P>~~~pg~A title\r\nover lines!~</P>\r\n<P>!tzbrsmain:\r\n010!~</P>\r\n"
      "<P>~~~pg</P>\r\n<P>no anchor follows</P>\r\n");
  EXPECT_EQ(page_names(), Lines{"c:\\proj\\tp2.htm | A title over lines"});
  EXPECT_EQ(run.browse_map.entries(), Lines{"main:010=tp2.htm"});
  // A page marker with neither title nor anchor is removed and starts no page.
  std::string page = tw_test::read_file(proj_file("tp2.htm"));
  EXPECT_EQ(page.find("~~~pg"), std::string::npos);
  EXPECT_NE(page.find("<P></P>\r\n<P>no anchor follows</P>"), std::string::npos);
}

TEST_F(TopicSplitter, ContinuedLineKeepsItsStartOnTheOldPage) {
  split_body("<P>~~~pg~One!~</P>\r\n<P>first topic text\r\nends here ~~~pg~Two!~ starts</P>\r\n");
  EXPECT_NE(tw_test::read_file(proj_file("tp2.htm")).find("first topic text\r\nends here "),
            std::string::npos);
  EXPECT_NE(tw_test::read_file(proj_file("tp3.htm")).find("<BODY>\r\n<h1> starts</P>"),
            std::string::npos);
}

TEST_F(TopicSplitter, MissingOrUnwritableFiles) {
  html::add_html_file(run, "INIT", "");
  html::add_html_file(run, "c:\\proj\\none.htm", "None");
  EXPECT_EQ(split_registered(), 1);
  // A page that cannot be created ends the pass; the input is kept as ".htb".
  set("fnames", "1 40 .htm");
  std::filesystem::create_directories(proj_file("t_bad.htm"));
  EXPECT_EQ(split_body("<P>~~~pg~ok!~</P>\r\n<P>~~~pg~bad!~</P>\r\n<P>rest</P>\r\n"), 1);
  EXPECT_TRUE(tw_test::exists(proj_file("t_ok.htm")));
  EXPECT_NE(tw_test::read_file(proj_file("t.htb")).find("<P>rest</P>"), std::string::npos);
}

TEST_F(TopicSplitter, APageThatCannotBeWrittenWholeFailsAndKeepsTheInput) {
  std::string body = "<P>~~~pg~one!~</P>\r\n";
  for (int i = 0; i < 200; ++i) body += "<P>paragraph " + std::to_string(i) + " of the first topic</P>\r\n";
  body += "<P>~~~pg~two!~</P>\r\n<P>rest</P>\r\n";
  write_proj_file("t.htm", "<HTML>\r\n<BODY>\r\n" + body + "</BODY>\r\n</HTML>\r\n");
  html::add_html_file(run, "INIT", "");
  html::add_html_file(run, "c:\\proj\\t.htm", "T");
  // The first topic's page outgrows the limit; the split must not pass for done.
  EXPECT_EQ(tw_test::with_file_size_limit(2000, [&] { return split_registered(); }), 1);
  std::string input = tw_test::read_file(proj_file("t.htb"));
  EXPECT_NE(input.find("paragraph 199 of the first topic"), std::string::npos);
  EXPECT_NE(input.find("<P>rest</P>"), std::string::npos);
}

TEST_F(TopicSplitter, RegistrationKeepsOnlyTheNewFiles) {
  platform::write_profile_string("HTML", "f7", "old.htm>Old", "c:\\proj\\conv.lfc");
  EXPECT_EQ(html::add_html_file(run, "init", ""), 0);
  EXPECT_EQ(html::add_html_file(run, "a.htm", "Title > with arrow"), 1);
  EXPECT_EQ(html::add_html_file(run, " b.htm ", "Two\r\nlines"), 1);
  EXPECT_EQ(html::add_html_file(run, "c.htm", ""), 1);
  std::string keys;
  platform::get_profile_string("HTML", std::nullopt, "", keys, 1000, "c:\\proj\\conv.lfc");
  EXPECT_EQ(keys, std::string("f0\0f1\0f2\0\0", 10));
  html::prepare_page_split(run);
  EXPECT_EQ(page_names(), (Lines{"a.htm | Title > with arrow", "b.htm | Two lines", "c.htm | "}));
  // Without a project nothing can be registered, and the caller is told so.
  platform::write_profile_string("Project", "proj", "", "twzhtml.ini");
  EXPECT_EQ(html::add_html_file(run, "d.htm", "D"), 0);
}

}  // namespace
