#include "core/settings.h"

#include <cstdio>

#include "core/core_state.h"
#include "core/messages.h"
#include "core/project_paths.h"
#include "formats/hpj_kind.h"
#include "formats/hpj_paths.h"
#include "formats/hpj_text.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/profile.h"
#include "platform/text.h"

namespace core {
namespace {

constexpr const char* kColours1 = "A3D0F1 E7FDB7 C9D6EB E0E0DE D5C4FB DFDFDF D2F5C9 5966FD";
constexpr const char* kColours2 = "BAFCF0 C5EFD2 EEBFFF DDE1E0 DED7E8 E8D8D7 C0C5FE F8AFB3";

std::string read_compiler(std::string_view key, std::string_view def, std::string_view empty) {
  std::string value = platform::get_profile_string(kCompilersSection, key, def,
                                                   kCompilerPathMax, kSettingsFile);
  return value.empty() ? std::string(empty) : value;
}

void load_compilers(CompilerPaths& c) {
  c.hc30 = read_compiler("hc30", "HC.EXE", "hc.exe");
  c.hcw = read_compiler("hcw", "HCW.EXE", "hcw.exe");
  c.hcp = read_compiler("hcp", "HCP.EXE", "hcp.exe");
  c.shed = read_compiler("shed", "SHED.EXE", "shed.exe");
  c.bmp = read_compiler("bmp", "PBRUSH.EXE", "");
  c.wmf = read_compiler("wmf", "", "");
}

void load_extensions(Settings& s) {
  auto read = [](std::string_view key) {
    return platform::get_profile_string(kExtensionsSection, key, "", kExtensionMax, kSettingsFile);
  };
  s.slide_show32 = read("Slide Show32");
  s.sound32 = read("Sound32");
  s.sound = read("Sound");
}

// The bitmap directory defaults to the main directory's TW_BMAPS, written
// back at once so that the other programs find it too.
void load_bitmap_dir(Settings& s) {
  s.bitmap_dir = read_setting("BITMAP_DIR", "", kPathMax);
  if (!s.bitmap_dir.empty()) return;
  s.bitmap_dir = text::cut(s.main_directory + "\\TW_BMAPS", kPathMax - 1);
  write_setting("BITMAP_DIR", s.bitmap_dir);
}

void load_user_settings(Settings& s) {
  s.project = read_setting("PROJECT", "", kPathMax);
  s.long_names = read_setting_int("Long Names", 1);
  s.main_directory = read_setting("main directory", "", kPathMax);
  s.help_file = read_setting("help file", "TRVWCK.HLP", kPathMax);
  load_bitmap_dir(s);
  s.bullet_type = read_setting("Bullet Type", "", kBulletTypeMax);
  parse_custom_colours(read_setting("Custom Colors1", kColours1, kColoursMax),
                       read_setting("Custom Colors2", kColours2, kColoursMax), s.custom_colours);
  s.compile_in_background = read_setting_int("COMPILE IN BKGRND", 1) != 0;
  s.compile_beep = read_setting_int("COMPILE BEEP", 1) != 0;
  s.goto_tab = read_setting_int("Goto Tab", 0);
  s.search_auto = read_setting_int("srch auto", 0) != 0;
  s.work_group_file = read_setting("WORK GROUP FILE", "", kWorkGroupMax);
  s.language = read_setting_int("Language", 0);
  s.word_version = read_setting_int("Word Version", 2);
}

// PROJECT names the current project only when it is a ".hpj" that exists
// (a file another program holds locked counts as existing).
void decide_project(CoreState& state) {
  std::string path = state.settings.project;
  if (!text::icontains(path, ".hpj")) path.clear();
  state.settings.project = path;
  state.project_path = text::cut(path, kProjectPathMax);
  state.project_set = !path.empty() &&
      (platform::file_exists(path) || platform::is_locked_by_other(path));
}

}  // namespace

CustomColours default_custom_colours() {
  CustomColours c{};
  parse_custom_colours(kColours1, kColours2, c);
  return c;
}

void parse_custom_colours(std::string_view first, std::string_view second, CustomColours& out) {
  const std::string lists[2] = {std::string(first), std::string(second)};
  for (int half = 0; half < 2; ++half) {
    unsigned long v[8];
    int n = std::sscanf(lists[half].c_str(), "%lX %lX %lX  %lX %lX %lX %lX  %lX", &v[0], &v[1],
                        &v[2], &v[3], &v[4], &v[5], &v[6], &v[7]);
    for (int i = 0; i < n && i < 8; ++i) out[half * 8 + i] = static_cast<std::uint32_t>(v[i]);
  }
}

std::string format_custom_colours(const CustomColours& c, int offset) {
  const auto* v = &c[offset];
  return text::format("%lX %lX %lX  %lX %lX %lX %lX %lX", (unsigned long)v[0], (unsigned long)v[1],
                      (unsigned long)v[2], (unsigned long)v[3], (unsigned long)v[4],
                      (unsigned long)v[5], (unsigned long)v[6], (unsigned long)v[7]);
}

std::string read_setting(std::string_view key, std::string_view default_value, int size) {
  return platform::get_profile_string(kMainSection, key, default_value, size, kSettingsFile);
}

int read_setting_int(std::string_view key, int default_value) {
  return platform::get_profile_int(kMainSection, key, default_value, kSettingsFile);
}

bool write_setting(std::string_view key, std::string_view value) {
  return platform::write_profile_string(kMainSection, key, value, kSettingsFile);
}

void load_frame_settings(CoreState& state) {
  Settings& s = state.settings;
  s.custom_colours = default_custom_colours();
  load_user_settings(s);
  load_compilers(s.compilers);
  load_extensions(s);
  state.word_version = s.word_version;
  decide_project(state);
}

void SaveSettings(CoreState& state) {
  const Settings& s = state.settings;
  // The keys go to disk in one rewrite, so the PROJECT key fails only
  // when the whole file does.
  platform::ProfileBatch batch(kSettingsFile);
  bool written = write_setting("PROJECT", state.project_path);
  write_setting("Custom Colors1", format_custom_colours(s.custom_colours, 0));
  write_setting("Custom Colors2", format_custom_colours(s.custom_colours, 8));
  write_setting("Bullet Type", s.bullet_type);
  write_setting("Goto Tab", text::format("%d", s.goto_tab));
  write_setting("COMPILE IN BKGRND", s.compile_in_background ? "1" : "0");
  write_setting("COMPILE BEEP", s.compile_beep ? "1" : "0");
  write_setting("srch auto", s.search_auto ? "1" : "0");
  if (!batch.commit() || !written) show_message(state, "INI write failed", ui::kMbOk, /*caption=*/"");
}

std::string option_file_path(std::string_view project_path) {
  return platform::replace_extension(project_path, ".opt");
}

int read_project_int(std::string_view option_file, std::string_view key) {
  return platform::get_profile_int(kOptionSection, key, 0, option_file);
}

bool write_project_int(std::string_view option_file, std::string_view key, int value) {
  return platform::write_profile_string(kOptionSection, key, text::format("%d", value),
                                        option_file);
}

void LoadProjectOptions(CoreState& state) {
  const std::string file = option_file_path(state.project_path);
  auto get = [&](std::string_view key, int def) {
    return platform::get_profile_int(kOptionSection, key, def, file);
  };
  ProjectOptions& o = state.options;
  o.invalid_index = get("Invalid index", 0) != 0;
  o.wys_picts = get("wys picts", 1) != 0;
  o.w95 = get("W95", -7);
  o.help_only_color = get("help only color", 0);
  o.doc_only_color = get("doc only color", 0);
  o.doc_only_tags = get("doc only tags", 0);
  o.jut = get("JUT", 1) != 0;
  DecideCompiler(state);
}

void SaveProjectOptions(CoreState& state) {
  const std::string file = option_file_path(state.project_path);
  const ProjectOptions& o = state.options;
  platform::ProfileBatch batch(file);  // one rewrite: the old options or the new
  write_project_int(file, "Invalid index", o.invalid_index ? 1 : 0);
  write_project_int(file, "wys picts", o.wys_picts ? 1 : 0);
  write_project_int(file, "W95", o.w95);
  write_project_int(file, "help only color", o.help_only_color);
  write_project_int(file, "doc only color", o.doc_only_color);
  write_project_int(file, "doc only tags", o.doc_only_tags);
  write_project_int(file, "NB", o.link_browse ? 0 : 1);
  write_project_int(file, "NL", o.link_local ? 0 : 1);
  write_project_int(file, "JUT", o.jut ? 1 : 0);
}

// A project without an LCID entry in [OPTIONS] is a Windows 3.x project; one
// with it uses the Windows 95 compiler and gets its error log named (an
// ERRORLOG that already names that log is left as the author wrote it).
void DecideCompiler(CoreState& state) {
  if (state.options.w95 != -7) {
    state.win95_compiler = state.options.w95 == 1 ? 1 : 0;
    return;
  }
  const std::string& hpj = state.project_path;
  std::optional<std::string> bytes = hpj.empty() ? std::nullopt : platform::read_file(hpj);
  // Undecided while there is no project, or the file is none: nothing is written.
  if (hpj.empty() || (bytes && !formats::is_help_project_text(*bytes))) {
    state.win95_compiler = 0;
    return;
  }
  const formats::HpjText text(bytes.value_or(std::string()));
  state.options.w95 = text.has_key("OPTIONS", "LCID") ? 1 : 0;
  const std::string log = platform::replace_extension(hpj, ".log");
  if (state.options.w95 == 1 &&
      !formats::same_project_entry(project_directory(hpj), text.value("OPTIONS", "ERRORLOG"), log)) {
    platform::write_profile_string("OPTIONS", "ERRORLOG", log, hpj);
    platform::write_profile_string(std::nullopt, std::nullopt, std::nullopt, hpj);
  }
  state.win95_compiler = state.options.w95;
}

}  // namespace core
