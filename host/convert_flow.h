// The caller's side of an HTML conversion up to the split: a wizard project
// for the output folder, the marker files, their HTML export, registration.
#pragma once
#include <string>
#include <vector>

#include "host/libraries.h"

namespace host {

// What a conversion produced, for the flows that go on from it.
struct ConvertResult {
  int marker_files = 0;
  std::vector<std::string> html_files;  // host paths, in registration order
  bool all_topic_files_found = true;
};

// Points the settings at the help project and at a wizard project in the
// output folder (made from the named template when it has none yet).
bool prepare_wizard_project(const std::string& hpj, const std::string& out_dir,
                            const std::string& template_name, std::string& error);
// twhost convert PROJECT.hpj --out DIR
int run_convert(const Libraries& libs, const std::vector<std::string>& args);
// The conversion itself; false with error set when it cannot go on.
bool convert_project(const Libraries& libs, const std::string& hpj, const std::string& out_dir,
                     ConvertResult& result, std::string& error);

// Reads "PROJECT.hpj --out DIR [--template NAME]" from a flow's arguments.
bool parse_project_and_output(const std::vector<std::string>& args, std::string& hpj,
                              std::string& out_dir, std::string& template_name);

}  // namespace host
