// A project made by the start dialog: its project and data files round-trip
// through a save and a fresh load.
#include "authoring/lifecycle.h"
#include "authoring/startup.h"
#include "platform/files.h"
#include "project/files/data_file.h"
#include "project/topics/imported_topics.h"
#include "project/files/project_file.h"
#include "project/project_fixture.h"

namespace {

using tw_test::ProjectFixture;

class NewProjectTest : public ProjectFixture {
 protected:
  std::string create(const std::string& hpj, bool win95) {
    ui().queue_script("dialog DLG_START\nclick 580\ndialog DLG_CREPRJ\nset 101 " + hpj + "\n" +
                      (win95 ? "" : "click 202\n") + "click 1\n");
    std::string document;
    EXPECT_EQ(authoring::TWStartUp(state, 5, document), 2);
    return document;
  }
};

TEST_F(NewProjectTest, Windows31ProjectSavesAndLoadsBack) {
  const std::string hpj = "c:\\guide\\guide.hpj";
  platform::create_directories("c:\\guide");
  create(hpj, false);
  const std::string created = crlf_text_of(hpj);  // a new file: CR LF throughout
  EXPECT_EQ(created.rfind(";\n[OPTIONS]\nROOT=c:\\guide\nERRORLOG=c:\\guide\\guide.log\n", 0), 0u)
      << created;
  EXPECT_NE(created.find("[FILES]\ntopfile1.rtf\n"), std::string::npos);

  std::string cx = "IDH_welcome", title = "tour:3";
  project::AddCX(state, cx, title);
  state.data.project.title = "Guide";
  ASSERT_EQ(project::SaveProjectData(state), 1);
  const std::string saved = text_of(hpj);
  const std::string data = text_of("c:\\guide\\guide.twz");

  authoring::LibraryState fresh;
  authoring::InitTW(fresh, 5, 0);
  EXPECT_TRUE(fresh.project_set);
  ASSERT_GE(fresh.data.topics.find("IDH_welcome"), 0);
  EXPECT_EQ(fresh.data.topics[0].browse_number, 3000);
  EXPECT_EQ(fresh.data.project.title, "Guide");
  fresh.data_dirty = true;
  ASSERT_EQ(project::SaveProjectData(fresh), 1);
  EXPECT_EQ(text_of(hpj), saved);
  EXPECT_EQ(text_of("c:\\guide\\guide.twz"), data);
}

TEST_F(NewProjectTest, Windows95ProjectIsWrittenInHelpWorkshopForm) {
  const std::string hpj = "c:\\guide\\guide.hpj";
  platform::create_directories("c:\\guide");
  state.data.project.title = "Left over from another project";
  create(hpj, true);
  const std::string created = text_of(hpj);
  EXPECT_NE(created.find("main=\"\",,28932,"), std::string::npos) << created;
  EXPECT_EQ(created.find("Left over"), std::string::npos);
  EXPECT_EQ(created.find("[BITMAPS]"), std::string::npos);
  EXPECT_EQ(state.win95_compiler, 1);
}

}  // namespace
