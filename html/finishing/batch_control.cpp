#include "html/finishing/batch_control.h"

#include <algorithm>

#include "html/driver/conversion_run.h"
#include "html/splitter/html_registration.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/profile.h"
#include "platform/text.h"
#include "wizard/converter_settings.h"

namespace html {

namespace {

constexpr int kValueRoom = 256;

bool is_pattern(std::string_view entry) { return entry.find_first_of("*?") != std::string_view::npos; }

std::vector<std::string> convert_entries(const std::string& batch_file) {
  std::vector<std::string> entries;
  for (int i = 0;; ++i) {
    std::string value;
    // A missing number ends the list; an empty value is still an entry.
    if (platform::get_profile_string("convert", std::to_string(i), "\x01", value, kValueRoom, batch_file) == 1 &&
        value == "\x01")
      break;
    entries.push_back(std::string(text::trim(value)));
  }
  return entries;
}

// The current conversion project, for this library and for the converter
// that drives the batch.
void make_current(const ConversionRun& run, const std::string& project) {
  wizard::write_converter_project(project, run.settings.files.converter);
  platform::write_profile_string("Project", "proj", project, run.settings.files.library);
}

void restart_registration(ConversionRun& run) {
  run.page_list.clear();
  add_html_file(run, "INIT", "");
}

// A document's own project in the output folder, copied from the batch's
// template with the document as its only file.
bool prepare_document_project(const BatchWork& work, const std::string& item, std::string& project) {
  std::string name(platform::file_name_of(item));
  std::string stem = platform::extension_of(name).empty() ? name : platform::replace_extension(name, "");
  if (!stem.empty() && stem.back() == '.') stem.pop_back();
  project = work.output + stem + ".lfc";
  if (!platform::is_within(project, work.template_project) &&
      !platform::copy_file(work.template_project, project))
    return false;
  platform::write_profile_string(std::nullopt, std::nullopt, std::nullopt, project);
  platform::ProfileBatch batch(project);
  platform::write_profile_string("Files", std::nullopt, std::nullopt, project);
  platform::write_profile_string("HTML", std::nullopt, std::nullopt, project);
  platform::write_profile_string("Files", "file 0", item, project);
  platform::write_profile_string("Files", "name 0", name, project);
  return batch.commit();
}

int start_batch(ConversionRun& run) {
  wizard::ConverterSettings converter = wizard::read_converter_settings(run.settings.files.converter);
  bool temporary = converter.uset == 1;
  std::string file = temporary ? converter.tbatchfile : converter.batchfile;
  run.batch = BatchWork{};
  if (file.empty()) return 0;
  BatchWork& work = run.batch;
  work.template_project = platform::get_profile_string("Settings", "project", "", kValueRoom, file);
  if (work.template_project.empty()) work.template_project = converter.project;
  work.output = platform::get_profile_string("Settings", "output", "", kValueRoom, file);
  if (!work.output.empty() && !platform::is_separator(work.output.back())) work.output += '\\';
  work.type = platform::get_profile_int("Settings", "type", 0, file);
  work.items = expand_batch_entries(convert_entries(file));
  if (!work.items.empty()) return 1;
  if (temporary) platform::remove_file(file);
  return 0;
}

int take_next(ConversionRun& run) {
  BatchWork& work = run.batch;
  if (work.next >= work.items.size()) {
    run.batch = BatchWork{};
    return 0;
  }
  std::string item = work.items[work.next++];
  if (item.find('.') == std::string::npos) {
    run.batch = BatchWork{};
    return 0;
  }
  std::string project = item;
  if (work.type != 1 && !prepare_document_project(work, item, project)) {
    run.batch = BatchWork{};
    return 0;
  }
  make_current(run, project);
  restart_registration(run);
  return 1;
}

}  // namespace

std::vector<std::string> expand_batch_entries(const std::vector<std::string>& entries) {
  std::vector<std::string> items;
  auto add_once = [&items](const std::string& item) {
    bool known = std::any_of(items.begin(), items.end(),
                             [&](const std::string& i) { return text::iequals(i, item); });
    if (!known) items.push_back(item);
  };
  for (const std::string& entry : entries) {
    if (!is_pattern(entry)) {
      items.push_back(entry);
      continue;
    }
    std::string folder(platform::directory_of(entry));
    std::vector<std::string> names = platform::find_files(entry);
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) add_once(folder.empty() ? name : platform::join_path(folder, name));
  }
  return items;
}

int batch_control(ConversionRun& run, bool start) { return start ? start_batch(run) : take_next(run); }

}  // namespace html
