#include "host/editor_flows.h"

#include <cstdio>

#include "formats/hpj_text.h"
#include "host/export_call.h"
#include "host/flows.h"
#include "platform/files.h"
#include "platform/ui/host.h"

namespace host {
namespace {

// Close the About box and open the project from the start dialog.
std::string open_script(const std::string& project) {
  return "dialog 21000\nclick 1\ndialog DLG_START\nclick 102\nfile " + project + "\n";
}

// A script line's text: the rest of the line, so a line break would start
// another action.
bool one_line(const std::string& flow, const std::string& value) {
  if (value.find_first_of("\r\n") == std::string::npos) return true;
  std::fprintf(stderr, "twhost %s: a value may not hold a line break\n", flow.c_str());
  return false;
}

void print_section(const std::string& project, const char* section) {
  const formats::HpjText text(platform::read_file(project).value_or(""));
  std::printf("[%s] of %s:\n", section, shown_path(project).c_str());
  for (const std::string& line : text.section(section)) std::printf("%s\n", line.c_str());
}

// A window coordinate as the position dialog takes it: 0 to 1023.
bool unit_argument(const std::string& value) {
  if (value.empty() || value.size() > 4 || value.find_first_not_of("0123456789") != std::string::npos ||
      std::stoi(value) > 1023) {
    std::fprintf(stderr, "twhost windows: '%s' is no coordinate from 0 to 1023\n", value.c_str());
    return false;
  }
  return true;
}

// Opens the project, runs SetOptions with the editor's script and prints
// the start-up macros the project file holds afterwards.
int edit_project(const Libraries& libs, ScriptSession& script, const std::string& flow,
                 const std::string& path, const std::string& editor_script, const char* section = "CONFIG") {
  auto set_options = TW_EXPORT_FUNCTION(libs, SetOptions);
  if (!set_options) {
    std::fprintf(stderr, "twhost %s: the authoring library has no SetOptions\n", flow.c_str());
    return kExitFailure;
  }
  script.queue(open_script(path));
  if (run_start(libs) != kExitSuccess) return kExitFailure;
  script.queue(editor_script);
  const int32_t result = set_options(ui::host().main_window(), 0);
  std::printf("SetOptions -> %d\n", result);
  if (result == 0) return kExitFailure;
  print_section(path, section);
  return kExitSuccess;
}

}  // namespace

int run_macros(const Libraries& libs, ScriptSession& script, const std::vector<std::string>& args) {
  std::string path;
  if (args.empty() || !project_argument("macros", args[0], path)) return kExitFailure;
  std::string editor = "dialog DLG_PRJ\nclick 121\ndialog DLG_MACROS\n";
  for (size_t i = 1; i < args.size(); ++i) {
    if (!one_line("macros", args[i])) return kExitUsage;
    editor += "set 103 " + args[i] + "\nclick 105\n";
  }
  editor += "click 1\nclick 1\n";
  return edit_project(libs, script, "macros", path, editor);
}

int run_buttons(const Libraries& libs, ScriptSession& script, const std::vector<std::string>& args) {
  std::string path;
  if (args.empty() || !project_argument("buttons", args[0], path)) return kExitFailure;
  if ((args.size() - 1) % 3 != 0) {
    std::fprintf(stderr, "twhost buttons: give each button as ID CAPTION MACRO\n");
    return kExitUsage;
  }
  std::string editor = "dialog DLG_PRJ\nclick 120\ndialog DLG_BUTTONS\n";
  for (size_t i = 1; i + 2 < args.size(); i += 3) {
    for (size_t k = i; k < i + 3; ++k)
      if (!one_line("buttons", args[k])) return kExitUsage;
    editor += "click 103\ndialog DLG_NEW_BUTTON\nset 101 " + args[i + 1] + "\nset 102 " + args[i] +
              "\nclick 1\nclick 123\nclick 124\ndialog DLG_MACROS\nset 103 " + args[i + 2] +
              "\nclick 105\nclick 1\n";
  }
  editor += "click 1\nclick 1\n";
  return edit_project(libs, script, "buttons", path, editor);
}

int run_windows(const Libraries& libs, ScriptSession& script, const std::vector<std::string>& args) {
  std::string path;
  if (args.empty() || !project_argument("windows", args[0], path)) return kExitFailure;
  if ((args.size() - 1) % 6 != 0) {
    std::fprintf(stderr, "twhost windows: give each window as NAME CAPTION X Y WIDTH HEIGHT\n");
    return kExitUsage;
  }
  // Switching to the next window keeps the changes: the save question's
  // default answer is Yes.
  std::string editor = "dialog DLG_PRJ\nclick 122\ndialog DLG_WINED\n";
  for (size_t i = 1; i + 5 < args.size(); i += 6) {
    for (size_t k = i; k < i + 6; ++k)
      if (!one_line("windows", args[k])) return kExitUsage;
    for (size_t k = i + 2; k < i + 6; ++k)
      if (!unit_argument(args[k])) return kExitUsage;
    editor += "set 105 " + args[i] + "\nclick 104\nset 104 " + args[i + 1] + "\nclick 131\n" +
              "dialog DLG_WINPOS\nset 101 " + args[i + 2] + "\nset 102 " + args[i + 3] + "\nset 103 " +
              args[i + 4] + "\nset 104 " + args[i + 5] + "\nclick 1\n";
  }
  editor += "click 1\nclick 1\n";
  return edit_project(libs, script, "windows", path, editor, "WINDOWS");
}

}  // namespace host
