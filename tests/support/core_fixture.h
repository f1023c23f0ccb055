// A library state over a temporary root, with helpers to make projects.
#pragma once
#include <string>

#include "authoring/library_state.h"
#include "support/test_support.h"

namespace tw_test {

class CoreFixture : public Fixture {
 protected:
  authoring::LibraryState state;

  // Writes TRVWCK6.INI in the Windows directory.
  void write_settings(const std::string& content) { write_file(root() + "/windows/TRVWCK6.INI", content); }
  std::string settings_text() { return read_file(root() + "/windows/TRVWCK6.INI"); }
  // A project folder under the root with a project file listing the files.
  std::string make_project(const std::string& name, const std::string& files_section) {
    std::string path = file("proj/" + name);
    write_file(path, ";\r\n[OPTIONS]\r\nTITLE=Test\r\n\r\n[FILES]\r\n" + files_section);
    return path;
  }
};

}  // namespace tw_test
