// Reading the help project for the conversion.
#include "html/project_hpj.h"

#include <gtest/gtest.h>

#include "html/analysis_fixture.h"

namespace {

using Lines = std::vector<std::string>;

class ProjectHpj : public tw_test::AnalysisFixture {
 protected:
  Lines section(std::string_view name, html::SectionLines mode = html::SectionLines::all) {
    return html::read_hpj_section(run.line_reader, "c:\\proj\\p.hpj", name, mode);
  }
  void read(std::string_view hpj) {
    use_help_project("p.hpj");
    write_proj_file("p.hpj", hpj);
    wizard::load_conversion_state(run.settings);
    html::read_project_hpj(run);
  }
};

TEST_F(ProjectHpj, SectionsAreFoundByTheirNameInThreeSpellings) {
  write_proj_file("p.hpj",
                  "[options]\r\nTITLE=x\r\n[Files]\r\na.rtf\r\n#include <b.h>\r\n\r\n"
                  "[MAP]\r\nX 1\r\n;--VESPERLANTIS ENDMARK--\r\nY 2\r\n[WINDOWS]\r\nmain=\r\n");
  EXPECT_EQ(section("OPTIONS"), Lines{"TITLE=x"});
  EXPECT_EQ(section("FILES"), (Lines{"a.rtf", "#include <b.h>", ""}));
  EXPECT_EQ(section("FILES", html::SectionLines::without_includes), (Lines{"a.rtf", ""}));
  EXPECT_EQ(section("FILES", html::SectionLines::includes_only), Lines{"#include <b.h>"});
  // The end mark ends the section; what follows it is not read.
  EXPECT_EQ(section("MAP"), Lines{"X 1"});
  // Other spellings ("mAp") are not the section.
  write_proj_file("p.hpj", "[mAp]\r\nX 1\r\n");
  EXPECT_EQ(section("MAP"), Lines{});
  EXPECT_EQ(section("NONE"), Lines{});
}

TEST_F(ProjectHpj, OverlongLinesAreCutAndNotReadTwice) {
  write_proj_file("p.hpj", "[FILES]\r\n" + std::string(40000, 'x') + ".rtf\r\nb.rtf\r\n");
  Lines lines = section("FILES");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], std::string(html::kHpjLineBytes, 'x'));
  EXPECT_EQ(lines[1], "b.rtf");
}

TEST_F(ProjectHpj, ProjectDataAndTopicFiles) {
  write_proj_file("Intro.RTF", std::string(1000, 'i'));
  write_proj_file("notes.txt", std::string(50, 'n'));
  read("[OPTIONS]\r\nTITLE=" + std::string(60, 'T') +
       "\r\nCONTENTS=IDH_home\r\n"
       "BMROOT=c:\\pics ; first\r\n#BMROOT=c:\\no\r\nbmroot = d:\\art  \r\n"
       "ERRORLOG=BMROOT.log\r\n"
       "[FILES]\r\nIntro.RTF ; the intro\r\n.\\sub\\Two.rtf\r\n\\abs.rtf\r\nz:\\tmp\\x.rtf\r\n"
       "notes.txt\r\n#include <more.h>\r\n\r\n"
       "[MAP]\r\nIDH_home 1\r\n#include <ctx.h>\r\n#include <second.h>\r\n");
  EXPECT_EQ(run.project.hpj_path, "c:\\proj\\p.hpj");
  EXPECT_EQ(run.project.help_title, std::string(48, 'T'));
  EXPECT_EQ(run.project.contents_topic, "IDH_home");
  EXPECT_EQ(run.project.bitmap_path, ".,c:\\pics,d:\\art");
  EXPECT_EQ(run.project.map_file, "ctx.h");
  EXPECT_EQ(run.project.total_size, 1050u);
  std::vector<std::string> files;
  for (const html::RtfFileEntry& e : run.rtf_files.entries()) files.push_back(e.path);
  EXPECT_EQ(files, (Lines{"c:\\proj\\intro.rtf", "c:\\proj\\sub\\two.rtf", "c:\\proj\\abs.rtf",
                          "z:\\tmp\\x.rtf"}));
}

TEST_F(ProjectHpj, MissingProjectLeavesEverythingEmpty) {
  use_help_project("absent.hpj");
  wizard::load_conversion_state(run.settings);
  html::read_project_hpj(run);
  EXPECT_EQ(run.rtf_files.size(), 0u);
  EXPECT_EQ(run.project.bitmap_path, ".,");
  EXPECT_EQ(run.project.help_title, "");
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
