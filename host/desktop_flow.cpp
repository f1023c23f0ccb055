#include "host/desktop_flow.h"

#include <cstdio>
#include <functional>

#include "host/desktop_build.h"
#include "host/desktop_links.h"
#include "host/desktop_topics.h"
#include "host/flows.h"
#include "host/publish_flow.h"
#include "host/user_paths.h"
#include "platform/output_capture.h"
#include "platform/paths.h"
#include "platform/process.h"

namespace host {
namespace {

using Work = std::function<int(Desktop&)>;

// What a piece of the window's work printed, and its exit code when it failed.
std::string said_by(Desktop& d, const Work& work) {
  int code = 0;
  std::string said = platform::capture_output([&] { code = work(d); });
  if (code != kExitSuccess) said += "(exit status " + std::to_string(code) + ")\n";
  return said;
}

// A command on the open project.
std::function<std::string()> on_project(Desktop& d, Work work) {
  return [&d, work] {
    if (d.project.empty()) return std::string("Open a project first (Project > Open Project...).");
    return said_by(d, work);
  };
}

// A command on the current document of the open project.
std::function<std::string()> on_document(Desktop& d, Work work) {
  return [&d, work] {
    if (d.project.empty()) return std::string("Open a project first (Project > Open Project...).");
    if (d.document.empty()) return std::string("Choose a document first (the Document menu).");
    return said_by(d, work);
  };
}

// A folder beside the project that a Publish command writes into.
std::string folder_beside(const std::string& project, const std::string& name) {
  const std::string host_project = platform::to_host_path(project);
  std::string folder(platform::directory_of(host_project));
  return (folder.empty() ? std::string() : folder + "/") + name;
}

// The site goes into html/; HTML Help gets its own folder so that its pages
// and sitemaps never mix with the site's, nor its .chm with stale pages.
int publish_site(Desktop& d) {
  return run_publish(d.libs, {platform::to_host_path(d.project), "--out", folder_beside(d.project, "html")});
}

int publish_html_help(Desktop& d) {
  return run_publish(d.libs, {platform::to_host_path(d.project), "--out", folder_beside(d.project, "htmlhelp"),
                              "--template", "htmlhelp.lfc"});
}

std::string choose_document(Desktop& d, const std::string& document) {
  d.document = document;
  return "document: " + shown_path(platform::to_system_path(d.document)) + "\n";
}

std::string open_document(const Desktop& d) {
  if (d.document.empty()) return "Choose a document first (the Document menu).";
  return open_in_word_processor(d.document);
}

std::vector<ui::MenuCommand> project_menu(Desktop& d) {
  return {
      {"&Project", "&Open Project...", [&d] { return said_by(d, choose_project); }},
      {"&Project", "&Start (open, create or a recent project)...", [&d] { return said_by(d, start_dialog); }},
      {"&Project", "Project &Options...", on_project(d, project_options)},
      {"&Project", "Project &Files", on_project(d, project_files)},
      {"&Project", "Save &All", on_project(d, save_all)},
  };
}

std::vector<ui::MenuCommand> document_menu(Desktop& d) {
  std::vector<ui::MenuCommand> commands = {
      {"&Document", "Open in &Word Processor", [&d] { return open_document(d); }}};
  int number = 0;
  for (const std::string& file : project_topic_files(platform::to_host_path(d.project))) {
    const std::string label = "&" + std::to_string(++number % 10) + " " + std::string(platform::file_name_of(file));
    commands.push_back({"&Document", label, [&d, file] { return choose_document(d, file); }, file == d.document});
  }
  return commands;
}

std::vector<ui::MenuCommand> authoring_menus(Desktop& d) {
  return {
      {"&Topic", "&Insert Topic...", on_document(d, insert_topic)},
      {"&Topic", "&Go to Topic...", on_document(d, go_to_topic)},
      {"&Topic", "G&roups and Browse Sequences...", on_document(d, edit_groups)},
      {"&Topic", "&Delete Topics...", on_document(d, delete_topics)},
      {"&Links", "&Jump...", on_document(d, [](Desktop& s) { return insert_jump(s, true); })},
      {"&Links", "&Pop-up...", on_document(d, [](Desktop& s) { return insert_jump(s, false); })},
      {"&Links", "&Keyword Jump...", on_document(d, insert_keyword_jump)},
      {"&Links", "&Macro...", on_document(d, insert_macro_hotspot)},
      {"&Links", "&Button...", on_document(d, insert_button)},
  };
}

std::vector<ui::MenuCommand> build_menus(Desktop& d) {
  return {
      {"&Build", "&Compile", on_project(d, compile)},
      {"&Build", "Compiler &Messages...", on_project(d, view_compiler_messages)},
      {"&Build", "Topic &Report...", on_project(d, topic_report)},
      {"&Build", "&Keyword Indexes", on_project(d, keyword_indexes)},
      {"&Build", "&Distribution Index...", on_project(d, distribution_index)},
      {"&Contents", "&Contents File...", on_project(d, edit_contents)},
      {"&Contents", "&Outline Editor...", on_project(d, edit_outline)},
      {"P&ublish", "Publish as &HTML", on_project(d, publish_site)},
      {"P&ublish", "Publish as HTML &Help", on_project(d, publish_html_help)},
  };
}

}  // namespace

std::string open_in_word_processor(const std::string& document) {
  if (platform::shell_open(document) > 32) return "opened " + document + "\n";
  return "Cannot open " + document + ": it is missing, or the desktop has no program for it (xdg-open).\n";
}

ui::MainWindowView desktop_view(Desktop& d) {
  ui::MainWindowView view;
  view.log = std::move(d.unshown);
  d.unshown.clear();
  view.title = d.project.empty() ? "Tarvenwick" : "Tarvenwick - " + shown_path(d.project);
  for (auto* menu : {project_menu, document_menu, authoring_menus, build_menus})
    for (ui::MenuCommand& command : menu(d)) view.commands.push_back(std::move(command));
  return view;
}

int run_desktop(const Libraries& libs, ScriptSession& script, const std::vector<std::string>& args) {
  if (!ui::has_main_window()) {
    std::fprintf(stderr, "twhost desktop: there is no desktop to show the window on (a display and the GUI module)\n");
    return kExitFailure;
  }
  Desktop desktop{libs, script, {}, {}, {}};
  desktop.unshown = said_by(desktop, [&args](Desktop& d) {
    start_desktop(d, args.empty() ? std::string() : args[0]);
    return kExitSuccess;
  });
  if (!ui::run_main_window([&desktop] { return desktop_view(desktop); })) {
    std::fprintf(stderr, "twhost desktop: a scripted run shows no window\n");
    return kExitFailure;
  }
  // The macros' last call: the topic data and settings are written.
  if (!desktop.project.empty()) save_all(desktop);
  return kExitSuccess;
}

}  // namespace host
