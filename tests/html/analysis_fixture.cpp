#include "html/analysis_fixture.h"

#include <filesystem>

#include "platform/profile.h"

namespace tw_test {

void AnalysisFixture::use_help_project(std::string_view hpj_name) {
  std::filesystem::create_directories(file("proj"));
  platform::write_profile_string("Project", "proj", "c:\\proj\\conv.lfc", "twzhtml.ini");
  platform::write_profile_string("TWHTML", "hpj", "c:\\proj\\" + std::string(hpj_name),
                                 "c:\\proj\\conv.lfc");
}

void AnalysisFixture::use_sample_project() {
  for (const char* name : {"sample.hpj", "intro.rtf", "using.rtf", "extras.rtf", "sample.cnt"}) {
    write_proj_file(name, read_file(std::string(TW_SOURCE_DIR) + "/samples/sample/" + name));
  }
  use_help_project("sample.hpj");
}

std::vector<std::string> AnalysisFixture::transcript_lines(std::string_view prefix) {
  std::vector<std::string> lines;
  for (const std::string& line : ui().transcript())
    if (line.compare(0, prefix.size(), prefix) == 0) lines.push_back(line);
  return lines;
}

}  // namespace tw_test
