#include "host/publish_flow.h"

#include <chrono>
#include <cstdio>
#include <string_view>
#include <utility>
#include <vector>

#include "host/convert_flow.h"
#include "host/export_call.h"
#include "host/flows.h"
#include "host/link_check.h"
#include "host/publish_report.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/profile.h"
#include "platform/profile_pins.h"
#include "formats/profile_key_names.h"
#include "platform/terminal.h"
#include "platform/text.h"

namespace host {
namespace {

// Reads the "key=value" lines of the library's summary.
void read_summary(const std::string& summary, PublishResult& result) {
  for (const auto& line : text::split_lines(summary)) {
    auto eq = line.find('=');
    if (eq == std::string::npos) continue;
    std::string key = line.substr(0, eq), value = line.substr(eq + 1);
    if (key == "start") result.start_page = platform::to_host_path(value);
    else if (key == "pages") result.pages = static_cast<int>(text::parse_int(value));
    else if (key == "links") result.links = static_cast<int>(text::parse_int(value));
    else if (key == "unresolved") result.unresolved_jumps = static_cast<int>(text::parse_int(value));
    else if (key == "index") result.index_entries = static_cast<int>(text::parse_int(value));
    else if (key == "unknown") result.unknown_jumps.push_back(value);
    else if (key == "unknown_more") result.unknown_not_listed = static_cast<int>(text::parse_int(value));
    else if (key == "failed_files") result.failed_files = static_cast<int>(text::parse_int(value));
    else if (key == "compiler") result.compiler_process = static_cast<int>(text::parse_int(value));
    else if (key == "chm") result.compiled_file = platform::to_host_path(value);
    else if (key == "failed_pages") result.failed_pages = static_cast<int>(text::parse_int(value));
    else if (key == "pictures") result.pictures = static_cast<int>(text::parse_int(value));
    else if (key == "missing_pictures") result.missing_pictures = static_cast<int>(text::parse_int(value));
    else if (key == "failed_pictures") result.failed_pictures = static_cast<int>(text::parse_int(value));
  }
}

// With an HTML Help template: the HTML Help files ProcessFiles wrote beside
// the wizard project.
void find_html_help_files(const std::string& hpj, const std::string& out_dir, PublishResult& result) {
  std::string stem(platform::file_name_of(platform::replace_extension(hpj, "")));
  if (!stem.empty() && stem.back() == '.') stem.pop_back();
  std::string lfc = platform::join_path(out_dir, stem + ".lfc");
  result.html_help =
      platform::get_profile_int(profile_keys::kHtmlHelpSection, profile_keys::kUseHtmlHelp, 0, lfc) != 0;
  if (!result.html_help) return;
  for (const char* ext : {".hhp", ".hhc", ".hhk"}) {
    std::string file = platform::replace_extension(lfc, ext);
    if (platform::file_exists(file)) result.html_help_files.emplace_back(platform::file_name_of(file));
  }
}

// twhost compiles HTML Help with chmcmd unless the settings name a compiler
// that exists, shows no first-compile notice and never opens a browser: it
// reports the start page instead. These settings hold for the run only:
// they are pinned, never written, so the user's twzhtml.ini keeps its own
// values, and they go when the run ends.
class FinishingPins {
 public:
  FinishingPins() {
    using namespace profile_keys;
    const std::string compiler =
        platform::get_profile_string(kLocationsSection, kCompiler, "", 260, kConversionFile);
    if (compiler.empty() || !platform::file_exists(compiler)) {
      const std::string chmcmd = platform::find_program_path("chmcmd");
      if (!chmcmd.empty()) pin(kLocationsSection, kCompiler, platform::to_system_path(chmcmd));
    }
    pin(kLocationsSection, kCompilerNotice, "1");
    pin(kBrowserSection, kRunBrowser, "0");
  }
  ~FinishingPins() {
    for (const auto& [section, key] : pinned_) {
      platform::unpin_profile_string(section, key, profile_keys::kConversionFile);
    }
  }
  FinishingPins(const FinishingPins&) = delete;
  FinishingPins& operator=(const FinishingPins&) = delete;

