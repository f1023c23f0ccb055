#include "host/desktop_flow.h"

#include <algorithm>
#include <cstdio>
#include <functional>

#include "host/build_flow.h"
#include "host/contents_flow.h"
#include "host/editor_flows.h"
#include "host/flows.h"
#include "host/keyword_flow.h"
#include "host/outline_flow.h"
#include "host/publish_flow.h"
#include "host/report_flow.h"
#include "host/user_paths.h"
#include "formats/hpj_text.h"
#include "platform/files.h"
#include "platform/output_capture.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/ui/host.h"
#include "platform/ui/main_window.h"

namespace host {
namespace {

// The window's state: the project its commands work on and the topic file
// chosen as the current document, both as typed or as the project names them.
struct Desktop {
  const Libraries& libs;
  ScriptSession& script;
  std::string project;
  std::string document;
};

using Work = std::function<int(Desktop&)>;

// A command on the chosen project: what the flow printed, and its exit code
// when the work failed.
std::function<std::string()> on_project(Desktop& d, Work work) {
  return [&d, work] {
    if (d.project.empty()) return std::string("Choose a project first (Project > Open Project).");
    int code = 0;
    std::string said = platform::capture_output([&] { code = work(d); });
    if (code != kExitSuccess) said += "(exit status " + std::to_string(code) + ")\n";
    return said;
  };
}

std::string choose_project(Desktop& d) {
  ui::FileDialogRequest request;
  request.filter = "*.hpj";
  request.title = "Open Project";
  std::optional<std::string> chosen = ui::host().file_dialog(ui::host().main_window(), request);
  if (!chosen) return {};
  d.project = *chosen;
  return "project: " + d.project + "\n";
}

// The folder beside the project that "Publish" writes into.
std::string site_folder(const std::string& project) {
  std::string folder(platform::directory_of(project));
  return (folder.empty() ? std::string() : folder + "/") + "html";
}

std::string choose_document(Desktop& d, const std::string& document) {
  d.document = document;
  return "document: " + d.document + "\n";
}

std::string open_document(const Desktop& d) {
  if (d.document.empty()) return "Choose a document first (Document > one of the project's topic files).";
  return open_in_word_processor(d.document);
}

std::vector<ui::MenuCommand> menus(Desktop& d) {
  const auto flow = [&d](int (*run)(const Libraries&, ScriptSession&, const std::vector<std::string>&),
                         std::vector<std::string> extra) {
    return on_project(d, [run, extra](Desktop& s) {
      std::vector<std::string> args{s.project};
      args.insert(args.end(), extra.begin(), extra.end());
      return run(s.libs, s.script, args);
    });
  };
  std::vector<ui::MenuCommand> commands = {
      {"&Project", "&Start (open or create a project)",
       [&d] { return platform::capture_output([&] { run_start(d.libs); }); }},
      {"&Project", "&Open Project...", [&d] { return choose_project(d); }},
      {"&Project", "Project &Files", on_project(d, [](Desktop& s) { return run_sample(s.libs, s.script, s.project); })},
      {"&Document", "Open in &Word Processor", [&d] { return open_document(d); }},
      {"&Links", "&Macros...", flow(run_macros, {})},
      {"&Links", "&Buttons...", flow(run_buttons, {})},
      {"&Links", "&Windows...", flow(run_windows, {})},
      {"&Build", "&Compile", on_project(d, [](Desktop& s) { return run_build(s.libs, s.project); })},
      {"&Build", "Topic &Report", on_project(d, [](Desktop& s) { return run_report(s.libs, s.script, s.project); })},
      {"&Build", "&Keyword Indexes", on_project(d, [](Desktop& s) { return run_keywords(s.libs, s.script, s.project); })},
      {"&Build", "&Distribution Index", flow(run_distribute, {})},
      {"&Contents", "&Contents File", flow(run_contents, {})},
      {"&Contents", "&Outline Editor...", flow(run_outline, {"--edit"})},
      {"P&ublish", "Publish as &HTML", on_project(d, [](Desktop& s) {
         return run_publish(s.libs, {s.project, "--out", site_folder(s.project)});
       })},
  };
  // The Document menu lists the topic files of the project given at start.
  int number = 0;
  for (const std::string& file : project_topic_files(d.project)) {
    const std::string label = "&" + std::to_string(++number % 10) + " " + std::string(platform::file_name_of(file));
    commands.insert(commands.begin() + 3 + number - 1,
                    {"&Document", label, [&d, file] { return choose_document(d, file); }});
  }
  return commands;
}

}  // namespace

std::string open_in_word_processor(const std::string& document) {
  if (platform::shell_open(document) > 32) return "opened " + document + "\n";
  return "Cannot open " + document + ": it is missing, or the desktop has no program for it (xdg-open).\n";
}

std::vector<std::string> project_topic_files(const std::string& project) {
  std::vector<std::string> files;
  if (project.empty()) return files;
  const std::optional<std::string> bytes = platform::read_file(project);
  if (!bytes) return files;
  const std::string folder(platform::directory_of(project));
  for (const std::string& entry : formats::HpjText(*bytes).section_entries("FILES")) {
    std::string path = entry;
    if (platform::has_drive(entry)) {
      path = platform::to_host_path(entry);
    } else {
      std::replace(path.begin(), path.end(), '\\', '/');
      if (!platform::is_absolute(path) && !folder.empty()) path = folder + "/" + path;
    }
    files.push_back(path);
  }
  return files;
}

int run_desktop(const Libraries& libs, ScriptSession& script, const std::vector<std::string>& args) {
  Desktop desktop{libs, script, args.empty() ? std::string() : args[0], {}};
  const std::string title = desktop.project.empty() ? "Tarvenwick" : "Tarvenwick - " + desktop.project;
  if (!ui::run_main_window(title, menus(desktop))) {
    std::fprintf(stderr, "twhost desktop: there is no desktop to show the window on (a display and the GUI module)\n");
    return kExitFailure;
  }
  return kExitSuccess;
}

}  // namespace host
