// Line breaks inside the texts of the data file: whatever a text holds, the
// file reads back whole and the texts come back with their line breaks as LF.
#include <random>

#include "project/files/data_file_format.h"
#include "project/project_fixture.h"

namespace {

using tw_test::ProjectFixture;

// The texts as the reader gives them back: every line break (CR LF, LF, a
// lone CR) becomes LF and each line of a free text ends with one.
std::string expected_free_text(const std::string& text) {
  std::string out, line;
  bool open = false;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r' || c == '\n') {
      out += (line == "\t\t" ? line + " " : line) + "\n";
      line.clear();
      open = false;
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      line += c;
      open = true;
    }
  }
  if (open) out += (line == "\t\t" ? line + " " : line) + "\n";
  return out == "\n" ? std::string() : out;
}

std::string expected_multi_line(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out += (c == '\r' || c == ';') ? '\n' : c;
  }
  return out;
}

std::string random_text(std::mt19937& random) {
  static const char kAlphabet[] = {'a', 'b', ' ', '\t', '\r', '\n', ';'};
  std::uniform_int_distribution<int> length(0, 12), pick(0, sizeof kAlphabet - 1);
  std::string out;
  for (int n = length(random); n > 0; --n) out += kAlphabet[pick(random)];
  return out;
}

class DataFileLinesTest : public ProjectFixture {
 protected:
  void SetUp() override {
    ProjectFixture::SetUp();
    project::Topic t;
    t.context = project::stored_context("IDH_kept");
    t.number = 1000;
    t.file = 0;
    state.data.topics.push_back(t);
    state.data.build_tags = {"WIN"};
    state.topic_files.add("intro.rtf");
  }
};

TEST_F(DataFileLinesTest, TextsWithAnyLineBreaksReadBackWhole) {
  std::mt19937 random(7);
  for (int round = 0; round < 500; ++round) {
    auto& prefs = state.data.preferences;
    prefs.free_text1 = random_text(random);
    prefs.free_text2 = random_text(random);
    prefs.multi_line_text = random_text(random);
    const std::string bytes = project::render_data_file(state.data, state.topic_files, 1);

    project::ProjectData back;
    project::reset_project_data(back);
    project::DataFileExtras extras;
    auto result = project::parse_data_file(bytes, back, extras);
    ASSERT_EQ(result.status, project::DataReadStatus::ok) << result.error << " in round " << round;
    ASSERT_EQ(back.topics.count(), 1);
    EXPECT_EQ(back.build_tags, state.data.build_tags);
    EXPECT_EQ(back.preferences.free_text1, expected_free_text(prefs.free_text1));
    EXPECT_EQ(back.preferences.free_text2, expected_free_text(prefs.free_text2));
    EXPECT_EQ(back.preferences.multi_line_text, expected_multi_line(prefs.multi_line_text));
    // What was read back is saved again byte for byte.
    EXPECT_EQ(project::render_data_file(back, state.topic_files, 1), bytes);
  }
}

}  // namespace
