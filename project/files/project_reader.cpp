// Reading a help project file's text into the project data.
#include <algorithm>

#include "core/project_paths.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "project/files/config_macros.h"
#include "project/files/project_file_format.h"
#include "project/files/window_records.h"

namespace project {
namespace {

// [OPTIONS] keys the model holds; any other key line is kept as written.
constexpr std::string_view kModelKeys[] = {
    "ROOT",         "ERRORLOG", "TITLE",    "CONTENTS",  "INDEX",    "WARNING",
    "OLDKEYPHRASE", "COMPRESS", "BMROOT",   "COPYRIGHT", "CITATION", "BUILD",
    "ICON",         "OPTCDROM", "LANGUAGE", "FORCEFONT", "MULTIKEY"};

bool is_model_key(std::string_view key) {
  return std::any_of(std::begin(kModelKeys), std::end(kModelKeys),
                     [&](std::string_view k) { return text::iequals(k, key); });
}

std::string strip_separators(std::string_view dir) {
  while (!dir.empty() && platform::is_separator(dir.back())) dir.remove_suffix(1);
  return std::string(dir);
}

bool same_folder(std::string_view a, std::string_view b) {
  return text::iequals(strip_separators(a), strip_separators(b));
}

void append_listed(std::string& list, std::string_view item) {
  if (item.empty()) return;
  if (!list.empty()) list += ',';
  list += item;
}

// MULTIKEY characters, kept option lines and (Windows 95) BMROOT values come
// from the lines themselves; a key may appear more than once.
void scan_option_lines(const formats::HpjText& hpj, bool win95, ProjectFileModel& m) {
  for (const auto& raw : hpj.section("OPTIONS")) {
    std::string_view line = text::trim(raw);
    auto eq = line.find('=');
    if (line.empty() || line.front() == ';' || eq == std::string_view::npos) continue;
    std::string_view key = text::trim(line.substr(0, eq));
    std::string_view value = text::trim(line.substr(eq + 1));
    if (text::iequals(key, "MULTIKEY")) {
      if (!value.empty()) m.multikey_chars += value.front();
    } else if (text::iequals(key, "BMROOT")) {
      if (win95) append_listed(m.bitmap_roots, value);
    } else if (!is_model_key(key)) {
      m.extra_options += std::string(line) + "\n";
    }
  }
}

int compression_of(std::string_view value) {
  if (text::iequals(value, "MEDIUM")) return 1;
  if (text::iequals(value, "TRUE") || text::iequals(value, "HIGH") || text::iequals(value, "YES") ||
      value == "1") {
    return 2;
  }
  return 0;
}

bool yes_value(std::string_view value) {
  std::string v = text::to_lower(value);
  return v.find("yes") != std::string::npos || v == "1" || v == "true";
}

void add_stock_bitmaps(const FormContext& ctx, ProjectFileModel& m) {
  if (ctx.stock_bitmaps.empty() || text::icontains(m.bitmap_roots, ctx.stock_bitmaps)) return;
  append_listed(m.bitmap_roots, ctx.stock_bitmaps);
}

void read_option_keys(const formats::HpjText& hpj, const FormContext& ctx, ProjectFileModel& m) {
  auto get = [&](std::string_view key) { return hpj.value("OPTIONS", key); };
  m.old_keyphrase = text::to_lower(get("OLDKEYPHRASE")).find("yes") != std::string::npos;
  m.language = text::cut(get("LANGUAGE"), kLanguageMax);
  m.force_font = text::cut(get("FORCEFONT"), kForceFontMax);
  m.root = root_with_project_folder(get("ROOT"), core::project_directory(ctx.project_path));
  if (ctx.form != FileForm::win95) m.bitmap_roots = get("BMROOT");
  add_stock_bitmaps(ctx, m);
  m.build_expression = get("BUILD");
  m.citation = get("CITATION");
  m.copyright = text::cut(copyright_from_file(get("COPYRIGHT")), kCopyrightMax);
  m.icon = text::cut(get("ICON"), kIconMax);
  m.title = text::cut(get("TITLE"), kTitleMax);
  m.contents_topic =
      text::cut(hpj.has_key("OPTIONS", "CONTENTS") ? get("CONTENTS") : get("INDEX"), kContentsTopicMax);
  m.warning_level =
      std::clamp(static_cast<int>(text::parse_int(hpj.value("OPTIONS", "WARNING", "3"))), 1, 3);
  m.compression = compression_of(get("COMPRESS"));
  m.cdrom = yes_value(get("OPTCDROM"));
}

void read_files(const formats::HpjText& hpj, ProjectFileModel& m, core::TopicFileList& files) {
  const auto roots = root_folders(m.root);
  for (const auto& raw : hpj.section("FILES")) {
    std::string_view line = text::trim(raw);
    if (line.empty() || line.front() == ';') continue;
    if (line.find('#') != std::string_view::npos) {
      m.other_file_lines.emplace_back(line);
      continue;
    }
    std::string entry(text::trim(line.substr(0, line.find(';'))));
    if (entry.empty()) continue;
    if (!text::icontains(entry, ".rtf")) {
      m.other_file_lines.push_back(entry);
      continue;
    }
    entry = relative_to_roots(entry, roots);
    bool listed = false;
    for (const auto& name : files.names()) listed = listed || text::iequals(name, entry);
    if (!listed && !files.add(entry)) m.other_file_lines.push_back(entry);
  }
}

void read_bitmaps(const formats::HpjText& hpj, ProjectFileModel& m) {
  for (const auto& raw : hpj.section("BITMAPS")) {
    std::string_view line = text::trim(raw);
    if (line.empty() || line.front() == ';' || line.find("#include") != std::string_view::npos)
      continue;
    std::string entry(text::trim(line.substr(0, line.find(';'))));
    if (!entry.empty()) m.bitmap_files.push_back(entry);
  }
}

void read_map(const formats::HpjText& hpj, const std::string& header, ProjectFileModel& m) {
  for (const auto& name : hpj.section_includes("MAP")) {
    if (m.map_include.empty() && text::iequals(name, header)) {
      m.map_include = text::cut(name, kMapHeaderMax);
    } else {
      append_listed(m.extra_includes, name);
    }
  }
}

void read_build_tags(const formats::HpjText& hpj, ProjectData& data) {
  for (const auto& raw : hpj.section("BUILDTAGS")) {
    std::string_view line = text::trim(raw);
    line = text::trim(line.substr(0, line.find(';')));
    if (line.empty() || text::iequals(line, "DOC_ONLY")) continue;
    add_build_tag(data, line);
  }
}

void read_windows(const formats::HpjText& hpj, const FormContext& ctx, ProjectData& data) {
  data.windows.clear();
  data.windows.push_back(main_window());
  data.windows[0].caption = text::cut(data.project.title, kWindowCaptionMax);
  if (ctx.form == FileForm::win95) {
    read_window_names(hpj.section("WINDOWS"), data.windows);
  } else {
    read_windows_section(hpj.section("WINDOWS"), data.windows);
  }
}

}  // namespace

std::string copyright_from_file(std::string_view file_text) {
  std::string out(file_text);
  std::replace(out.begin(), out.end(), static_cast<char>(184), static_cast<char>(169));
  return out;
}

std::string copyright_to_file(std::string_view model_text) {
  std::string out(model_text);
  std::replace(out.begin(), out.end(), static_cast<char>(169), static_cast<char>(184));
  return out;
}

std::string root_with_project_folder(std::string_view value, std::string_view project_folder) {
  std::string out(project_folder);
  for (const auto& piece : text::split(value, ',')) {
    std::string_view dir = text::trim(piece);
    if (!dir.empty() && !same_folder(dir, project_folder)) append_listed(out, dir);
  }
  return out;
}

std::vector<std::string> root_folders(std::string_view root) {
  std::vector<std::string> out;
  for (const auto& piece : text::split(root, ',')) {
    std::string_view dir = text::trim(piece);
    if (!dir.empty()) out.emplace_back(dir);
  }
  return out;
}

std::string relative_to_roots(std::string_view entry, const std::vector<std::string>& roots) {
  if (entry.find(':') == std::string_view::npos && !platform::is_absolute(entry)) {
    return std::string(entry);
  }
  for (const auto& root : roots) {
    std::string dir = strip_separators(root);
    if (dir.empty() || entry.size() <= dir.size() + 1) continue;
    if (text::istarts_with(entry, dir) && platform::is_separator(entry[dir.size()])) {
      return std::string(entry.substr(dir.size() + 1));
    }
  }
  return std::string(entry);
}

void parse_project_text(std::string_view bytes, const FormContext& ctx, ProjectData& data,
                        core::TopicFileList& files) {
  const formats::HpjText hpj(bytes);
  ProjectFileModel& m = data.project;
  ProjectFileModel fresh;
  fresh.alias_taken_over = m.alias_taken_over;
  fresh.alias_header = std::move(m.alias_header);
  fresh.alias_lines = std::move(m.alias_lines);
  m = std::move(fresh);
  scan_option_lines(hpj, ctx.form == FileForm::win95, m);
  read_option_keys(hpj, ctx, m);
  read_files(hpj, m, files);
  if (ctx.form != FileForm::win95) read_bitmaps(hpj, m);
  read_map(hpj, data.map.header, m);
  read_config_section(hpj.section("CONFIG"), ctx.form != FileForm::win95, m);
  read_windows(hpj, ctx, data);
  read_build_tags(hpj, data);
}

}  // namespace project
