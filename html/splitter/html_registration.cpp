#include "html/splitter/html_registration.h"

#include "html/driver/conversion_run.h"
#include "html/splitter/topic_splitter.h"
#include "platform/profile.h"
#include "platform/text.h"

namespace html {

namespace {

// The project file the registration goes to (lfcqwk.ini in quick mode).
std::string registration_file(const wizard::SettingsFiles& files) {
  return wizard::locate_project(wizard::read_library_settings(files.library),
                                wizard::read_converter_settings(files.converter), files)
      .project_file;
}

// A title as one profile value: a line break would end the value early.
std::string one_line(std::string_view title) {
  std::string out = page_title(title);
  for (char& c : out)
    if (c == '\n' || c == '\r') c = ' ';
  return out;
}

void load_registered_pages(ConversionRun& run) {
  const std::string& project = run.settings.location.project_file;
  for (int i = 0;; ++i) {
    std::string value = platform::get_profile_string("HTML", text::format("f%d", i), "",
                                                     kRegisteredValueCut + 1, project);
    std::size_t arrow = value.find('>');
    if (arrow == std::string::npos) break;
    run.page_list.add(value.substr(0, arrow), value.substr(arrow + 1));
  }
}

// A new registration ends the last run: its tables (pages, context and
// browse maps, index targets, contents) go, so that what a caller does next,
// such as checking the published links, has the memory. What the summary
// reports of the last run stays.
void release_last_run(ConversionRun& run) {
  run.page_list = PageList{};
  run.page_position = 0;
  run.context_map = ContextMap{};
  run.browse_map = BrowseMap{};
  run.translations = {};
  PublishState& last = run.publish;
  last.index = IndexEntries{};
  last.keyword_lines = {};
  last.contexts = ContextResolver{};
  last.names = PageNames{};
  last.local_toc.reset();
  last.contents_sidebar.reset();
  last.contents_outline.reset();
}

}  // namespace

int add_html_file(ConversionRun& run, std::string_view file, std::string_view title) {
  file = text::trim(file);
  if (text::iequals(file, kRegistrationReset)) {
    run.registered_files = 0;
    release_last_run(run);
    return 0;
  }
  std::string project = registration_file(run.settings.files);
  if (project.empty()) return 0;  // no project to register in
  const std::string key = text::format("f%d", run.registered_files);
  const std::string value = std::string(file) + ">" + one_line(title);
  if (run.registered_files == 0) {
    // The old list goes and the first page comes in one rewrite.
    platform::ProfileBatch batch(project);
    platform::write_profile_string("HTML", std::nullopt, std::nullopt, project);
    platform::write_profile_string("HTML", key, value, project);
    if (!batch.commit()) return 0;
  } else if (!platform::write_profile_string("HTML", key, value, project,
                                             platform::Durability::unflushed)) {
    // One key per page: the run's own output, not flushed to disk key by key.
    return 0;
  }
  ++run.registered_files;
  return 1;
}

void prepare_page_split(ConversionRun& run) {
  run.page_list.clear();
  run.page_position = 0;
  run.context_map.clear();
  run.browse_map.clear();
  run.has_keywords = false;
  run.splitting_first_file = true;
  run.home_anchor_taken = false;
  wizard::load_conversion_state(run.settings);
  read_project_hpj(run);  // the CONTENTS topic that may name the home page
  run.translations = read_translations(run.settings.location.project_file);
  const std::string& toc = run.settings.project.settings.tcfn;
  run.home_page = toc.empty() ? std::string(kDefaultHomePage) : toc;
  load_registered_pages(run);
}

int split_registered_files(ConversionRun& run) {
  int failures = 0;
  for (std::size_t position = 0; position < run.page_list.size();) {
    std::size_t before = run.page_list.size();
    run.page_position = position;
    if (split_topic_pages(run, run.page_list.at(position).path) == 0) ++failures;
    run.splitting_first_file = false;
    position += 1 + (run.page_list.size() - before);
  }
  return failures;
}

}  // namespace html
