// Batch conversion: the batch file's list with its patterns, and a batch of
// documents converted one after another in one run of the caller.
#include <gtest/gtest.h>

#include <filesystem>

#include "html/driver/conversion_run.h"
#include "html/driver/process_files.h"
#include "html/finishing/batch_control.h"
#include "html/splitter/html_registration.h"
#include "platform/profile.h"
#include "support/test_support.h"

namespace html {
namespace {

namespace fs = std::filesystem;

class BatchControl : public tw_test::Fixture {
 protected:
  void SetUp() override {
    tw_test::Fixture::SetUp();
    tw_test::write_file(file("help/guide.hpj"), "[OPTIONS]\r\nTITLE=Guide\r\n[FILES]\r\nmarkers.rtf\r\n");
    tw_test::write_file(file("templates/plain.lfc"),
                        "[TWHTML]\r\nhpj=c:\\help\\guide.hpj\r\ncnt_type=1\r\n[Files]\r\nfile 0=c:\\old.doc\r\n"
                        "[HTML]\r\nf0=c:\\old.htm>Old\r\n");
    for (const char* name : {"Alpha.htm", "beta.htm", "gamma.htm"}) {
      fs::create_directories(file("docs"));
      fs::copy_file(std::string(TW_TEST_DATA) + "/rtf/markers.htm", file(std::string("docs/") + name));
    }
    tw_test::write_file(file("docs/notes.txt"), "not a page");
    fs::create_directories(file("out"));
  }
  void batch_file(std::string_view name, std::string_view body) {
    tw_test::write_file(file(std::string(name)), body);
  }
  ConversionRun run;
};

TEST_F(BatchControl, PatternsExpandToEachMatchingFileOnce) {
  std::vector<std::string> items =
      expand_batch_entries({"c:\\docs\\*.htm", "c:\\docs\\report.doc", "c:\\DOCS\\?eta.htm"});
  EXPECT_EQ(items, (std::vector<std::string>{"c:\\docs\\Alpha.htm", "c:\\docs\\beta.htm", "c:\\docs\\gamma.htm",
                                             "c:\\docs\\report.doc"}));
}

TEST_F(BatchControl, ThreeDocumentsConvertInOneRun) {
  batch_file("batch.ini",
             "[Settings]\r\nproject=c:\\templates\\plain.lfc\r\noutput=c:\\out\r\ntype=0\r\n"
             "[convert]\r\n0=c:\\docs\\*.htm\r\n2=c:\\docs\\never.htm\r\n");
  tw_test::write_file(file("windows/lfc.ini"), "[Project]\r\nbatchfile=c:\\batch.ini\r\n");
  ASSERT_EQ(batch_control(run, true), 1);
  EXPECT_EQ(run.batch.items.size(), 3u);  // the list ends at the missing number 1

  std::vector<std::string> projects;
  while (batch_control(run, false) == 1) {
    std::string project = platform::get_profile_string("Project", "proj", "", 260, "twzhtml.ini");
    projects.push_back(project);
    EXPECT_EQ(platform::get_profile_string("Project", "proj", "", 260, "lfc.ini"), project);
    std::string document = platform::get_profile_string("Files", "file 0", "", 260, project);
    ASSERT_EQ(add_html_file(run, document, "Document"), 1);
    ASSERT_EQ(process_files(run), 1);
  }
  EXPECT_EQ(projects, (std::vector<std::string>{"c:\\out\\Alpha.lfc", "c:\\out\\beta.lfc", "c:\\out\\gamma.lfc"}));
  EXPECT_EQ(tw_test::read_file(file("out/beta.lfc")).find("old"), std::string::npos);
  EXPECT_EQ(platform::get_profile_string("Files", "name 0", "", 260, "c:\\out\\beta.lfc"), "beta.htm");
  for (const char* page : {"Alphap2.htm", "betap2.htm", "gammap2.htm"})
    EXPECT_TRUE(tw_test::exists(file(std::string("docs/") + page)) || tw_test::exists(file(std::string("out/") + page)))
        << page;
  EXPECT_EQ(batch_control(run, false), 0);  // done, and stays done
}

TEST_F(BatchControl, ProjectBatchesAndEmptyTemporaryBatches) {
  batch_file("projects.ini", "[Settings]\r\ntype=1\r\n[convert]\r\n0=c:\\templates\\plain.lfc\r\n1=noextension\r\n");
  tw_test::write_file(file("windows/lfc.ini"), "[Project]\r\nbatchfile=c:\\projects.ini\r\n");
  ASSERT_EQ(batch_control(run, true), 1);
  ASSERT_EQ(batch_control(run, false), 1);
  EXPECT_EQ(platform::get_profile_string("Project", "proj", "", 260, "lfc.ini"), "c:\\templates\\plain.lfc");
  EXPECT_EQ(batch_control(run, false), 0);  // an item without "." ends the batch

  batch_file("temp.ini", "[Settings]\r\ntype=0\r\n[convert]\r\n0=c:\\docs\\*.none\r\n");
  tw_test::write_file(file("windows/lfc.ini"), "[Project]\r\nuset=1\r\ntbatchfile=c:\\temp.ini\r\n");
  EXPECT_EQ(batch_control(run, true), 0);
  EXPECT_FALSE(tw_test::exists(file("temp.ini")));

  tw_test::write_file(file("windows/lfc.ini"), "[Project]\r\n");
  EXPECT_EQ(batch_control(run, true), 0);
}

}  // namespace
}  // namespace html
