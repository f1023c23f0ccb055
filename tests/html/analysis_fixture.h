// A conversion project in a temporary root: the wizard's settings name a
// project file whose help project lies in c:\proj.
#pragma once
#include <string>
#include <string_view>

#include "html/driver/conversion_run.h"
#include "support/test_support.h"

namespace tw_test {

class AnalysisFixture : public Fixture {
 protected:
  // The wizard names c:\proj\conv.lfc, whose help project is c:\proj\NAME.
  void use_help_project(std::string_view hpj_name);
  // Copies the bundled sample project into c:\proj and uses it.
  void use_sample_project();
  // A file of the project folder (host path).
  std::string proj_file(std::string_view name) const { return file("proj/" + std::string(name)); }
  void write_proj_file(std::string_view name, std::string_view bytes) {
    write_file(proj_file(name), bytes);
  }
  // The transcript lines that start with prefix.
  std::vector<std::string> transcript_lines(std::string_view prefix);

  html::ConversionRun run;
};

}  // namespace tw_test
