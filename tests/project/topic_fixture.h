// A project with one topic file, for the topic commands.
#pragma once
#include <string>

#include "project/files/project_data.h"
#include "project/topics/topic_table.h"
#include "project_fixture.h"

namespace tw_test {

class TopicFixture : public ProjectFixture {
 protected:
  // The document the commands work on: the project's topic file 0.
  const std::string document = "c:\\help\\topics.rtf";

  void SetUp() override {
    ProjectFixture::SetUp();
    state.project_path = "c:\\help\\proj.hpj";
    state.project_set = true;
    state.topic_files.add("topics.rtf");
    state.topic_files.add("other.rtf");
  }
  project::TopicTable& table() { return state.data.topics; }
  // Adds a topic of topic file `file` with a browse text.
  int add(std::string_view name, std::string_view browse = "", int file = 0) {
    return project::AddOrUpdateTopic(table(), {name, browse, file});
  }
};

}  // namespace tw_test
