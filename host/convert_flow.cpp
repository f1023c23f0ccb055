#include "host/convert_flow.h"

#include <cstdio>

#include "formats/installation.h"
#include "formats/profile_key_names.h"
#include "host/export/html_export.h"
#include "host/export_call.h"
#include "host/flows.h"
#include "host/project_checks.h"
#include "platform/files.h"
#include "platform/output_folder.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/profile.h"
#include "platform/profile_pins.h"
#include "platform/terminal.h"
#include "platform/text.h"

namespace host {
namespace {

bool register_files(const Libraries& libs, const ConvertResult& result) {
  auto add = TW_EXPORT_FUNCTION(libs, AddHTMLFile);
  if (!add) return false;
  add("INIT", "");
  for (const auto& html : result.html_files) {
    std::string title(platform::file_name_of(html));
    add(html.c_str(), title.c_str());
  }
  return true;
}

// What choosing the project's button and rule styles in the wizard does: their
// graphics (and the top-of-page arrow) are copied into the output folder once.
void copy_navigation_graphics(const std::string& lfc, const std::string& out_dir) {
  const std::string graphics = std::string(installation::kDefaultDir) + "\\graphics";
  auto setting = [&](std::string_view key) {
    return platform::get_profile_string(profile_keys::kSettingsSection, key, "", 260, lfc);
  };
  auto copy_in = [&](const std::string& from, const std::string& name) {
    std::string target = platform::join_path(out_dir, name);
    if (!platform::file_exists(target)) platform::copy_file(platform::join_path(from, name), target);
  };
  copy_in(graphics, "top.gif");
  std::string rule = setting(profile_keys::kRuleFrom);
  if (!rule.empty() && platform::directory_of(rule).empty()) copy_in(graphics + "\\rules", rule);
  if (setting(profile_keys::kCopiedGraphics) == "1") return;
  std::string style = setting(profile_keys::kButtonFrom);
  if (style.empty() || !platform::directory_of(style).empty()) return;
  for (const char* name : {"home.gif", "toc.gif", "indx.gif", "next.gif", "prev.gif", "email.gif"}) {
    copy_in(graphics + "\\buttons\\" + style, name);
  }
  platform::write_profile_string(profile_keys::kSettingsSection, profile_keys::kCopiedGraphics, "1", lfc);
}

std::string joined(const std::vector<std::string>& names) {
  std::string out;
  for (const auto& name : names) out += (out.empty() ? "" : ", ") + name;
  return out;
}

// The template named on the command line: a shipped name (".lfc" may be
// left out) or the path of an author's own.
std::string find_template(const std::string& typed) {
  if (typed.find('/') != std::string::npos) {
    std::string path = argument_path(typed);
    return platform::file_exists(path) ? path : std::string();
  }
  std::string name = text::iends_with(typed, ".lfc") ? typed : typed + ".lfc";
  return template_path(name);
}

}  // namespace

bool parse_convert_request(const std::vector<std::string>& args, ConvertRequest& request,
                           std::string& error) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if ((a == "--out" || a == "--template") && i + 1 >= args.size()) {
      error = a + " needs a value";
      return false;
    }
    if (a == "--out") request.out_dir = args[++i];
    else if (a == "--template") request.template_name = args[++i];
    else if (a == "--keep-intermediates") request.keep_intermediates = true;
    else if (a.size() > 1 && a[0] == '-') error = "unknown option '" + a + "'";
    else if (request.project.empty()) request.project = a;
    else error = "unexpected argument '" + a + "'";
    if (!error.empty()) return false;
  }
  if (request.project.empty()) error = "missing PROJECT.hpj";
  else if (request.out_dir.empty()) error = "missing --out DIR";
  return error.empty();
}

int check_convert_request(const std::string& flow, const ConvertRequest& request,
                          std::string& hpj, std::string& out_dir, std::string& lfc_template) {
  if (!project_argument(flow, request.project, hpj)) return kExitFailure;
  lfc_template = find_template(request.template_name);
  if (lfc_template.empty()) {
    std::fprintf(stderr, "twhost %s: unknown template '%s'; the templates are: %s\n", flow.c_str(),
                 request.template_name.c_str(), joined(template_names()).c_str());
    return kExitUsage;
  }
  out_dir = argument_path(request.out_dir);
  if (platform::file_exists(out_dir)) {
    std::fprintf(stderr, "twhost %s: the output folder is a file: %s\n", flow.c_str(),
                 request.out_dir.c_str());
    return kExitFailure;
  }
  if (!folder_is_writable(out_dir)) {
    std::fprintf(stderr, "twhost %s: cannot write to the output folder %s\n", flow.c_str(),
                 request.out_dir.c_str());
    return kExitFailure;
  }
  return kExitSuccess;
}

int read_convert_request(const std::string& flow, const std::vector<std::string>& args,
                         ConvertRequest& request, std::string& hpj, std::string& out_dir,
                         std::string& lfc_template) {
  std::string error;
  if (!parse_convert_request(args, request, error)) {
    std::fprintf(stderr, "twhost %s: %s\n", flow.c_str(), error.c_str());
    return kExitUsage;
  }
  return check_convert_request(flow, request, hpj, out_dir, lfc_template);
}

