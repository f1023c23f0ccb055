#include "host/installation.h"

#include <filesystem>

#include "formats/help_contexts.h"
#include "formats/installation.h"
#include "formats/profile_key_names.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/product_help.h"
#include "platform/profile.h"
#include "platform/program.h"
#include "platform/text.h"

namespace host {
namespace {

const std::string kInstallDir(installation::kDefaultDir);

// The folders of the shipped data, below the installation directory.
constexpr const char* kDataFolders[] = {
    "templates", "TW_BMAPS", "TW_BMAPS/std_bmps", "graphics", "graphics/rules", "graphics/buttons",
    "graphics/buttons/bluesq", "graphics/buttons/ltgrysq", "graphics/buttons/ltblusq",
    "graphics/buttons/redrnd", "graphics/buttons/woodrnd", "graphics/buttons/blutxt",
    "graphics/buttons/multi", "graphics/buttons/grntxt"};

void copy_files(const std::string& from, const std::string& to) {
  platform::create_directories(to);
  for (const auto& name : platform::find_files(from + "/*")) {
    std::string target = platform::join_path(to, name);
    // Files the user has already (perhaps changed) stay as they are.
    if (!platform::file_exists(target)) platform::copy_file(from + "/" + name, target);
  }
}

void copy_tree(const std::string& from, const std::string& to) {
  copy_files(from, to);
  for (const char* sub : kDataFolders) {
    std::string dir = from + "/" + sub;
    std::string target = to;
    for (const auto& part : text::split(sub, '/')) target = platform::join_path(target, part);
    if (platform::directory_exists(dir)) copy_files(dir, target);
  }
}

void default_setting(std::string_view key, const std::string& value) {
  using namespace profile_keys;
  if (platform::get_profile_string(kAuthoringSection, key, "", 165, kAuthoringFile).empty()) {
    platform::write_profile_string(kAuthoringSection, key, value, kAuthoringFile);
  }
}

// Points the help viewer at the published product help, unless the user's
// settings name a folder that is still there; the HTML wizard's help is
// the same file as the authoring library's.
void point_viewer_at_product_help() {
  std::string folder = product_help_folder();
  if (folder.empty()) return;
  std::string current = platform::get_profile_string("Platform", "product help", "", 1024, "win.ini");
  if (current.empty() || !platform::directory_exists(current))
    platform::write_profile_string("Platform", "product help", folder, "win.ini");
  std::string names = std::string(help_contexts::kProductHelpFile) + " " +
                      std::string(help_contexts::kQuickStartFile) + " " +
                      std::string(help_contexts::kAssistantHelpFile);
  platform::write_profile_string("Platform", "product help files", names, "win.ini");
  using profile_keys::kConversionFile;
  if (platform::get_profile_string("Locations", "help file", "", 260, kConversionFile).empty())
    platform::write_profile_string("Locations", "help file", kInstallDir + "\\TRVWCK.HLP", kConversionFile);
}

}  // namespace

std::string product_help_folder() {
  std::string exe_dir(platform::directory_of(platform::executable_path()));
  for (const std::string& dir : {exe_dir + "/" + TW_BIN_TO_HELPDIR, std::string(TW_BUILD_HELPDIR)}) {
    // The folder as the user would write it: "bin/../share" made "share".
    if (platform::file_exists(dir + "/" + std::string(platform::kContextIndexFile)))
      return std::filesystem::path(dir).lexically_normal().string();
  }
  return {};
}

std::string shipped_data_folder() {
  // Installed programs find share/ from bin/; the build tree uses the sources.
  std::string exe_dir(platform::directory_of(platform::executable_path()));
  for (const std::string& dir : {exe_dir + "/" + TW_BIN_TO_DATADIR, std::string(TW_SOURCE_DATADIR),
                                 std::string(TW_INSTALL_DATADIR)}) {
    if (platform::directory_exists(dir)) return dir;
  }
  return {};
}

void ensure_installation() {
  std::string data = shipped_data_folder();
  if (platform::directory_exists(data)) copy_tree(data, kInstallDir);
  else platform::create_directories(kInstallDir);
  default_setting(profile_keys::kMainDirectory, kInstallDir);
  default_setting(profile_keys::kHelpFile, kInstallDir + "\\TRVWCK.HLP");
  point_viewer_at_product_help();
}

std::string program_folder() {
  std::string exe_dir(platform::directory_of(platform::executable_path()));
  for (const std::string& dir : {exe_dir + "/" + TW_BIN_TO_PROGRAMDIR, std::string(TW_BUILD_PROGRAMDIR)}) {
    if (platform::directory_exists(dir)) return dir;
  }
  return {};
}

void add_installed_programs() {
  std::string folder = program_folder();
  if (!folder.empty()) platform::add_program_folder(folder);
}

}  // namespace host