 private:
  void pin(std::string_view section, std::string_view key, std::string_view value) {
    if (platform::pin_profile_string(section, key, value, profile_keys::kConversionFile)) {
      pinned_.emplace_back(section, key);
    }
  }

  std::vector<std::pair<std::string_view, std::string_view>> pinned_;
};

// The library does not wait for the HTML Help compiler; the report does.
void wait_for_compile(Progress& progress, PublishResult& result) {
  if (result.compiler_process <= 0) return;
  progress.stage("compiling " + std::string(platform::file_name_of(result.compiled_file)));
  result.compiler_status = platform::wait_for_process(result.compiler_process);
  result.chm_built = result.compiler_status == 0 && platform::file_exists(result.compiled_file);
}

std::int64_t now_seconds() {
  using namespace std::chrono;
  return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
}

// Files of the folder written since the run began.
std::vector<std::string> written_since(const std::string& folder, std::int64_t since) {
  std::vector<std::string> names;
  for (auto& file : platform::find_files_with_times(folder + "\\*")) {
    if (file.modified >= since) names.push_back(std::move(file.name));
  }
  return names;
}

}  // namespace

bool publish_project(const Libraries& libs, const std::string& hpj, const std::string& out_dir,
                     const std::string& template_file, Progress& progress, PublishResult& result,
                     std::string& error) {
  const std::int64_t started = now_seconds();
  if (!prepare_wizard_project(hpj, out_dir, template_file, error) ||
      !convert_project(libs, hpj, out_dir, progress, result.converted, error)) {
    return false;
  }
  auto process = TW_EXPORT_FUNCTION(libs, ProcessFiles);
  auto summary = TW_EXPORT_FUNCTION(libs, PublishSummary);
  if (!process || !summary) {
    error = "the conversion library lacks ProcessFiles or PublishSummary";
    return false;
  }
  const FinishingPins pins;
  progress.stage("processing " + counted(result.converted.html_files.size(), "HTML file") + " into pages",
                 0, "%");
  int processed = 0;
  {
    LibraryMeter meter(progress);
    processed = process();
  }
  if (processed == 0) {
    error = "nothing was published: no HTML file was registered";
    return false;
  }
  char text[kTextBufferSize] = "";
  summary(text);
  read_summary(text, result);
  wait_for_compile(progress, result);
  // The summary is all the run is needed for: a new registration ends it and
  // frees its tables before the link check reads the site.
  if (auto add = TW_EXPORT_FUNCTION(libs, AddHTMLFile)) add("INIT", "");
  progress.stage("checking the links of " + counted(result.pages, "topic page"));
  LinkReport links = check_links(platform::to_host_path(out_dir));
  result.checked_links = links.links;
  result.broken_links = links.broken;
  find_html_help_files(hpj, out_dir, result);
  result.written = written_since(out_dir, started);
  return true;
}

int run_publish(const Libraries& libs, const std::vector<std::string>& args) {
  ConvertRequest request;
  std::string hpj, out_dir, lfc_template, error;
  if (int code = read_convert_request("publish", args, request, hpj, out_dir, lfc_template)) return code;
  Progress progress(stdout, platform::stdout_is_terminal(), platform::terminal_columns());
  PublishResult result;
  const OutputFolderRun output_run;
  bool published = publish_project(libs, hpj, out_dir, lfc_template, progress, result, error);
  progress.finish();
  // The marker files stay only while the run needs them.
  if (!request.keep_intermediates) remove_intermediates(result.converted);
  if (!published) {
    std::fprintf(stderr, "twhost publish: %s\n", error.c_str());
    return kExitFailure;
  }
  print_publish_report(result, request);
  bool complete = result.failed_files == 0 && result.failed_pages == 0;
  if (result.html_help) return complete && result.chm_built ? kExitSuccess : kExitFailure;
  return complete && result.broken_links.empty() ? kExitSuccess : kExitFailure;
}

}  // namespace host
