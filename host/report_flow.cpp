#include "host/report_flow.h"

#include <cstdio>

#include "host/export_call.h"
#include "host/flows.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/ui/host.h"

namespace host {
namespace {

// The script of what the user does: close the About box, open the project
// from the start dialog, accept the report's default options.
std::string report_script(const std::string& project) {
  return "dialog 21000\nclick 1\ndialog DLG_START\nclick 102\nfile " + project +
         "\ndialog DLG_REPORT\nclick 1\n";
}

}  // namespace

int run_report(const Libraries& libs, ScriptSession& script, const std::string& project) {
  std::string path;
  if (!project_argument("report", project, path)) return kExitFailure;
  auto gen_report = TW_EXPORT_FUNCTION(libs, GenReport);
  if (!gen_report) {
    std::fprintf(stderr, "twhost report: the authoring library has no GenReport\n");
    return 1;
  }
  script.queue(report_script(path));
  if (run_start(libs) != 0) return 1;
  char report[kTextBufferSize] = "";
  int32_t result = gen_report(ui::host().main_window(), report);
  std::printf("GenReport -> %d\n", result);
  if (result == 0) return 1;
  std::printf("report: %s\n", shown_path(report).c_str());
  auto text = platform::read_file(report);
  if (!text) {
    std::fprintf(stderr, "twhost report: cannot read %s\n", shown_path(report).c_str());
    return 1;
  }
  std::fwrite(text->data(), 1, text->size(), stdout);
  return 0;
}

}  // namespace host
