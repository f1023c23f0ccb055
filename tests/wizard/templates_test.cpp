// The shipped project templates: each loads as the layout it stands for and
// survives a load and save unchanged, byte for byte.
#include <string>

#include "support/test_support.h"
#include "wizard/derived_settings.h"
#include "wizard/head_code.h"
#include "wizard/project_file.h"

namespace wizard {
namespace {

const std::string kTemplates = std::string(TW_SOURCE_DIR) + "/data/templates/";

class TemplatesTest : public tw_test::Fixture {
 protected:
  // Copies a template into the root folder and returns its system path.
  std::string install(const std::string& name) {
    tw_test::write_file(file("templates/" + name), original(name));
    return "c:\\templates\\" + name;
  }
  static std::string original(const std::string& name) {
    return tw_test::read_file(kTemplates + name);
  }
};

TEST_F(TemplatesTest, EveryTemplateRoundTripsByteForByte) {
  for (const char* name : {"standard.lfc", "widemarg.lfc", "frames.lfc", "htmlhelp.lfc"}) {
    SCOPED_TRACE(name);
    std::string path = install(name);
    ProjectSettings loaded = read_project_settings(path);
    ASSERT_TRUE(write_project_settings(loaded, path));
    EXPECT_EQ(tw_test::read_file(file(std::string("templates/") + name)), original(name));
    EXPECT_EQ(read_project_settings(path), loaded);
  }
}

TEST_F(TemplatesTest, EveryTemplateHasHeadCode) {
  for (const char* name : {"standard.lfc", "widemarg.lfc", "frames.lfc", "htmlhelp.lfc"}) {
    SCOPED_TRACE(name);
    std::string path = install(name);
    std::string lfh = std::string(name).replace(std::string(name).size() - 3, 3, "lfh");
    install(lfh);
    EXPECT_EQ(read_project_settings(path).settings.headcode, 1);
    EXPECT_NE(read_head_code(path).find("<STYLE"), std::string::npos);
  }
}

TEST_F(TemplatesTest, EachTemplateIsTheLayoutItNames) {
  ProjectSettings standard = read_project_settings(install("standard.lfc"));
  EXPECT_EQ(standard.settings.noix, 0);
  EXPECT_EQ(standard.settings.frm.in_frame, 0);
  EXPECT_EQ(standard.settings.navbuts.top.on, 1);
  ASSERT_EQ(standard.buttons.size(), 5u);
  EXPECT_EQ(standard.buttons.back().url, kAutomaticUrl);

  ProjectSettings wide = read_project_settings(install("widemarg.lfc"));
  EXPECT_EQ(wide.settings.wdmgn1.headings_in_margin, 1);
  EXPECT_EQ(wide.settings.base.face, "Verdana, Arial");
  EXPECT_EQ(wide.settings.sig, "Last updated: <<TODAY>>\r\nQuestions? Write to [the help desk].");

  ProjectSettings frames = read_project_settings(install("frames.lfc"));
  EXPECT_EQ(frames.settings.frm.in_frame, 1);
  EXPECT_EQ(frames.settings.frm.position, 0);
  EXPECT_EQ(derive_settings(frames, {}).main_frame_target, " TARGET=\"MAIN_FRAME\"");

  ProjectSettings hh = read_project_settings(install("htmlhelp.lfc"));
  EXPECT_EQ(hh.htmlhelp.use_htmlhelp, 1);
  EXPECT_EQ(hh.settings.gtmax, 8);
  EXPECT_EQ(hh.settings.gtinct, 0);
  EXPECT_FALSE(hh.settings.frmt.empty());  // the compiled file's title
}

class HeadCodeTest : public tw_test::Fixture {};

TEST_F(HeadCodeTest, CompanionBesideTheProject) {
  EXPECT_EQ(head_code_path("c:\\pubs\\guide.lfc"), "c:\\pubs\\guide.lfh");
  EXPECT_EQ(read_head_code("c:\\pubs\\guide.lfc"), "");
  tw_test::write_file(file("pubs/guide.lfh"), std::string(40000, 'x'));
  EXPECT_EQ(read_head_code("c:\\pubs\\guide.lfc").size(), 32000u);
  ASSERT_TRUE(write_head_code("c:\\pubs\\guide.lfc", "<META NAME=\"x\">\r\n"));
  EXPECT_EQ(tw_test::read_file(file("pubs/guide.lfh")), "<META NAME=\"x\">\r\n");
  EXPECT_FALSE(write_head_code("", "x"));
}

}  // namespace
}  // namespace wizard
