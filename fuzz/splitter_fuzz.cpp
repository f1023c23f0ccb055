// The page splitter and page writer on the word processor's HTML: an
// exported file split into topic pages, and each page then written.
#include <filesystem>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "html/driver/conversion_run.h"
#include "html/splitter/html_registration.h"
#include "html/pages/page_writer.h"
#include "platform/files.h"
#include "platform/profile.h"

namespace {

void use_help_project() {
  static const bool done = [] {
    platform::write_profile_string("Project", "proj", "c:\\proj\\conv.lfc", "twzhtml.ini");
    platform::write_profile_string("TWHTML", "hpj", "c:\\proj\\fuzz.hpj", "c:\\proj\\conv.lfc");
    return true;
  }();
  (void)done;
}

// The input's pages go at its end; the project file and the input's file
// stay. They go through the platform, whose listing of the folder then
// follows the change: the next input starts from the same listing, and
// this one frees what it added to it.
void clear_pages() {
  std::error_code ec;
  std::vector<std::string> pages;
  for (const auto& entry : std::filesystem::directory_iterator(fuzz::in_root("proj"), ec)) {
    const std::string name = entry.path().filename().string();
    if (name != "conv.lfc" && name != "t.htm") pages.push_back(entry.path().string());
  }
  for (const std::string& page : pages) platform::remove_file(page);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The settings and the project file read the same after every input.
  const fuzz::InputScope scope(fuzz::ProfileCache::kept);
  std::filesystem::create_directories(fuzz::in_root("proj"));
  use_help_project();
  fuzz::put_file("proj/t.htm", fuzz::as_text(data, size));

  html::ConversionRun run;
  html::add_html_file(run, "INIT", "");
  html::add_html_file(run, "c:\\proj\\t.htm", "T");
  html::prepare_page_split(run);
  html::split_registered_files(run);

  run.settings.location.project_file = "c:\\proj\\conv.lfc";
  run.settings.derived.output_directory = "c:\\proj";
  html::prepare_page_writing(run);
  const std::size_t pages = run.page_list.in_order().size();
  for (std::size_t i = 0; i < pages && i < 64; ++i) html::write_topic_page(run, i);
  clear_pages();
  return 0;
}
