// Project data files (.twz): a file that reads is written again and must
// read again with the same topics, so that a save never loses what a load
// accepted.
#include <cstdlib>

#include "fuzz/fuzz_support.h"
#include "project/files/data_file_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  project::ProjectData read;
  project::reset_project_data(read);
  project::DataFileExtras extras;
  auto result = project::parse_data_file(fuzz::as_text(data, size), read, extras);
  if (result.status != project::DataReadStatus::ok) return 0;

  core::TopicFileList files;
  for (const auto& name : extras.topic_files) files.add(name);
  const std::string written = project::render_data_file(read, files, extras.compiler_kind);
  project::ProjectData again;
  project::reset_project_data(again);
  project::DataFileExtras again_extras;
  result = project::parse_data_file(written, again, again_extras);
  if (result.status != project::DataReadStatus::ok) std::abort();
  if (again.topics.count() != read.topics.count()) std::abort();
  if (again_extras.topic_files != extras.topic_files) std::abort();
  return 0;
}
