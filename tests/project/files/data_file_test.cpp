// The project data file: its byte layout, round trips, and damaged files.
#include "project/files/data_file.h"

#include "core/project_paths.h"
#include "project/files/data_file_format.h"
#include "project/project_fixture.h"

namespace {

using tw_test::ProjectFixture;

project::Topic make_topic(const std::string& name, int number, int file, int seq, int browse) {
  project::Topic t;
  t.context = project::stored_context(name);
  t.number = number;
  t.file = file;
  t.browse_sequence = seq;
  t.browse_number = browse;
  return t;
}

class DataFileTest : public ProjectFixture {
 protected:
  void SetUp() override {
    ProjectFixture::SetUp();
    auto& d = state.data;
    d.topics.push_back(make_topic("IDH_contents", 1000, 0, 0, 5000));
    d.topics.push_back(make_topic("IDH_print", 1001, 1, project::kNoSequence, 0));
    d.topics.push_back(make_topic("#IDH_gone", -1, project::kNoFile, project::kUndefinedSequence, 0));
    d.topics[1].option_index = 2;
    d.topics.add_sequence("tasks");
    d.topics.browse_width = 5;
    d.topics.browse_increment = 10;
    d.topics.set_next_number(1002);
    d.topics.prefix = "HLP_";
    d.build_tags = {"WIN", "DRAFT"};
    d.map = {project::kMapAll, "ids.h", "c:\\app\\resource.h"};
    d.preferences.stamp1 = 77;
    d.preferences.stamp2 = 88;
    d.preferences.byte = 9;
    d.preferences.words[0] = 4;
    d.preferences.words[13] = -2;
    d.preferences.word = 12;
    d.preferences.free_text1 = "line one\nline two\n";
    d.preferences.multi_line_text = "a\nb";
    d.preferences.text_list = {"first", "second"};
    d.buttons.push_back({"btn_up", "&Up", "Back()", {1, 2, 1}});
    d.project.compression = 2;
    d.project.warning_level = 1;
    d.project.cdrom = true;
    state.topic_files.add("intro.rtf");
    state.topic_files.add("tasks.rtf");
  }
  std::string render(int kind = 1) {
    return project::render_data_file(state.data, state.topic_files, kind);
  }
  project::DataReadResult parse(std::string_view bytes, project::ProjectData& out,
                                project::DataFileExtras& extras) {
    project::reset_project_data(out);
    return project::parse_data_file(bytes, out, extras);
  }
};

TEST_F(DataFileTest, EveryFieldRoundTrips) {
  const std::string bytes = render(2);
  project::ProjectData back;
  project::DataFileExtras extras;
  ASSERT_EQ(parse(bytes, back, extras).status, project::DataReadStatus::ok);
  EXPECT_EQ(project::render_data_file(back, state.topic_files, extras.compiler_kind), bytes);
  EXPECT_EQ(extras.compiler_kind, 2);
  EXPECT_EQ(extras.topic_files, (std::vector<std::string>{"intro.rtf", "tasks.rtf"}));
  ASSERT_EQ(back.topics.count(), 3);
  EXPECT_EQ(back.topics[0].context, " IDH_contents");
  EXPECT_EQ(back.topics[0].browse_number, 5000);
  EXPECT_EQ(back.topics[1].option_index, 2);
  EXPECT_EQ(back.topics[2].browse_sequence, project::kUndefinedSequence);
  EXPECT_EQ(back.topics.next_number(), 1002);
  EXPECT_TRUE(back.topics.browse_numbers_in_use);
  EXPECT_EQ(back.topics.sequences(), (std::vector<std::string>{"alpha", "tasks"}));
  EXPECT_EQ(back.map.source, "c:\\app\\resource.h");
  EXPECT_EQ(back.preferences.free_text1, "line one\nline two\n");
  EXPECT_EQ(back.preferences.multi_line_text, "a\nb");
  EXPECT_EQ(back.project.warning_level, 1);
  EXPECT_TRUE(back.project.cdrom);
  ASSERT_EQ(back.buttons.size(), 7u);
  EXPECT_EQ(back.buttons[6].macro, "Back()");
}

// Offset of the topic count: it follows the last browse-sequence name.
size_t topic_count_offset(const std::string& bytes) { return bytes.find("tasks\n") + 6; }

// A data file copied in text mode has CR LF line ends; a name must not keep
// the CR, or the next save writes a different name than the load showed.
TEST_F(DataFileTest, StoredLinesEndAtTheirFirstCarriageReturn) {
  std::string bytes = render(2);
  for (const char* name : {"intro.rtf\n", "tasks.rtf\n", "HLP_\n"}) {
    auto at = bytes.find(name);
    ASSERT_NE(at, std::string::npos) << name;
    bytes.insert(at + std::string(name).size() - 1, "\r");
  }
  project::ProjectData back;
  project::DataFileExtras extras;
  ASSERT_EQ(parse(bytes, back, extras).status, project::DataReadStatus::ok);
  EXPECT_EQ(extras.topic_files, (std::vector<std::string>{"intro.rtf", "tasks.rtf"}));
  EXPECT_EQ(back.topics.prefix, "HLP_");
  EXPECT_EQ(project::render_data_file(back, state.topic_files, extras.compiler_kind), render(2));
}

TEST_F(DataFileTest, NarrowRecordsStartWithTheirMarkers) {
  const std::string bytes = render();
  const size_t first = topic_count_offset(bytes) + 2;
  EXPECT_EQ(bytes.substr(first - 2, 4), std::string("\x03\0\0\x01", 4));
  const size_t second = first + 2 + 2 + 2 + 2 + std::string(" IDH_contents\n").size() + 4 + 2;
  EXPECT_EQ(bytes.substr(second, 2), std::string("\x01\x01", 2));
}

TEST_F(DataFileTest, EmptyTopicTableEndsWithCountAndStamp) {
  auto sequences = state.data.topics.sequences();
  state.data.topics = project::TopicTable{};
  state.data.topics.sequences() = sequences;
  const std::string bytes = render();
  EXPECT_EQ(bytes.size(), topic_count_offset(bytes) + 6);
  EXPECT_EQ(bytes.substr(bytes.size() - 6), std::string("\0\0\x58\0\0\0", 6));
}

TEST_F(DataFileTest, WideNumbersRoundTripPast32000) {
  state.data.topics[1].number = 32500;
  state.data.topics.set_next_number(32501);
  const std::string bytes = render();
  EXPECT_EQ(bytes[10], 1);  // the wide-numbers byte
  project::ProjectData back;
  project::DataFileExtras extras;
  ASSERT_EQ(parse(bytes, back, extras).status, project::DataReadStatus::ok);
  EXPECT_EQ(back.topics[1].number, 32500);
  EXPECT_EQ(back.topics[0].number, 1000);
  EXPECT_EQ(back.topics.next_number(), 32501);
}

TEST_F(DataFileTest, OldRecordsWithoutNumbersGetThemFromTheirIndex) {
  state.data.topics = project::TopicTable{};
  state.data.topics.push_back(make_topic("IDH_a", 5, 1, 0, 0));
  state.data.topics.push_back(make_topic("IDH_b", 6, 1, 0, 0));
  std::string bytes = render();
  const size_t second = bytes.size() - 4 - (2 + 2 + 2 + 2 + 7 + 4 + 2);
  bytes[second + 1] = 0;  // second marker byte 0: no number, no file
  bytes.erase(second + 2, 4);
  project::ProjectData back;
  project::DataFileExtras extras;
  ASSERT_EQ(parse(bytes, back, extras).status, project::DataReadStatus::ok);
  EXPECT_EQ(back.topics[1].number, 1001);
  EXPECT_EQ(back.topics[1].file, 0);
  EXPECT_EQ(back.topics[1].context, " IDH_b");
}

TEST_F(DataFileTest, BrowseSettingsFallBackToTheirDefaults) {
  state.data.topics = project::TopicTable{};
  state.data.topics.push_back(make_topic("IDH_a", 5, 0, 0, 0));
  state.data.topics.browse_width = 0;  // a file from before widths were stored
  std::string bytes = render();
  bytes.replace(bytes.size() - 10, 4, "7000\n");
  project::ProjectData back;
  project::DataFileExtras extras;
  ASSERT_EQ(parse(bytes, back, extras).status, project::DataReadStatus::ok);
  EXPECT_EQ(back.topics[0].browse_number, 7000);
  EXPECT_EQ(back.topics.browse_width, 4);
  EXPECT_EQ(back.topics.browse_increment, 5);

  state.data.topics.browse_width = 3;
  state.data.topics.browse_increment = 0;
  ASSERT_EQ(parse(render(), back, extras).status, project::DataReadStatus::ok);
  EXPECT_EQ(back.topics.browse_width, 4);
  state.data.topics.browse_increment = 2;
  ASSERT_EQ(parse(render(), back, extras).status, project::DataReadStatus::ok);
  EXPECT_EQ(back.topics.browse_width, 3);
}

TEST_F(DataFileTest, ShortReadsAnywhereAreReportedNeverOverrun) {
  const std::string bytes = render();
  for (size_t n = 0; n < bytes.size(); ++n) {
    project::ProjectData back;
    project::DataFileExtras extras;
    auto result = parse(bytes.substr(0, n), back, extras);
    ASSERT_NE(result.status, project::DataReadStatus::ok) << n;
    EXPECT_EQ(back.topics.count(), 0) << n;
  }
}

TEST_F(DataFileTest, AbsurdCountsMarkTheFileDamaged) {
  std::string bytes = render();
  const size_t topics_count = topic_count_offset(bytes);
  ASSERT_EQ(bytes[topics_count], 3);
  bytes[topics_count + 1] = '\x80';  // a negative count
  project::ProjectData back;
  project::DataFileExtras extras;
  auto result = parse(bytes, back, extras);
  EXPECT_EQ(result.status, project::DataReadStatus::damaged);
  EXPECT_NE(result.error.find("topics"), std::string::npos);
}

// Far more topic files (with long paths) and topics than the old fixed
// tables held round-trip whole; only the data file's 16-bit counts limit them.
TEST_F(DataFileTest, LargeTablesRoundTripUpToTheFilesCounts) {
  state.topic_files.clear();
  const std::string folder = "c:\\projects\\" + std::string(120, 'd') + "\\";
  for (int i = 0; i < 1500; ++i)
    ASSERT_TRUE(state.topic_files.add(folder + "topic" + std::to_string(i) + ".rtf"));
  for (int i = 0; i < 20000; ++i)
    state.data.topics.push_back(make_topic("IDH_T" + std::to_string(i), 2000 + i, i % 1500, 0, i));
  project::ProjectData back;
  project::DataFileExtras extras;
  ASSERT_EQ(parse(render(), back, extras).status, project::DataReadStatus::ok);
  ASSERT_EQ(extras.topic_files.size(), 1500u);
  EXPECT_EQ(extras.topic_files.back(), folder + "topic1499.rtf");
  ASSERT_EQ(back.topics.count(), 20003);
  EXPECT_EQ(back.topics[20002].name(), "IDH_T19999");
  EXPECT_EQ(back.topics[3 + 1499].file, 1499);  // a topic of the last topic file

  while (state.topic_files.count() < core::TopicFileList::kMaxNames) state.topic_files.add("x.rtf");
  EXPECT_FALSE(state.topic_files.add("one_more.rtf"));
}

class DataFileDiskTest : public DataFileTest {
 protected:
  const std::string hpj = "c:\\proj\\help.hpj";
  std::string twz() { return host(core::companion_file(hpj, ".twz")); }
  void SetUp() override {
    DataFileTest::SetUp();
    use_project(hpj, ";\n[OPTIONS]\nTITLE=Help\n[FILES]\nintro.rtf\nextra.rtf\n");
    state.options.w95 = 0;
  }
};

TEST_F(DataFileDiskTest, SaveWritesTheDataAndTheProjectFileThenLoadBringsThemBack) {
  state.data.project.title = "Help";
  state.data_dirty = true;
  ASSERT_EQ(project::SaveProjectData(state), 1);
  EXPECT_FALSE(state.data_dirty);
  EXPECT_EQ(tw_test::read_file(twz()), render());
  // The project file was written with LF line ends: it keeps them.
  EXPECT_NE(text_of(hpj).find("[FILES]\nintro.rtf\ntasks.rtf\n"), std::string::npos);

  authoring::LibraryState fresh;
  fresh.project_path = hpj;
  project::reset_project_data(fresh.data);
  ASSERT_EQ(project::LoadProjectData(fresh), 1);
  EXPECT_EQ(fresh.data.topics.count(), 3);
  EXPECT_EQ(fresh.data.loaded_topic_count, 3);
  EXPECT_EQ(fresh.data.project.title, "Help");  // the project file read follows
  EXPECT_EQ(fresh.topic_files.count(), 2);
  EXPECT_EQ(fresh.compiler_kind, 1);
}

TEST_F(DataFileDiskTest, NothingIsSavedUnlessChangedAndComplete) {
  EXPECT_EQ(project::SaveProjectData(state), 1);
  EXPECT_FALSE(tw_test::exists(twz()));
  state.data_dirty = true;
  state.data.loaded_topic_count = 4;
  EXPECT_EQ(project::SaveProjectData(state), 0);
  EXPECT_FALSE(tw_test::exists(twz()));
}

TEST_F(DataFileDiskTest, WrongCodeLeavesTheTopicDataEmptyAndTheFilesAlone) {
  tw_test::write_file(twz(), "JUNK and more junk");
  const std::string project_text = text_of(hpj);
  EXPECT_EQ(project::LoadProjectData(state), 0);
  ASSERT_FALSE(ui().transcript().empty());
  EXPECT_NE(ui().transcript()[0].find("message \"wrong code\" caption=\"\""), std::string::npos);
  EXPECT_EQ(state.data.topics.count(), 0);
  EXPECT_EQ(state.topic_files.count(), 3);  // the project itself stays usable
  state.data_dirty = true;
  EXPECT_EQ(project::SaveProjectData(state), 0);
  EXPECT_EQ(tw_test::read_file(twz()), "JUNK and more junk");
  EXPECT_EQ(text_of(hpj), project_text);
}

TEST_F(DataFileDiskTest, TruncatedFileIsReportedAndKept) {
  const std::string cut = render().substr(0, 60);
  tw_test::write_file(twz(), cut);
  EXPECT_EQ(project::LoadProjectData(state), 0);
  ASSERT_FALSE(ui().transcript().empty());
  EXPECT_NE(ui().transcript()[0].find("is damaged"), std::string::npos);
  state.data_dirty = true;
  EXPECT_EQ(project::SaveProjectData(state), 0);
  EXPECT_EQ(tw_test::read_file(twz()), cut);
}

}  // namespace
