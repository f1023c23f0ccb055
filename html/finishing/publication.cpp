#include "html/finishing/publication.h"

#include "formats/profile_key_names.h"
#include "html/driver/conversion_run.h"
#include "html/driver/messages.h"
#include "html/finishing/html_help_project.h"
#include "html/finishing/location_checks.h"
#include "html/framing/run_pages.h"
#include "html/index/cnt_toc.h"
#include "platform/browser_launch.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/outside_program.h"
#include "platform/process.h"
#include "platform/profile.h"
#include "platform/text.h"

namespace html {

namespace {

constexpr std::string_view kFileUrl = " >file:///";

// The help project's option file, where the authoring library's Run HTML
// command finds what to run. That library makes the file when it opens the
// project; a project it never opened gets none from a conversion.
void store_run_html(const ConversionRun& run, std::string_view command) {
  const std::string& hpj = run.settings.authoring.project;
  if (hpj.empty()) return;
  std::string options = platform::replace_extension(hpj, ".opt");
  if (!platform::file_exists(options)) return;
  platform::write_profile_string("Settings", "runhtml", command, options);
}

std::string installation_program(const ConversionRun& run, std::string_view name) {
  const std::string& main_dir = run.settings.library.locations.main_dir;
  return main_dir.empty() ? std::string(name) : platform::join_path(main_dir, name);
}

std::string browser_path(const wizard::BrowserSettings& b, int number) {
  return number == 2 ? b.path2 : number == 3 ? b.path3 : b.path1;
}

void write_browser(const std::string& file, const wizard::BrowserSettings& b) {
  platform::ProfileBatch batch(file);
  const std::pair<std::string_view, const std::string*> keys[] = {
      {"path1", &b.path1},   {"short1", &b.short1}, {"title1", &b.title1},
      {"path2", &b.path2},   {"short2", &b.short2}, {"title2", &b.title2}};
  for (const auto& [key, value] : keys) {
    if (!value->empty()) platform::write_profile_string(profile_keys::kBrowserSection, key, *value, file);
  }
  platform::write_profile_string(profile_keys::kBrowserSection, "flip", std::to_string(b.flip), file);
}

}  // namespace

std::string start_page_path(const ConversionRun& run) {
  const wizard::ConversionState& s = run.settings;
  if (s.project.settings.frm.in_frame != 0) return frameset_path(run);
  const std::string& out = s.derived.output_directory;
  if (s.project.htmlhelp.use_nethelp != 0) return platform::join_path(out, kNetHelpStart);
  if (run.page_list.size() == 1) return run.page_list.at(0).path;
  if (run.page_list.size() == 0 && !s.library.browser.target.empty()) {
    // RunBrowser in a later session: the page the last conversion opened.
    std::string path = s.library.browser.target;
    if (path.size() > 1 && path[1] == '|') path[1] = ':';
    for (char& c : path) c = c == '/' ? '\\' : c;
    return path;
  }
  if (run.publish.toc_from_cnt) return cnt_toc_path(run);
  return platform::join_path(out, run.home_page);
}

std::string target_of(std::string_view path) {
  std::string target(path);
  std::size_t colon = target.find(':');
  if (colon != std::string::npos) target[colon] = '|';
  for (char& c : target) c = c == '\\' ? '/' : c;
  return target;
}

std::string browser_program(std::string_view command) {
  std::string program = text::to_lower(text::trim(command));
  if (!program.empty() && program[0] == '"') program.erase(0, 1);
  std::size_t exe = program.find(".exe");
  if (exe != std::string::npos) return program.substr(0, exe + 4);
  std::size_t end = program.find_first_of("\" ");
  return program.substr(0, end);
}

void detect_default_browser(wizard::BrowserSettings& b) {
  std::string command = b.shell.empty() ? platform::default_browser_command() : b.shell;
  std::string program = browser_program(command);
  if (program.empty()) return;
  b.path1 = b.short1 = program;
  std::string other;
  if (program.find("netscape") != std::string::npos) {
    b.title1 = "Netscape Navigator";
    other = b.iexplore;
    b.title2 = "MS Internet Explorer";
  } else if (program.find("iexplore") != std::string::npos) {
    b.title1 = "MS Internet Explorer";
    other = b.netscape;
    b.title2 = "Netscape Navigator";
  }
  if (!other.empty()) {
    b.path2 = b.short2 = other;
    b.flip = 1;
  } else {
    b.title2.clear();
  }
}

int compile_html_help(ConversionRun& run) {
  wizard::Locations& where = run.settings.library.locations;
  const std::string& settings_file = run.settings.files.library;
  if (where.comp_msg == 0) {
    show_message(resource_string(kStrCompileNotice));
    where.comp_msg = 1;
    platform::write_profile_string(profile_keys::kLocationsSection, profile_keys::kCompilerNotice, "1",
                                   settings_file);
  }
  std::string hhp = html_help_project_path(run);
  std::string command = platform::quote_argument(where.compiler) + " " + platform::quote_argument(hhp);
  // The compiler writes beside the project: it runs in the project's folder.
  platform::StartResult started =
      platform::start_outside_program(command, platform::kShowNormal, platform::directory_of(hhp));
  run.publish.compiler_process = started.process_id;
  run.publish.compiled_file = compiled_file_path(run);
  store_run_html(run, run.publish.compiled_file);
  return started.code;
}

int open_publication(ConversionRun& run, bool forced) {
  wizard::BrowserSettings& b = run.settings.library.browser;
  const std::string& settings_file = run.settings.files.library;
  if (b.def < 1 || b.def > 3) b.def = 1;
  if (browser_path(b, b.def).empty()) {
    detect_default_browser(b);
    if (!b.path1.empty()) write_browser(settings_file, b);
  }
  b.target = target_of(start_page_path(run));
  platform::write_profile_string(profile_keys::kBrowserSection, "target", b.target, settings_file);
  std::string command =
      platform::quote_argument(installation_program(run, kBrowserLauncher)) + std::string(kFileUrl) + b.target;
  store_run_html(run, command);
  if (b.run != 1 && !forced) return platform::kExecSuccess;
  int code = platform::win_exec(command, platform::kShowMaximized);
  // The switching tool's own window would say it is running; no such window
  // is seen here, so it is started whenever it is asked for.
  if (b.flip == 1)
    platform::win_exec(platform::quote_argument(installation_program(run, kBrowserFlipTool)), platform::kShowNormal);
  return code;
}

int finish_publication(ConversionRun& run, bool forced) {
  if (run.settings.project.htmlhelp.use_htmlhelp != 0) return compile_html_help(run);
  return open_publication(run, forced);
}

}  // namespace html
