#include "tools/helpc/invocation.h"

#include <algorithm>
#include <array>

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace helpc {
namespace {

constexpr std::array<std::string_view, 2> kHelpWorkshopNames{"hcw", "hcrtf"};
constexpr std::array<std::string_view, 4> kWin31Names{"hcp", "hc", "hc31", "hc30"};

template <size_t N>
bool one_of(const std::array<std::string_view, N>& names, std::string_view program) {
  return std::find(names.begin(), names.end(), program) != names.end();
}

// A host path such as "/home/p/sample" rather than switches: it holds a dot,
// or its folder exists.
bool is_host_path(std::string_view arg) {
  std::string_view folder = platform::directory_of(arg);
  return arg.find('.') != std::string_view::npos || platform::file_exists(arg) ||
         (!folder.empty() && platform::directory_exists(folder));
}

// "/c/e", "-x": letters after slashes or dashes.
bool is_switch(std::string_view arg) {
  if (arg.size() < 2 || (arg[0] != '/' && arg[0] != '-')) return false;
  if (arg[0] == '/' && is_host_path(arg)) return false;
  for (char c : arg) {
    bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    if (!letter && c != '/' && c != '-') return false;
  }
  return true;
}

bool asks_for_help_workshop(std::string_view flags) {
  std::string lower = text::to_lower(flags);
  return lower.find_first_of("xce") != std::string::npos;
}

std::vector<std::string> components(std::string_view path) {
  std::vector<std::string> out;
  size_t i = 0;
  while (i <= path.size()) {
    size_t j = path.find_first_of("\\/", i);
    if (j == std::string_view::npos) j = path.size();
    if (j > i) out.emplace_back(path.substr(i, j - i));
    i = j + 1;
  }
  return out;
}

// Maps the path's drive so that its folder is the current folder, when the
// current folder's path ends with the path's folders.
bool map_drive_to_current_folder(std::string_view path) {
  if (!platform::file_exists(platform::file_name_of(path))) return false;
  const auto wanted = components(platform::directory_of(path.substr(2)));
  const auto here = components(platform::current_directory());
  if (wanted.size() > here.size()) return false;
  const size_t keep = here.size() - wanted.size();
  for (size_t i = 0; i < wanted.size(); ++i) {
    if (!text::iequals(wanted[i], here[keep + i])) return false;
  }
  std::string base;
  for (size_t i = 0; i < keep; ++i) base += "/" + here[i];
  platform::set_drive(path[0], base.empty() ? "/" : base);
  return true;
}

}  // namespace

Invocation parse_invocation(const std::vector<std::string>& arguments) {
  Invocation inv;
  std::string name = arguments.empty() ? "" : text::to_lower(platform::file_name_of(arguments[0]));
  if (text::iends_with(name, ".exe")) name.resize(name.size() - 4);
  inv.program = name;
  std::string flags;
  for (size_t i = 1; i < arguments.size(); ++i) {
    if (is_switch(arguments[i])) {
      flags += arguments[i];
    } else if (inv.project.empty()) {
      inv.project = arguments[i];
    } else {
      inv.error = "more than one project file named";
    }
  }
  if (one_of(kHelpWorkshopNames, name)) {
    inv.family = Family::win95;
  } else if (!one_of(kWin31Names, name) && asks_for_help_workshop(flags)) {
    inv.family = Family::win95;
  }
  if (inv.project.empty() && inv.error.empty()) inv.error = "no project file named";
  return inv;
}

std::string usage_text(std::string_view program) {
  std::string p(program.empty() ? "hcp" : program);
  return "usage: " + p + " PROJECT.hpj      (also: hcw /c/e PROJECT.hpj, hcrtf /x PROJECT.hpj)\n"
         "Checks the help project and its topic files and writes the messages to\n"
         "PROJECT.log beside the project. Called as hcw or hcrtf, it also writes the\n"
         "help file of a project without errors; the Windows 3.x names only check.\n"
         "       " + p + " --list FILE.hlp   lists a help file's internal files and counts\n";
}

std::optional<std::string> locate_project(std::string_view argument) {
  std::string path(argument);
  if (platform::extension_of(path).empty()) path += ".hpj";
  if (platform::file_exists(path)) return path;
  if (platform::has_drive(path) && map_drive_to_current_folder(path) && platform::file_exists(path)) {
    return path;
  }
  return std::nullopt;
}

}  // namespace helpc
