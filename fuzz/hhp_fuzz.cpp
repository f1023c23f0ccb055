// HTML Help projects (.hhp) an author edited, rewritten by a rebuild: the
// options kept, the page list and map sections replaced; and the context map
// header copied beside them.
#include <string>

#include "fuzz/fuzz_support.h"
#include "html/driver/conversion_run.h"
#include "html/finishing/html_help_project.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes = fuzz::as_text(data, size);
  const fuzz::InputScope scope;
  fuzz::put_file("out/guide.hhp", bytes);
  fuzz::put_file("help/guide.h", bytes);
  html::ConversionRun run;
  run.settings.location.project_file = "c:\\out\\guide.lfc";
  run.settings.derived.output_directory = "c:\\out";
  run.project.hpj_path = "c:\\help\\guide.hpj";
  run.project.map_file = "guide.h";
  run.page_list.add("c:\\out\\intro.htm", "Intro");
  run.context_map.add("intro.htm#IDH_INTRO#%");
  html::write_html_help_project(run);
  html::without_sections(bytes, {"FILES", "ALIAS", "MAP"});
  return 0;
}
