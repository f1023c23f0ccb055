// Reading the help project for the conversion.
#include "html/analysis/project_hpj.h"

#include <gtest/gtest.h>

#include "html/analysis_fixture.h"

namespace {

using Lines = std::vector<std::string>;

class ProjectHpj : public tw_test::AnalysisFixture {
 protected:
  void read(std::string_view hpj) {
    use_help_project("p.hpj");
    write_proj_file("p.hpj", hpj);
    wizard::load_conversion_state(run.settings);
    html::read_project_hpj(run);
  }
  Lines topic_files() {
    Lines files;
    for (const html::RtfFileEntry& e : run.rtf_files.entries()) files.push_back(e.path);
    return files;
  }
};

// A Help Workshop project as it is often found: [BITMAPS] before [MAP],
// sections in any case, LF line ends, an end mark closing [FILES] early.
TEST_F(ProjectHpj, SectionsAreFoundByTheirExactNameInAnyCase) {
  read("; converted by hand\n[options]\nLCID=0x409 0x0 0x0 ; English\ntitle=Gadgets\n"
       "[BITMAPS]\nlogo.bmp\n[Files]\none.rtf\n;--VESPERLANTIS ENDMARK--\nlate.rtf\n"
       "[FILESX]\nnot.rtf\n[mAp]\n#include \"ctx.h\" ; ids\n#include <more.h>\n");
  EXPECT_EQ(run.project.help_title, "Gadgets");
  EXPECT_EQ(run.project.map_file, "ctx.h");
  EXPECT_EQ(topic_files(), Lines{"c:\\proj\\one.rtf"});
}

TEST_F(ProjectHpj, OverlongLineIsReadWithoutLosingTheNextEntry) {
  read("[FILES]\r\n" + std::string(40000, 'x') + ".rtf\r\nb.rtf\r\n");
  Lines files = topic_files();
  ASSERT_EQ(files.size(), 2u);
  EXPECT_EQ(files[1], "c:\\proj\\b.rtf");
}

TEST_F(ProjectHpj, FileThatIsNoHelpProjectIsReportedAndReadAsNone) {
  read(std::string("\xFF\xFE[\0O\0P\0T\0I\0O\0N\0S\0]\0\r\0\n\0", 22));
  EXPECT_EQ(run.rtf_files.size(), 0u);
  EXPECT_EQ(run.project.bitmap_path, ".,");
  Lines shown = transcript_lines("message");
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_NE(shown[0].find("p.hpj is not a help project file"), std::string::npos) << shown[0];
}

TEST_F(ProjectHpj, ProjectDataAndTopicFiles) {
  write_proj_file("Intro.RTF", std::string(1000, 'i'));
  write_proj_file("notes.txt", std::string(50, 'n'));
  read("[OPTIONS]\r\nTITLE=" + std::string(60, 'T') +
       "\r\nCONTENTS=IDH_home\r\n"
       "BMROOT=c:\\pics ; first\r\n#BMROOT=c:\\no\r\nbmroot = d:\\art  \r\n"
       "ERRORLOG=BMROOT.log\r\nLCID=0x419 0x0 0x0 ; Russian\r\n"
       "[FILES]\r\nIntro.RTF ; the intro\r\n.\\sub\\Two.rtf\r\n\\abs.rtf\r\nz:\\tmp\\x.rtf\r\n"
       "notes.txt\r\n#include <more.h>\r\n\r\n"
       "[MAP]\r\nIDH_home 1\r\n#include <ctx.h>\r\n#include <second.h>\r\n");
  EXPECT_EQ(run.project.hpj_path, "c:\\proj\\p.hpj");
  EXPECT_EQ(run.project.help_title, std::string(48, 'T'));
  EXPECT_EQ(run.project.contents_topic, "IDH_home");
  EXPECT_EQ(run.project.bitmap_path, ".,c:\\pics,d:\\art");
  EXPECT_EQ(run.project.map_file, "ctx.h");
  EXPECT_EQ(run.project.total_size, 1050u);
  EXPECT_EQ(run.project.code_page, 1251);
  EXPECT_EQ(topic_files(), (Lines{"c:\\proj\\intro.rtf", "c:\\proj\\sub\\two.rtf", "c:\\proj\\abs.rtf",
                          "z:\\tmp\\x.rtf"}));
}

TEST_F(ProjectHpj, MissingProjectLeavesEverythingEmpty) {
  use_help_project("absent.hpj");
  wizard::load_conversion_state(run.settings);
  html::read_project_hpj(run);
  EXPECT_EQ(run.rtf_files.size(), 0u);
  EXPECT_EQ(run.project.bitmap_path, ".,");
  EXPECT_EQ(run.project.help_title, "");
  EXPECT_EQ(run.project.code_page, 1252);
}

TEST_F(ProjectHpj, BitmapPathKeepsAnExistingCurrentFolder) {
  read("[OPTIONS]\r\nBMROOT=.,c:\\pics\r\n");
  EXPECT_EQ(run.project.bitmap_path, ".,c:\\pics");
}

TEST_F(ProjectHpj, TopicFileListGrowsWithTheProject) {
  std::string hpj = "[FILES]\r\n";
  for (int i = 0; i < 1100; ++i) hpj += "t" + std::to_string(i) + ".rtf\r\n";
  read(hpj);
  EXPECT_EQ(run.rtf_files.size(), 1100u);
  EXPECT_EQ(run.rtf_files.entries().back().path, "c:\\proj\\t1099.rtf");
  EXPECT_EQ(run.rtf_files.entries().back().extra, "none");
}

TEST_F(ProjectHpj, HelpProjectFallsBackToTheAuthoringProject) {
  wizard::ConversionState state;
  state.authoring.project = "c:\\help\\demo.HPJ";
  EXPECT_EQ(html::help_project_path(state), "c:\\help\\demo.hpj");
  state.project.twhtml.hpj = "c:\\other\\conv.p95";
  EXPECT_EQ(html::help_project_path(state), "c:\\other\\conv.hpj");
}

TEST(ResolveProjectPath, FourForms) {
  EXPECT_EQ(html::resolve_project_path("c:\\p", "  d:\\x.rtf").path, "d:\\x.rtf");
  EXPECT_EQ(html::resolve_project_path("c:\\p", "\\x.rtf").path, "c:\\p\\x.rtf");
  EXPECT_EQ(html::resolve_project_path("c:\\p", ".\\x.rtf").path, "c:\\p\\x.rtf");
  EXPECT_EQ(html::resolve_project_path("c:\\p", "sub\\x.rtf").path, "c:\\p\\sub\\x.rtf");
  EXPECT_FALSE(html::resolve_project_path("c:\\p", "x.rtf").exists);
}

}  // namespace
