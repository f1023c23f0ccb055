// Wizard projects (.lfc): every setting read from a damaged file, then
// saved back into it.
#include "fuzz/fuzz_support.h"
#include "platform/profile.h"
#include "wizard/head_code.h"
#include "wizard/nav_buttons.h"
#include "wizard/project_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuzz::InputScope scope;  // the profile cache starts empty for each input
  const char* project = "c:\\pubs\\fuzz.lfc";
  fuzz::put_file("pubs/fuzz.lfc", fuzz::as_text(data, size));
  const wizard::ProjectSettings settings = wizard::read_project_settings(project);
  wizard::read_head_code(project);
  wizard::read_buttons(project);
  wizard::write_project_settings(settings, project);
  wizard::read_project_settings(project);
  return 0;
}
