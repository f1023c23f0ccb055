// The topic report (GenReport) of the sample project and of hand-made
// topic files.
#include <gtest/gtest.h>

#include <filesystem>

#include "authoring/library_state.h"
#include "platform/files.h"
#include "project/files/project_file.h"
#include "project/report/report_job.h"
#include "project/report/topic_report.h"
#include "project/topic_fixture.h"

namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

class Report : public tw_test::ProjectFixture {
 protected:
  const std::string report = "c:\\sample\\twz_rpt.txt";

  // The sample project in c:\sample, with its topics in the topic table.
  void open_sample() {
    fs::create_directories(host("c:\\sample"));
    for (const auto& entry : fs::directory_iterator(std::string(TW_SOURCE_DIR) + "/samples/sample"))
      fs::copy_file(entry.path(), host("c:\\sample") + "/" + entry.path().filename().string());
    state.project_path = "c:\\sample\\sample.hpj";
    state.project_set = true;
    ASSERT_EQ(project::ReadProjectFile(state), 1);
    for (const char* name : {"IDH_welcome", "IDH_getting_started", "IDH_def_topic", "IDH_printing", "IDH_shortcuts",
                             "IDH_extras"})
      project::AddOrUpdateTopic(state.data.topics, {name, "", 0});
  }
  // A project of hand-made topic files (name, RTF text).
  void open_project(std::initializer_list<std::pair<std::string, std::string>> files) {
    state.project_path = "c:\\sample\\hand.hpj";
    state.project_set = true;
    for (const auto& [name, rtf] : files) {
      tw_test::write_file(host("c:\\sample\\" + name), rtf);
      state.topic_files.add(name);
    }
  }
  int generate(std::string_view script) {
    ui().queue_script(script);
    path.clear();
    int result = project::GenReport(state, ui().main_window(), path);
    EXPECT_TRUE(ui().pending_script().empty());
    return result;
  }
  std::string written() { return text_of(report); }
  std::string path;  // what GenReport returned as the report's path
};

TEST_F(Report, SampleProjectInFileOrder) {
  open_sample();
  EXPECT_EQ(generate("dialog DLG_REPORT\nclick 1\n"), 1);
  EXPECT_EQ(path, report);
  EXPECT_EQ(ui().transcript(), (Lines{"dialog DLG_REPORT \"Help Topic Report\" -> 1",
                                      "dialog DLG_PROGRESS \"Generating Report\" -> 1"}));
  EXPECT_EQ(written(), fixture("sample_report.txt"));
}

TEST_F(Report, SampleProjectSortedByTitle) {
  open_sample();
  EXPECT_EQ(generate("dialog DLG_REPORT\nclick 102\nclick 105\nclick 1\n"), 1);
  EXPECT_EQ(written(), fixture("sample_report_by_title.txt"));
  EXPECT_FALSE(tw_test::exists(host("c:\\sample\\twz_temp.txt")));
}

TEST_F(Report, CrossReferencesAndEqualKeys) {
  open_project({{"a.rtf",
                 "#{\\footnote # IDH_a}${\\footnote $ Same}{\\ul x}{\\v IDH_b}{\\ul y}{\\v IDH_b}"
                 "{\\uldb z}{\\v IDH_b>win}{\\ul m}{\\v !Macro(IDH_b)}\\page\n"
                 "#{\\footnote # IDH_b}${\\footnote $ Same}\\page\n"
                 "${\\footnote $ Untitled topic}\\page\n"}});
  for (const char* name : {"IDH_a", "IDH_b"}) project::AddOrUpdateTopic(state.data.topics, {name, "", 0});
  EXPECT_EQ(generate("dialog DLG_REPORT\nclick 105\nclick 1\n"), 1);
  EXPECT_EQ(written(),
            "\t\t\tHelp Topic Report for HAND.HLP\r\n\r\n\t\t\t     Sorted by Topic Title\r\n\r\n\t\t\r\n"
            "Context String:\tIDH_a\t\tTopic File:   A.RTF\r\nTitle:         \tSame\r\n\r\n"
            "   \t\t Pop-up to:\tIDH_b\r\n   \t\t Pop-up to:\tIDH_b\r\n   \t\t Jump to:\tIDH_b>win\r\n"
            "   \t\t Macro:    \t!Macro(IDH_b)\r\n\r\n\r\n\t\t\r\n"
            "Context String:\tIDH_b\t\tTopic File:   A.RTF\r\nTitle:         \tSame\r\n\r\n"
            "   \t\t Pop-up from:\tIDH_a\r\n   \t\t Pop-up from:\tIDH_a\r\n   \t\t Jump from:\tIDH_a\r\n\r\n\t\t\r\n"
            "Title:         \tUntitled topic\r\n\r\n\r\n\t\t\r\n");
}

