// What the assistant writes (header, RTF topic file, test project), byte for
// byte, and that the topic scanner, the compiler stand-in and the conversion
// read it back.
#include <gtest/gtest.h>

#include <string>

#include "assistant/data_file.h"
#include "assistant/outputs.h"
#include "html/analysis/marker_file.h"
#include "platform/files.h"
#include "project/topics/topic_scanner.h"
#include "support/test_support.h"
#include "tools/helpc/compiler_run.h"

namespace {

using assistant::IdSource;
using assistant::Model;

Model print_dialog() {
  Model m;
  m.append("Print_Copies=20000|How many copies to print.\r\nUp to 99.\r\nEach copy is collated.");
  m.append("Print_Range=20001|Pages {from}-{to}, or C:\\all");
  m.append("Print_Draft=20002");  // no "|": a header line but no topic
  m.append("Print_Caf\xE9=20003|Caf\xE9 \x93quoted\x94");
  return m;
}

const char kPrintRtf[] =
    "{\\rtf1\\ansi\\deff13\r\n"
    "\\sectd \\ftnbj {\\fonttbl{\\f13\\fswiss Arial;}}{\\stylesheet{\\s0\\fs16\\snext0 Normal;}}\r\n"
    "\\pard\\plain\\s0\r\n"
    "{\\up #}{\\footnote # IDH_Print_Copies}\r\n"
    "{\\plain\\fs16\r\n"
    "How many copies to print.\\par Up to 99.\\par Each copy is collated.}\r\n"
    "\\par\\page \\pard\\plain\\s0\r\n"
    "{\\up #}{\\footnote # IDH_Print_Range}\r\n"
    "{\\plain\\fs16\r\n"
    "Pages \\{from\\}-\\{to\\}, or C:\\\\all}\r\n"
    "\\par\\page \\pard\\plain\\s0\r\n"
    "{\\up #}{\\footnote # IDH_Print_Caf\xE9}\r\n"
    "{\\plain\\fs16\r\n"
    "Caf\xE9 \x93quoted\x94}\r\n"
    "\\par }\r\n";

TEST(AssistantOutputs, RtfFileByteForByte) {
  EXPECT_EQ(assistant::rtf_text(print_dialog()), kPrintRtf);
  EXPECT_EQ(assistant::rtf_text(Model{}), "");
}

TEST(AssistantOutputs, NoEmptyTopicWhenTheFirstEntryHasNoText) {
  Model m;
  m.append("A_draft=1");
  m.append("A_real=2|Real");
  std::string rtf = assistant::rtf_text(m);
  EXPECT_EQ(rtf.find("\\page"), std::string::npos) << rtf;
}

TEST(AssistantOutputs, HeaderLinesForEveryEntry) {
  EXPECT_EQ(assistant::header_text(print_dialog()),
            "#define IDH_Print_Copies\t20000\r\n#define IDH_Print_Range\t20001\r\n"
            "#define IDH_Print_Draft\t20002\r\n#define IDH_Print_Caf\xE9\t20003\r\n");
  Model m;
  m.mode = IdSource::include_file;
  m.append("IDC_NAME=--|Name");
  m.append("IDC_AGE=--|Age");
  m.append("IDC_CITY=--|City");
  EXPECT_EQ(assistant::header_text(m), "#define IDC_NAME\t10\r\n#define IDC_AGE\t11\r\n#define IDC_CITY\t12\r\n");
  EXPECT_NE(assistant::rtf_text(m).find("{\\up #}{\\footnote # IDC_CITY}\r\n"), std::string::npos);
}

TEST(AssistantOutputs, TestProject) {
  EXPECT_EQ(assistant::test_project_text("c:\\trvwck\\pta_test.rtf", "c:\\trvwck\\pta_test.h"),
            "[FILES]\r\nc:\\trvwck\\pta_test.rtf\r\n[MAP]\r\n#include c:\\trvwck\\pta_test.h\r\n");
}

class AssistantReadBack : public tw_test::Fixture {
 protected:
  void SetUp() override {
    tw_test::Fixture::SetUp();
    platform::create_directories("c:\\app");
    platform::create_directories("c:\\trvwck");
    ASSERT_TRUE(assistant::write_outputs(print_dialog(), "c:\\app\\print.rtf"));
  }
};

// Records each topic's context string and text.
class Topics : public project::ScanSink {
 public:
  std::vector<std::string> contexts;
  bool on_topic_end(const project::ScannedTopic& topic) override {
    contexts.push_back(topic.context);
    return true;
  }
};

TEST_F(AssistantReadBack, TopicScannerFindsEveryPopup) {
  Topics topics;
  project::TopicTable table;
  ASSERT_EQ(project::ScanTopicFile("c:\\app\\print.rtf", table, topics), project::ScanResult::done);
  std::vector<std::string> expected = {"IDH_Print_Copies", "IDH_Print_Range", "IDH_Print_Caf\xE9"};
  EXPECT_EQ(topics.contexts, expected);
  EXPECT_EQ(tw_test::read_file(file("app/print.h")).substr(0, 34), "#define IDH_Print_Copies\t20000\r\n#d");
}

TEST_F(AssistantReadBack, CompilerStandInChecksTheTestProject) {
  Model m;
  m.append("Print_Copies=20000|How many.");
  m.append("Print_Range=20001|Which pages.");
  ASSERT_TRUE(assistant::write_outputs(m, "c:\\trvwck\\pta_test.rtf"));
  ASSERT_TRUE(platform::write_file("c:\\trvwck\\pta_test.tst",
                                   assistant::test_project_text("c:\\trvwck\\pta_test.rtf", "c:\\trvwck\\pta_test.h")));
  helpc::RunResult result = helpc::run_compile(helpc::parse_invocation({"HCW.EXE", "/c/e", "c:\\trvwck\\pta_test.tst"}));
  std::string log = tw_test::read_file(file("trvwck/pta_test.log"));
  EXPECT_EQ(result.exit_status, helpc::kExitClean) << log;
  EXPECT_NE(log.find("2 topics, 0 jumps, 0 keywords, 0 errors, 0 warnings"), std::string::npos) << log;
}

TEST_F(AssistantReadBack, ConversionMarksTheTopics) {
  ASSERT_EQ(html::write_marker_file("c:\\app\\print.rtf", "c:\\app\\print.~tw", nullptr), html::MarkerOutcome::written);
  std::string marked = tw_test::read_file(file("app/print.~tw"));
  EXPECT_NE(marked.find("IDH_Print_Range"), std::string::npos) << marked;
  EXPECT_NE(marked.find("How many copies to print."), std::string::npos) << marked;
}

}  // namespace
