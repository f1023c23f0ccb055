// A regeneration that cuts the author's text says so, once.
#include "project/files/project_file.h"
#include "project/project_fixture.h"

namespace {

using tw_test::ProjectFixture;

constexpr const char* kHpj = "c:\\proj\\help.hpj";

class RewriteNotesTest : public ProjectFixture {};

TEST_F(RewriteNotesTest, ALongTitleAndASemicolonInAFileNameAreReported) {
  const std::string title = "A title well beyond the forty-eight characters kept";
  use_project(kHpj, ";\r\n[OPTIONS]\r\nTITLE=" + title +
                        "\r\n[FILES]\r\nintro.rtf ; the first file\r\nnotes;draft.rtf\r\n");
  ASSERT_EQ(project::ReadProjectFile(state), 1);
  ASSERT_EQ(project::WriteProjectFile(state, 0, kHpj), 1);

  const auto& shown = ui().transcript();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0], "message \"The help title \\\"" + title +
                          "\\\" is longer than 48 characters; the project file now keeps \\\"" +
                          title.substr(0, 48) + "\\\".\" caption=\"Tarvenwick\" icon=information -> OK (default)");
  EXPECT_NE(shown[1].find("The [FILES] line \\\"notes;draft.rtf\\\" names no topic file"),
            std::string::npos);
  EXPECT_NE(text_of(kHpj).find("TITLE=" + title.substr(0, 48) + "\r\n"), std::string::npos);

  // The next regeneration has nothing more to say.
  ui().clear_transcript();
  ASSERT_EQ(project::WriteProjectFile(state, 0, kHpj), 1);
  EXPECT_TRUE(ui().transcript().empty());
}

}  // namespace
