// The caller's side of an HTML conversion up to the split: a wizard project
// for the output folder, the marker files, their HTML export, registration.
#pragma once
#include <string>
#include <vector>

#include "host/libraries.h"
#include "host/progress.h"

namespace host {

// A conversion's command line: PROJECT.hpj --out DIR [--template NAME.lfc]
// [--keep-intermediates]; the paths as typed.
struct ConvertRequest {
  std::string project;
  std::string out_dir;
  std::string template_name = "modern.lfc";
  bool keep_intermediates = false;
};

// What a conversion produced, for the flows that go on from it.
struct ConvertResult {
  std::vector<std::string> marker_files;  // system paths, beside the topic files
  std::vector<std::string> html_files;    // system paths, in registration order
  bool all_topic_files_found = true;
};

// Reads a conversion's arguments; false with error naming what is wrong.
bool parse_convert_request(const std::vector<std::string>& args, ConvertRequest& request,
                           std::string& error);
// Checks the project, the template and the output folder before anything is
// written; prints the message and returns the exit code when one is wrong,
// else 0 with the system paths set.
int check_convert_request(const std::string& flow, const ConvertRequest& request,
                          std::string& hpj, std::string& out_dir, std::string& lfc_template);
// Both of the above for a flow's arguments: 0 with the request read and the
// system paths set, else the exit code after the message.
int read_convert_request(const std::string& flow, const std::vector<std::string>& args,
                         ConvertRequest& request, std::string& hpj, std::string& out_dir,
                         std::string& lfc_template);

// A flow's hold on its output folder: prepare_wizard_project names the
// folder, and the end of the flow lets it go, so that a later run in the same
// process looks at the folder afresh.
class OutputFolderRun {
 public:
  OutputFolderRun() = default;
  ~OutputFolderRun();
  OutputFolderRun(const OutputFolderRun&) = delete;
  OutputFolderRun& operator=(const OutputFolderRun&) = delete;
};

// Points the settings at the help project and at a wizard project in the
// output folder (made from the template file when it has none yet).
bool prepare_wizard_project(const std::string& hpj, const std::string& out_dir,
                            const std::string& template_file, std::string& error);
// The conversion itself; false with error set when it cannot go on.
bool convert_project(const Libraries& libs, const std::string& hpj, const std::string& out_dir,
                     Progress& progress, ConvertResult& result, std::string& error);
// Removes the marker files the conversion left beside the topic files.
void remove_intermediates(const ConvertResult& result);

// twhost convert PROJECT.hpj --out DIR ...
int run_convert(const Libraries& libs, const std::vector<std::string>& args);

}  // namespace host
