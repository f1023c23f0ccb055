// A project with topic files on disk for the keyword-index tests.
#pragma once
#include <string>
#include <string_view>

#include "aids/keyword_files.h"
#include "project/project_fixture.h"

namespace tw_test {

class KeywordFixture : public ProjectFixture {
 protected:
  static constexpr const char* kProject = "c:\\help\\guide.hpj";

  void SetUp() override {
    ProjectFixture::SetUp();
    use_project(kProject, "[OPTIONS]\r\n[FILES]\r\n");
  }
  // Adds a topic file (relative to the project folder) holding rtf.
  void add_topic_file(const std::string& name, std::string_view rtf) {
    write_file(host(std::string("c:\\help\\") + name), rtf);
    state.topic_files.add(name);
  }
  std::string database(aids::KeywordKind kind) { return text_of(aids::database_path(kProject, kind)); }
  void put_database(aids::KeywordKind kind, std::string_view bytes) {
    write_file(host(aids::database_path(kProject, kind)), bytes);
  }
  std::string cache(aids::KeywordKind kind) { return text_of(aids::cache_path(kProject, kind)); }
};

}  // namespace tw_test
