#include "host/convert_flow.h"

#include <cstdio>

#include "host/export/html_export.h"
#include "host/flows.h"
#include "host/installation.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/profile.h"

namespace host {
namespace {

using NoArgFn = int32_t (*)();
using NextRtfFn = int32_t (*)(int32_t, char*);
using AddHtmlFn = int32_t (*)(const char*, const char*);

// The template shipped in the installation directory, else in the shipped data.
std::string template_path(const std::string& name) {
  std::string installed = "c:\\trvwck\\templates\\" + name;
  if (platform::file_exists(installed)) return installed;
  return shipped_data_folder() + "/templates/" + name;
}

bool register_files(const Libraries& libs, const ConvertResult& result) {
  auto add = reinterpret_cast<AddHtmlFn>(find_export(libs, "AddHTMLFile"));
  if (!add) return false;
  add("INIT", "");
  for (const auto& html : result.html_files) {
    std::string title(platform::file_name_of(html));
    add(platform::to_system_path(html).c_str(), title.c_str());
  }
  return true;
}

// What choosing the project's button and rule styles in the wizard does: their
// graphics (and the top-of-page arrow) are copied into the output folder once.
void copy_navigation_graphics(const std::string& lfc, const std::string& out_dir) {
  const std::string graphics = "c:\\trvwck\\graphics";
  auto setting = [&](const char* key) {
    return platform::get_profile_string("Settings", key, "", 260, lfc);
  };
  auto copy_in = [&](const std::string& from, const std::string& name) {
    std::string target = platform::join_path(out_dir, name);
    if (!platform::file_exists(target)) platform::copy_file(platform::join_path(from, name), target);
  };
  copy_in(graphics, "top.gif");
  std::string rule = setting("rulefrom");
  if (!rule.empty() && platform::directory_of(rule).empty()) copy_in(graphics + "\\rules", rule);
  if (setting("copied graphics") == "1") return;
  std::string style = setting("butfrom");
  if (style.empty() || !platform::directory_of(style).empty()) return;
  for (const char* name : {"home.gif", "toc.gif", "indx.gif", "next.gif", "prev.gif", "email.gif"}) {
    copy_in(graphics + "\\buttons\\" + style, name);
  }
  platform::write_profile_string("Settings", "copied graphics", "1", lfc);
}

}  // namespace

bool parse_project_and_output(const std::vector<std::string>& args, std::string& hpj,
                              std::string& out_dir, std::string& template_name) {
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--out" && i + 1 < args.size()) out_dir = args[++i];
    else if (args[i] == "--template" && i + 1 < args.size()) template_name = args[++i];
    else if (hpj.empty()) hpj = args[i];
    else return false;
  }
  return !hpj.empty() && !out_dir.empty();
}

bool prepare_wizard_project(const std::string& hpj, const std::string& out_dir,
                            const std::string& template_name, std::string& error) {
  if (!platform::create_directories(out_dir)) {
    error = "cannot create the output folder " + out_dir;
    return false;
  }
  std::string stem(platform::file_name_of(platform::replace_extension(hpj, "")));
  if (!stem.empty() && stem.back() == '.') stem.pop_back();
  const std::string lfc = platform::join_path(out_dir, stem + ".lfc");
  if (!platform::file_exists(lfc)) {
    std::string source = template_path(template_name);
    if (!platform::copy_file(source, lfc)) {
      error = "cannot copy the template " + source;
      return false;
    }
    platform::copy_file(platform::replace_extension(source, ".lfh"), platform::replace_extension(lfc, ".lfh"));
  }
  copy_navigation_graphics(lfc, out_dir);
  platform::write_profile_string("TWHTML", "hpj", hpj, lfc);
  platform::write_profile_string("Project", "proj", lfc, "twzhtml.ini");
  platform::write_profile_string("VAR", "quick", "0", "twzhtml.ini");
  platform::write_profile_string("TARVENWICK", "PROJECT", hpj, "TRVWCK6.INI");
  return true;
}

bool convert_project(const Libraries& libs, const std::string& hpj, const std::string& out_dir,
                     ConvertResult& result, std::string& error) {
  auto process_rtf = reinterpret_cast<NoArgFn>(find_export(libs, "process_rtf"));
  auto next_rtf = reinterpret_cast<NextRtfFn>(find_export(libs, "get_next_rtf"));
  if (!process_rtf || !next_rtf) {
    error = "the conversion library lacks process_rtf or get_next_rtf";
    return false;
  }
  std::printf("Analyzing RTF files of %s\n", hpj.c_str());
  result.all_topic_files_found = process_rtf() != 0;
  char marker[4096];
  for (int32_t i = 0; next_rtf(i, marker) != 0; ++i) {
    ++result.marker_files;
    std::string stem(platform::file_name_of(marker));
    stem = stem.substr(0, stem.rfind('.'));
    std::string html = platform::join_path(out_dir, stem + ".htm");
    std::printf("  exporting %s\n", marker);
    if (!html_export::export_rtf_file(marker, html)) {
      std::printf("  could not export %s\n", marker);
      continue;
    }
    result.html_files.push_back(html);
  }
  register_files(libs, result);
  return true;
}

int run_convert(const Libraries& libs, const std::vector<std::string>& args) {
  std::string hpj, out_dir, template_name = "standard.lfc", error;
  if (!parse_project_and_output(args, hpj, out_dir, template_name)) {
    std::fprintf(stderr, "usage: twhost convert PROJECT.hpj --out DIR [--template NAME.lfc]\n");
    return 2;
  }
  hpj = argument_path(hpj);
  out_dir = argument_path(out_dir);
  ConvertResult result;
  if (!prepare_wizard_project(hpj, out_dir, template_name, error) ||
      !convert_project(libs, hpj, out_dir, result, error)) {
    std::fprintf(stderr, "twhost convert: %s\n", error.c_str());
    return 1;
  }
  std::printf("%d marker files, %zu HTML files registered in %s\n", result.marker_files,
              result.html_files.size(), out_dir.c_str());
  return result.all_topic_files_found ? 0 : 1;
}

}  // namespace host
