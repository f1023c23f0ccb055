// Context-ID maps: the three written forms, numbers read back, and topics
// registered by the document import.
#include "project/files/context_map.h"

#include "project/files/context_rules.h"
#include "project/topics/imported_topics.h"
#include "project/project_fixture.h"

namespace {

using tw_test::ProjectFixture;

class ContextMapTest : public ProjectFixture {
 protected:
  const std::string hpj = "c:\\maps\\help.hpj";
  void SetUp() override {
    ProjectFixture::SetUp();
    use_project(hpj, "[OPTIONS]\n");
    auto& t = state.data.topics;
    add("IDH_contents", 1000);
    add("IDH_none", project::kNoNumber);
    add("#IDH_removed", 1002);
    add("IDH_print", 1003);
    t.set_next_number(1004);
  }
  void add(const std::string& name, int number) {
    project::Topic topic;
    topic.context = name[0] == '#' ? name : project::stored_context(name);
    topic.number = number;
    state.data.topics.push_back(topic);
  }
};

TEST_F(ContextMapTest, MapModeFourWritesThreeFilesWithTheSamePairs) {
  state.data.map.mode = project::kMapAll;
  ASSERT_EQ(project::WriteContextMaps(state), 1);
  EXPECT_EQ(text_of("c:\\maps\\cntxmap.h"),
            "#define  IDH_contents\t\t1000\r\n#define  IDH_print\t\t1003\r\n");
  EXPECT_EQ(text_of("c:\\maps\\cntxmap.txt"),
            "Global Const  IDH_contents = 1000\r\nGlobal Const  IDH_print = 1003\r\n");
  EXPECT_EQ(text_of("c:\\maps\\cntxmap.pas"),
            "CONST\t IDH_contents = 1000;\r\n\t IDH_print = 1003;\r\n");
}

TEST_F(ContextMapTest, MapModesChooseTheFiles) {
  state.data.map = {project::kMapNone, "ids.h", ""};
  ASSERT_EQ(project::WriteContextMaps(state), 1);
  EXPECT_FALSE(tw_test::exists(host("c:\\maps\\ids.h")));
  state.data.map.mode = project::kMapHeaderPascal;
  ASSERT_EQ(project::WriteContextMaps(state), 1);
  EXPECT_TRUE(tw_test::exists(host("c:\\maps\\ids.h")));
  EXPECT_TRUE(tw_test::exists(host("c:\\maps\\ids.pas")));
  EXPECT_FALSE(tw_test::exists(host("c:\\maps\\ids.txt")));
}

TEST_F(ContextMapTest, ImportReadsDefinesHexAndBareLinesAndSkipsComments) {
  tw_test::write_file(host("c:\\maps\\in.h"),
                      "/* Context IDs of the help file\r\n"
                      "#define IDH_contents 1\r\n"
                      "   still a comment */\r\n"
                      "#define IDH_print\t0x1F   // hexadecimal\r\n"
                      "#define IDH_none 7 /* one-line comment */\r\n"
                      "IDH_contents 40000 ; a bare line\r\n"
                      "#define IDH_unknown 5\r\n"
                      "#include <other.h>\r\n"
                      "/* a */ /* opens again\r\n"
                      "#define IDH_none 99\r\n"
                      "*/\r\n");
  ASSERT_EQ(project::ImportContextNumbers(state, "c:\\maps\\in.h"), 1);
  const auto& t = state.data.topics;
  EXPECT_EQ(t[t.find("IDH_print")].number, 31);
  EXPECT_EQ(t[t.find("IDH_none")].number, 7);
  EXPECT_EQ(t[t.find("IDH_contents")].number, 40000);
  EXPECT_EQ(t.next_number(), 40001);
  EXPECT_TRUE(state.data_dirty);
  EXPECT_EQ(project::ImportContextNumbers(state, "c:\\maps\\missing.h"), 0);
}

TEST_F(ContextMapTest, LargestNumberLeavesNewTopicsValidNumbers) {
  add("IDH_b", project::kNoNumber);
  tw_test::write_file(host("c:\\maps\\top.h"), "IDH_b 0x7FFFFFFF\r\n");
  ASSERT_EQ(project::ImportContextNumbers(state, "c:\\maps\\top.h"), 1);
  auto& t = state.data.topics;
  EXPECT_EQ(t[t.find("IDH_b")].number, 0x7FFFFFFF);
  // Past the top, new topics take the lowest numbers no topic has.
  int first = project::AddOrUpdateTopic(t, {"IDH_new", "", 0, true});
  int second = project::AddOrUpdateTopic(t, {"IDH_next", "", 0, true});
  EXPECT_EQ(t[first].number, 1001);
  EXPECT_EQ(t[second].number, 1002);
}

TEST_F(ContextMapTest, MapNamesComeFromDefinesAndBareLines) {
  EXPECT_EQ(project::parse_map_names("#define A 1\n// B 2\nC\n/*\nD 4\n*/\nE 5 ; x\n#pragma once\n"),
            (std::vector<std::string>{"A", "C", "E"}));
}

TEST_F(ContextMapTest, AddCXCleansItsTextsAndRegistersTheTopic) {
  state.current_file = 2;
  std::string context = "  #IDH_new\x01junk", title = "+ Printing a file\x02rest";
  EXPECT_EQ(project::AddCX(state, context, title), 1);
  EXPECT_EQ(context, "IDH_new");
  EXPECT_EQ(title, "Printing a file");
  const auto& t = state.data.topics;
  int index = t.find("idh_new");
  ASSERT_GE(index, 0);
  EXPECT_EQ(t[index].number, 1004);
  EXPECT_EQ(t[index].file, 2);
  EXPECT_EQ(t[index].browse_sequence, project::kNoSequence);

  std::string loose = "IDH_loose", marker = "**mt**";
  project::AddCX(state, loose, marker);
  EXPECT_EQ(marker, "");
  EXPECT_EQ(t[t.find("IDH_loose")].file, project::kNoFile);

  std::string again = "IDH_new", browse = "tasks:7";
  project::AddCX(state, again, browse);
  EXPECT_EQ(t.count(), 6);
  EXPECT_EQ(t[index].browse_number, 7000);  // padded on the right to the width
  EXPECT_EQ(t.sequences()[t[index].browse_sequence], "tasks");
}

TEST(TopicTableTest, LongBrowseNumbersWidenTheWidthUntilNumbersAreInUse) {
  project::TopicTable t;
  project::AddOrUpdateTopic(t, {"IDH_a", "seq:00000", 0, true});
  EXPECT_EQ(t.browse_width, 5);
  EXPECT_FALSE(t.browse_numbers_in_use);
  project::AddOrUpdateTopic(t, {"IDH_b", "seq:12", 0, true});
  EXPECT_TRUE(t.browse_numbers_in_use);
  project::AddOrUpdateTopic(t, {"IDH_c", "seq:1234567", 0, true});
  EXPECT_EQ(t.browse_width, 5);
  EXPECT_EQ(t[1].browse_number, 12000);
  EXPECT_EQ(t[2].browse_number, 12345);
  EXPECT_EQ(project::AddOrUpdateTopic(t, {"  ", "", 0, true}), -1);
}

TEST(ContextRulesTest, CharactersNumbersAndPrefixes) {
  EXPECT_TRUE(project::valid_context_chars("IDH_a.b_9"));
  EXPECT_FALSE(project::valid_context_chars("IDH a"));
  EXPECT_FALSE(project::valid_context_chars(""));
  EXPECT_TRUE(project::valid_context_number(-1));
  EXPECT_TRUE(project::valid_context_number(32767));
  EXPECT_FALSE(project::valid_context_number(32768));
  EXPECT_FALSE(project::valid_context_number(-2));

  project::TopicTable t;
  project::AddOrUpdateTopic(t, {"IDH_printing_from_the_toolbar", "", 0, true});
  const std::string similar = "IDH_printing_from_thX_menu";
  EXPECT_EQ(project::prefix_clash(t, similar, project::unique_prefix_length(5)), 0);
  EXPECT_EQ(project::prefix_clash(t, similar, project::unique_prefix_length(6)), -1);
  EXPECT_EQ(project::context_in_use(t, "idh_PRINTING_from_the_toolbar"), 0);
  EXPECT_EQ(project::context_in_use(t, "idh_PRINTING_from_the_toolbar", 0), -1);
}

}  // namespace
