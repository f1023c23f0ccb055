#include "html/finishing/html_help_project.h"

#include "html/analysis/project_hpj.h"
#include "html/driver/conversion_run.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/profile.h"
#include "platform/text.h"

namespace html {

namespace {

constexpr std::string_view kOptions = "Options";
constexpr std::string_view kCrLf = "\r\n";
constexpr int kValueRoom = 256;

std::string option(const std::string& hhp, std::string_view key) {
  return platform::get_profile_string(kOptions, key, "", kValueRoom, hhp);
}

// Writes an option only when the author has not set it.
void default_option(const std::string& hhp, std::string_view key, std::string_view value) {
  if (option(hhp, key).empty()) platform::write_profile_string(kOptions, key, value, hhp);
}

std::string sibling_name(const ConversionRun& run, std::string_view ext) {
  return std::string(platform::file_name_of(platform::replace_extension(run.settings.location.project_file, ext)));
}

// The compiled file, contents and index live beside the .hhp; naming them
// without a folder keeps the project usable wherever its folder is moved.
void update_options(const ConversionRun& run, const std::string& hhp) {
  platform::ProfileBatch batch(hhp);  // the options in one rewrite, not one per key
  default_option(hhp, "Compatibility", "1.1");
  default_option(hhp, "Compiled file", sibling_name(run, ".chm"));
  default_option(hhp, "Contents file", sibling_name(run, ".hhc"));
  default_option(hhp, "Index file", sibling_name(run, ".hhk"));
  default_option(hhp, "Title", run.settings.project.settings.frmt);
  std::string search = platform::get_profile_string(kOptions, "Full-text search", "Yes", kValueRoom, hhp);
  platform::write_profile_string(kOptions, "Full-text search", search, hhp);
}

std::string section_name(std::string_view header) {
  header = text::trim(header);
  std::size_t close = header.find(']');
  return std::string(text::trim(header.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1)));
}

// "context=page" for every context whose anchor is at the top of its page.
std::string alias_text(const ConversionRun& run) {
  std::string out;
  for (const std::string& entry : run.context_map.entries()) {
    auto fields = text::split(entry, '#');
    if (fields.size() < 3 || fields[2] != "%") continue;
    out += fields[1] + "=" + std::string(platform::file_name_of(fields[0])) + std::string(kCrLf);
  }
  return out;
}

// Copies the help project's map header into the .hhp's folder; false when
// it cannot be read or written.
bool copy_map_header(const std::string& from, const std::string& to) {
  std::optional<std::string> bytes = platform::read_file(from);
  if (!bytes) return false;
  std::string out;
  for (const std::string& line : text::split_lines(*bytes)) out += collapse_blanks(line) + std::string(kCrLf);
  return platform::write_file(to, out);
}

void set_context_map_option(ConversionRun& run, bool on) {
  run.settings.project.htmlhelp.do_cx_map = on ? 1 : 0;
  platform::write_profile_string("HTMLHELP", "do_cx_map", on ? "1" : "0", run.settings.location.project_file);
}

}  // namespace

std::string html_help_project_path(const ConversionRun& run) {
  return platform::replace_extension(run.settings.location.project_file, ".hhp");
}

std::string compiled_file_path(const ConversionRun& run) {
  std::string hhp = html_help_project_path(run);
  std::string name = option(hhp, "Compiled file");
  if (name.empty()) name = sibling_name(run, ".chm");
  if (platform::is_absolute(name)) return name;
  return platform::join_path(platform::directory_of(hhp), name);
}

std::string without_sections(std::string_view text, const std::vector<std::string_view>& names) {
  std::string out;
  bool skipping = false;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    end = end == std::string_view::npos ? text.size() : end + 1;
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line[0] == '[') {
      std::string name = section_name(line);
      skipping = false;
      for (std::string_view n : names) skipping = skipping || text::iequals(name, n);
    }
    if (!skipping) out += line;
    start = end;
  }
  return out;
}

std::string collapse_blanks(std::string_view line) {
  std::string out;
  for (char c : line) {
    if (c == ' ' && !out.empty() && out.back() == ' ') continue;
    out += c;
  }
  return out;
}

bool write_html_help_project(ConversionRun& run) {
  const std::string hhp = html_help_project_path(run);
  update_options(run, hhp);
  platform::write_profile_string(std::nullopt, std::nullopt, std::nullopt, hhp);
  std::optional<std::string> kept = platform::read_file(hhp);
  if (!kept) return false;

  // The blank lines before the removed sections go with them, so that a
  // rebuild does not add two more each time.
  std::string out = without_sections(*kept, {"FILES", "ALIAS", "MAP"});
  while (!out.empty() && (out.back() == '\r' || out.back() == '\n')) out.pop_back();
  if (!out.empty()) out += kCrLf;
  out += "\r\n\r\n[FILES]\r\n";
  for (std::size_t i = 0; i < run.page_list.size(); ++i)
    out += std::string(platform::file_name_of(run.page_list.at(i).path)) + std::string(kCrLf);

  const std::string& map = run.project.map_file;
  bool with_map = !map.empty();
  if (with_map) {
    std::string ali = html_help_project_path(run);
    ali = platform::replace_extension(ali, ".ali");
    std::string map_name(platform::file_name_of(map));
    out += "\r\n\r\n[ALIAS]\r\n#include " + std::string(platform::file_name_of(ali)) + std::string(kCrLf);
    out += "\r\n\r\n[MAP]\r\n#include " + map_name + "\r\n\r\n";
    platform::write_file(ali, alias_text(run));
    ResolvedPath source = resolve_project_path(platform::directory_of(run.project.hpj_path), map);
    std::string copy = platform::join_path(platform::directory_of(hhp), map_name);
    if (source.exists && !platform::is_within(copy, source.path)) copy_map_header(source.path, copy);
  }
  set_context_map_option(run, with_map);
  return platform::write_file(hhp, out);
}

}  // namespace html