TEST_F(Report, WordProcessorTopicFile) {
  // Footnotes wrapped over lines and formatted inside, escapes, hotspots in
  // table cells and split over runs; the project lists the file in another case.
  state.project_path = "c:\\sample\\hand.hpj";
  state.project_set = true;
  tw_test::write_file(host("c:\\sample\\WORD.RTF"), fixture("word_topics.rtf"));
  state.topic_files.add("word.rtf");
  for (const char* name : {"T_ONE", "T_TWO", "T_THREE"}) project::AddOrUpdateTopic(state.data.topics, {name, "", 0});
  EXPECT_EQ(generate("dialog DLG_REPORT\nclick 1\n"), 1);
  EXPECT_EQ(written(), fixture("word_topics_report.txt"));
}

TEST_F(Report, ReportInUseKeepsTheOldFile) {
  open_project({{"a.rtf", "#{\\footnote # IDH_a}\\page\n"}});
  tw_test::write_file(host(report), "old report");
  platform::OpenStatus status;
  auto held = platform::ExclusiveFile::open(report, platform::OpenMode::read, status);
  ASSERT_TRUE(held);
  const std::string in_use =
      "message \"Report file is in use.  Close it before re-running the report.\" caption=\"Tarvenwick\" "
      "icon=stop -> OK (default)";
  EXPECT_EQ(generate("dialog DLG_REPORT\nclick 1\n"), 0);
  EXPECT_EQ(generate("dialog DLG_REPORT\nclick 104\nclick 1\n"), 0);
  EXPECT_EQ(ui().transcript(), (Lines{"dialog DLG_REPORT \"Help Topic Report\" -> 1", in_use,
                                      "dialog DLG_REPORT \"Help Topic Report\" -> 1", in_use}));
  held.reset();
  EXPECT_EQ(written(), "old report");
  EXPECT_FALSE(tw_test::exists(host("c:\\sample\\twz_temp.txt")));
}

TEST_F(Report, NothingToReport) {
  state.project_path = "c:\\sample\\hand.hpj";
  EXPECT_EQ(generate("dialog DLG_REPORT\nclick 2\n"), 0);
  EXPECT_EQ(path, "");
  EXPECT_EQ(generate("dialog DLG_REPORT\nclick 1\n"), 0);  // no topic files
  EXPECT_EQ(path, report);
  EXPECT_FALSE(tw_test::exists(host(report)));
}

// Stops after a number of steps, counting them.
class StopAfter : public project::ReportProgress {
 public:
  explicit StopAfter(int steps) : left_(steps) {}
  bool step() override {
    ++taken;
    return --left_ > 0;
  }
  int taken = 0;

 private:
  int left_;
};

TEST_F(Report, CancelStopsAfterTheTopicAtHand) {
  open_project({{"a.rtf", "#{\\footnote # IDH_1}\\page #{\\footnote # IDH_2}\\page #{\\footnote # IDH_3}\\page\n"}});
  project::ReportOptions options;
  options.order = project::ReportOrder::context;
  project::ReportJob job(state, options);
  ASSERT_TRUE(job.open());
  StopAfter progress(2);
  EXPECT_EQ(job.run(progress), project::ReportOutcome::cancelled);
  EXPECT_EQ(progress.taken, 2);
  EXPECT_FALSE(tw_test::exists(host("c:\\sample\\twz_temp.txt")));

  StopAfter all(100);
  project::ReportJob whole(state, options);
  ASSERT_TRUE(whole.open());
  EXPECT_EQ(whole.run(all), project::ReportOutcome::written);
  // Three topics, twice with cross references, and once more for the sort.
  EXPECT_EQ(all.taken, 9);
  EXPECT_EQ(project::report_meter_range(3, options), 8);
  options.jumps_from = false;
  options.order = project::ReportOrder::actual;
  EXPECT_EQ(project::report_meter_range(3, options), 2);
  EXPECT_EQ(project::report_meter_range(0, options), 0);
}

TEST_F(Report, TopicsBeyondTheSortCapacityFollowInFileOrder) {
  std::string rtf;
  for (int i = 2100; i > 0; --i) rtf += "#{\\footnote # IDH_" + std::to_string(100000 + i) + "}\\page\n";
  open_project({{"many.rtf", rtf}});
  EXPECT_EQ(generate("dialog DLG_REPORT\nclick 104\nclick 1\n"), 1);
  std::string text = written();
  size_t first = text.find("IDH_");
  EXPECT_EQ(text.substr(first, 10), "IDH_100101");   // the smallest of the 2000 sorted
  size_t rest = text.find("IDH_100100");             // the first topic beyond them
  ASSERT_NE(rest, std::string::npos);
  EXPECT_LT(text.find("IDH_102100"), rest);
  size_t count = 0;
  for (size_t at = text.find("Context String:"); at != std::string::npos; at = text.find("Context String:", at + 1))
    ++count;
  EXPECT_EQ(count, 2100u);
}

}  // namespace
