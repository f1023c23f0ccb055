#include "host/contents_flow.h"

#include <cstdio>

#include "host/export_call.h"
#include "host/flows.h"
#include "host/user_paths.h"
#include "platform/files.h"
#include "platform/ui/host.h"

namespace host {
namespace {

// The buffer GetContentsPath fills.
constexpr size_t kContentsPathRoom = 260;

std::string open_script(const std::string& project) {
  return "dialog 21000\nclick 1\ndialog DLG_START\nclick 102\nfile " + project + "\n";
}

// Each entry goes after the last one: with nothing selected the editor adds
// after the last entry. The headless screen takes the large layout.
bool editor_script(const std::vector<std::string>& args, std::string& script) {
  script = "dialog DLG_CNT_B\n";
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg.find_first_of("\r\n") != std::string::npos) {
      std::fprintf(stderr, "twhost contents: an entry may not hold a line break\n");
      return false;
    }
    script += "select# 102 -1\n";
    if (arg.rfind("book:", 0) == 0 && arg.size() > 5) {
      script += "set 104 " + arg.substr(5) + "\nclick 106\n";
    } else if (arg.rfind("topic:", 0) == 0 && arg.size() > 6) {
      script += "select# 101 -1\nselect 101 " + arg.substr(6) + "\nclick 108\n";
    } else {
      std::fprintf(stderr, "twhost contents: '%s' is neither book:TITLE nor topic:TITLE\n", arg.c_str());
      return false;
    }
  }
  script += "click 1\n";
  return true;
}

int print_contents(const Libraries& libs) {
  auto get_path = TW_EXPORT_FUNCTION(libs, GetContentsPath);
  if (!get_path) {
    std::fprintf(stderr, "twhost contents: the authoring library has no GetContentsPath\n");
    return kExitFailure;
  }
  char path[kContentsPathRoom] = "";
  get_path(path);
  if (path[0] == '\0') {
    std::printf("the project has no contents file\n");
    return kExitSuccess;
  }
  const auto text = platform::read_file(path);
  if (!text) {
    std::fprintf(stderr, "twhost contents: cannot read %s\n", shown_path(path).c_str());
    return kExitFailure;
  }
  std::printf("contents of %s:\n", shown_path(path).c_str());
  std::fwrite(text->data(), 1, text->size(), stdout);
  return kExitSuccess;
}

}  // namespace

int run_contents(const Libraries& libs, ScriptSession& script, const std::vector<std::string>& args) {
  std::string path;
  if (args.empty() || !project_argument("contents", args[0], path)) return kExitFailure;
  std::string editor;
  if (!editor_script(args, editor)) return kExitUsage;
  script.queue(open_script(path));
  if (run_start(libs) != kExitSuccess) return kExitFailure;
  if (args.size() > 1) {
    auto edit = TW_EXPORT_FUNCTION(libs, EditContents);
    if (!edit) {
      std::fprintf(stderr, "twhost contents: the authoring library has no EditContents\n");
      return kExitFailure;
    }
    script.queue(editor);
    std::printf("EditContents -> %d\n", edit(ui::host().main_window(), 0));
  }
  return print_contents(libs);
}

}  // namespace host