namespace {

bool names_same_file(const std::string& a, const std::string& b) {
  return platform::to_host_path(a) == platform::to_host_path(b);
}

// A wizard project found in the output folder may have been put there by
// anyone who can write to it: the programs it names start only when this
// run made it or the author named it (--template).
void trust_wizard_project(const std::string& lfc, bool trusted) {
  platform::set_project_programs_allowed(trusted);
  if (trusted || platform::get_profile_int("Extensions", "run_post", 0, lfc) == 0) return;
  std::printf("twhost: %s was not made by this run: its post-conversion script is not run "
              "(name it with --template to run it)\n",
              shown_path(lfc).c_str());
}

}  // namespace

OutputFolderRun::~OutputFolderRun() { platform::set_output_folder(""); }

bool prepare_wizard_project(const std::string& hpj, const std::string& out_dir,
                            const std::string& template_file, std::string& error) {
  if (!platform::create_directories(out_dir)) {
    error = "cannot write to the output folder " + shown_path(out_dir);
    return false;
  }
  std::string stem(platform::file_name_of(platform::replace_extension(hpj, "")));
  if (!stem.empty() && stem.back() == '.') stem.pop_back();
  const std::string lfc = platform::join_path(out_dir, stem + ".lfc");
  // Everything this run writes into the output folder replaces what stands
  // there; a link planted there is not written through.
  platform::set_output_folder(out_dir);
  const bool made_here = !platform::file_exists(lfc);
  if (made_here) {
    if (!platform::copy_file(template_file, lfc)) {
      error = "cannot write " + shown_path(lfc);
      return false;
    }
    platform::copy_file(platform::replace_extension(template_file, ".lfh"),
                        platform::replace_extension(lfc, ".lfh"));
  }
  trust_wizard_project(lfc, made_here || names_same_file(template_file, lfc));
  copy_navigation_graphics(lfc, out_dir);
  // Another run in this root folder writes the same keys: this run keeps
  // its own values to its end.
  using namespace profile_keys;
  platform::write_pinned_profile_string(kTwhtmlSection, kHpj, hpj, lfc);
  platform::write_pinned_profile_string(kProjectSection, kConversionProject, lfc, kConversionFile);
  platform::write_pinned_profile_string(kVarSection, kQuick, "0", kConversionFile);
  platform::write_pinned_profile_string(kAuthoringSection, kProject, hpj, kAuthoringFile);
  return true;
}

bool convert_project(const Libraries& libs, const std::string& hpj, const std::string& out_dir,
                     Progress& progress, ConvertResult& result, std::string& error) {
  auto analyze = TW_EXPORT_FUNCTION(libs, process_rtf);
  auto next_rtf = TW_EXPORT_FUNCTION(libs, get_next_rtf);
  if (!analyze || !next_rtf) {
    error = "the conversion library lacks process_rtf or get_next_rtf";
    return false;
  }
  progress.stage("analyzing the topic files of " + shown_path(hpj), 0, "%");
  {
    LibraryMeter meter(progress);
    result.all_topic_files_found = analyze() != 0;
  }
  char marker[kTextBufferSize];
  for (int32_t i = 0; next_rtf(i, marker) != 0; ++i) result.marker_files.push_back(marker);
  progress.stage("exporting to HTML", static_cast<int>(result.marker_files.size()), "files");
  for (const auto& file : result.marker_files) {
    std::string stem(platform::file_name_of(file));
    stem = stem.substr(0, stem.rfind('.'));
    std::string html = platform::join_path(out_dir, stem + ".htm");
    if (html_export::export_rtf_file(file, html)) result.html_files.push_back(html);
    else std::fprintf(stderr, "twhost: could not export %s\n", shown_path(file).c_str());
    progress.step(static_cast<int>(result.html_files.size()));
  }
  register_files(libs, result);
  return true;
}

void remove_intermediates(const ConvertResult& result) {
  for (const auto& marker : result.marker_files) platform::remove_file(marker);
}

int run_convert(const Libraries& libs, const std::vector<std::string>& args) {
  ConvertRequest request;
  std::string hpj, out_dir, lfc_template, error;
  if (int code = read_convert_request("convert", args, request, hpj, out_dir, lfc_template)) return code;
  Progress progress(stdout, platform::stdout_is_terminal(), platform::terminal_columns());
  ConvertResult result;
  const OutputFolderRun output_run;
  if (!prepare_wizard_project(hpj, out_dir, lfc_template, error) ||
      !convert_project(libs, hpj, out_dir, progress, result, error)) {
    progress.finish();
    std::fprintf(stderr, "twhost convert: %s\n", error.c_str());
    return kExitFailure;
  }
  progress.finish();
  std::printf("%s, %s registered in %s\n", counted(result.marker_files.size(), "marker file").c_str(),
              counted(result.html_files.size(), "HTML file").c_str(), request.out_dir.c_str());
  // The registered HTML files are what ProcessFiles needs; the marker files
  // beside the topic files are not.
  if (!request.keep_intermediates) remove_intermediates(result);
  return result.all_topic_files_found ? kExitSuccess : kExitFailure;
}

}  // namespace host
