#include "host/report_flow.h"

#include <cstdio>

#include "host/export_call.h"
#include "host/flows.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/ui/host.h"

namespace host {
namespace {

using WindowTextFn = int32_t (*)(int32_t, char*);

// The script of what the user does: close the About box, open the project
// from the start dialog, accept the report's default options.
std::string report_script(const std::string& project) {
  return "dialog 21000\nclick 1\ndialog DLG_START\nclick 102\nfile " + project +
         "\ndialog DLG_REPORT\nclick 1\n";
}

}  // namespace

int run_report(const Libraries& libs, const std::string& project) {
  std::string path = argument_path(project);
  if (!platform::file_exists(path)) {
    std::fprintf(stderr, "twhost report: no project file %s\n", project.c_str());
    return 1;
  }
  auto gen_report = reinterpret_cast<WindowTextFn>(find_export(libs, "GenReport"));
  if (!gen_report) {
    std::fprintf(stderr, "twhost report: the authoring library has no GenReport\n");
    return 1;
  }
  if (auto* headless = ui::headless()) headless->queue_script(report_script(path));
  if (run_start(libs) != 0) return 1;
  char report[kTextBufferSize] = "";
  int32_t result = gen_report(ui::host().main_window(), report);
  std::printf("GenReport -> %d\n", result);
  if (result == 0) return 1;
  std::printf("report: %s\n", report);
  auto text = platform::read_file(report);
  if (!text) {
    std::fprintf(stderr, "twhost report: cannot read %s\n", report);
    return 1;
  }
  std::fwrite(text->data(), 1, text->size(), stdout);
  return 0;
}

}  // namespace host
