#include "formats/document_wizard.h"

#include <string>

#include "platform/files.h"
#include "platform/paths.h"

namespace formats {

namespace {

constexpr int kDoNothing = -2;

std::string in_folder(std::string_view folder, std::string_view name) {
  return folder.empty() ? std::string(name) : platform::join_path(folder, name);
}

}  // namespace

int prepare_document_wizard(std::string_view main_directory, std::string_view path, int count) {
  if (count == kDoNothing) return 0;
  const std::string start_document = in_folder(platform::directory_of(path), "wiz_init.doc");
  if (!platform::file_exists(start_document)) {
    platform::copy_file(in_folder(main_directory, "wiz_init.mst"), start_document);
  }
  return 1;
}

std::int32_t init_document_wizard(ui::ProgressCounter& progress, std::string_view main_directory,
                                  std::string_view path, std::int32_t count) {
  if (prepare_document_wizard(main_directory, path, count) == 0) return 0;
  progress.reset(count);
  return 1;
}

std::int32_t init_wizard_progress(ui::ProgressCounter& progress, std::int32_t maximum) {
  progress.reset(maximum);
  return 1;
}

}  // namespace formats
