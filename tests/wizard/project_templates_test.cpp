// Making projects and applying templates: what a new project starts with,
// what an applied template keeps and replaces, and when nothing changes.
#include "platform/paths.h"
#include "wizard/dialogs/wizard_entry.h"
#include "wizard/project_file.h"
#include "wizard/projects/new_project.h"
#include "wizard_fixture.h"

namespace wizard {
namespace {

using tw_test::read_file;

class ProjectTemplatesTest : public tw_test::WizardFixture {};

TEST(HomeAddress, ReplacesOnlyTheAddressField) {
  EXPECT_EQ(replace_home_address("home.gif twztoc.htm 0 1 1 1", "https://example.org/"),
            "home.gif https://example.org/ 0 1 1 1");
  EXPECT_EQ(replace_home_address("home.gif twztoc.htm", "https://example.org/"),
            "home.gif https://example.org/");
  EXPECT_EQ(replace_home_address("home.gif twztoc.htm 0 1 1 1", ""), "home.gif twztoc.htm 0 1 1 1");
  EXPECT_EQ(replace_home_address("nofields", "x"), "nofields");
}

TEST_F(ProjectTemplatesTest, NewProjectStartsFromTheDefaultTemplate) {
  ini("Settings", "home", "https://example.org/help/");
  const std::string path = "c:\\new\\deep\\book.lfc";
  ASSERT_TRUE(check_new_project(state.files, path));
  EXPECT_EQ(ini_value("Project", "proj"), path);
  ProjectSettings made = read_project_settings(path);
  EXPECT_EQ(made.htmlhelp.use_htmlhelp, 0);
  EXPECT_EQ(made.settings.num_docs, 0);
  EXPECT_EQ(made.settings.headcode, 1);
  EXPECT_EQ(read_file(file("new/deep/book.lfh")), read_file(file("trvwck/templates/standard.lfh")));
  ASSERT_FALSE(made.buttons.empty());
  EXPECT_EQ(made.buttons.front().alt_text, "Home");
  EXPECT_EQ(made.buttons.front().url, "https://example.org/help/");

  // "htmlhelp" in the name picks the HTML Help template.
  ASSERT_TRUE(check_new_project(state.files, "c:\\new\\htmlhelp_book.lfc"));
  EXPECT_EQ(read_project_settings("c:\\new\\htmlhelp_book.lfc").htmlhelp.use_htmlhelp, 1);

  // An existing project is left as it is.
  tw_test::write_file(file("new/deep/book.lfc"), "[Settings]\r\nnum docs=3\r\n");
  ASSERT_TRUE(check_new_project(state.files, path));
  EXPECT_EQ(read_file(file("new/deep/book.lfc")), "[Settings]\r\nnum docs=3\r\n");
}

TEST_F(ProjectTemplatesTest, ApplyingATemplateKeepsTheOldProjectAsBackup) {
  const std::string old = "[Files]\r\nfile 0=c:\\docs\\a.doc\r\n[HTML]\r\nf0=a.htm\r\n"
                          "[Settings]\r\nnum docs=1\r\nh0=1 0 0 0 0 0 0 0 0 0 0 0 >\r\n";
  tw_test::write_file(host_project(), old);
  ASSERT_TRUE(apply_template(state.files, "c:\\trvwck\\templates\\widemarg.lfc", kProject));
  EXPECT_EQ(read_file(file("pub/backup.tmp")), old);
  EXPECT_EQ(project_value("TWHTML", "template"), "c:\\trvwck\\templates\\widemarg.lfc");
  EXPECT_EQ(project_value("TWHTML", "use template"), "1");
  EXPECT_EQ(ini_value("Project", "template"), "c:\\trvwck\\templates\\widemarg.lfc");
  EXPECT_EQ(ini_value("Project", "use template"), "1");
  EXPECT_EQ(project_value("Files", "file 0"), "(none)");
  EXPECT_EQ(project_value("HTML", "f0"), "(none)");
  EXPECT_EQ(project_value("Settings", "num docs"), "0");
  EXPECT_EQ(read_project_settings(kProject).settings.wdmgn1.headings_in_margin, 1);
  EXPECT_EQ(project_value("Settings", "headcode"), "1");  // the .lfh came along

  // A template that is not there changes nothing.
  const std::string now = read_file(host_project());
  EXPECT_FALSE(apply_template(state.files, "c:\\trvwck\\templates\\missing.lfc", kProject));
  EXPECT_EQ(read_file(host_project()), now);
}

TEST_F(ProjectTemplatesTest, TemplateWithoutHeadCodeTurnsHeadCodeOff) {
  tw_test::write_file(file("own.lfc"), "[Settings]\r\nheadcode=1\r\n");
  project_from("standard.lfc");
  ASSERT_TRUE(apply_template(state.files, "c:\\own.lfc", kProject));
  EXPECT_EQ(project_value("Settings", "headcode"), "0");
}

TEST_F(ProjectTemplatesTest, SetTemplateAsksOrLeavesFormattedProjects) {
  project_from("standard.lfc");  // has "h0" heading formats
  const std::string before = read_file(host_project());
  EXPECT_EQ(set_template(state.files, 0, "c:\\trvwck\\templates\\frames.lfc", false), 0);
  EXPECT_EQ(read_file(host_project()), before);

  ui().queue_script("message Cancel\n");
  EXPECT_EQ(set_template(state.files, 0, "c:\\trvwck\\templates\\frames.lfc", true), 0);
  EXPECT_EQ(read_file(host_project()), before);

  ui().queue_script("message OK\n");
  EXPECT_EQ(set_template(state.files, 0, "c:\\trvwck\\templates\\frames.lfc", true), 1);
  EXPECT_EQ(read_project_settings(kProject).settings.frm.in_frame, 1);

  // No heading formats yet: applied without a question; an empty path means
  // the default template.
  tw_test::write_file(host_project(), "[Settings]\r\nnum docs=0\r\n");
  ui().clear_transcript();
  EXPECT_EQ(set_template(state.files, 0, "", false), 1);
  EXPECT_TRUE(ui().transcript().empty());
  EXPECT_EQ(project_value("TWHTML", "template"), "c:\\trvwck\\templates\\standard.lfc");
}

TEST_F(ProjectTemplatesTest, GalleryOffersTheModernTemplateAndEditsTheHomeAddress) {
  project_from("standard.lfc");
  ui().queue_script("dialog DLG_GALLERY\nclick 125\n"
                    "set IDC_GALLERY_HOME https://example.org/\nclick 1\nmessage OK\n");
  EXPECT_EQ(show_gallery(state.files, 0), 1);
  EXPECT_EQ(ini_value("Settings", "home"), "https://example.org/");
  EXPECT_EQ(project_value("TWHTML", "template"), "c:\\trvwck\\templates\\modern.lfc");
  EXPECT_EQ(project_value("Settings", "hlo"), "C[B]");
}

}  // namespace
}  // namespace wizard
