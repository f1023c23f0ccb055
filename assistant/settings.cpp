#include "assistant/settings.h"

#include "platform/paths.h"
#include "platform/profile.h"

namespace assistant {

namespace {


std::string read(const char* section, const char* key, const std::string& fallback) {
  return platform::get_profile_string(section, key, fallback, 4096, kSettingsFile);
}

}  // namespace

Settings read_settings() {
  Settings s;
  s.on_top = platform::get_profile_int("PT ASSISTANT", "ontop", 1, kSettingsFile) == 1;
  s.last_file = read("PT ASSISTANT", "last file", "");
  s.compiler = read("COMPILERS", "hcw", s.compiler);
  s.main_directory = read("TARVENWICK", "main directory", s.main_directory);
  s.help_file = read("TARVENWICK", "help file", s.help_file);
  return s;
}

bool write_settings(const Settings& s) {
  platform::ProfileBatch batch(kSettingsFile);
  platform::write_profile_string("PT ASSISTANT", "ontop", s.on_top ? "1" : "0", kSettingsFile);
  platform::write_profile_string("PT ASSISTANT", "last file", s.last_file, kSettingsFile);
  return batch.commit();
}

std::string program_help_path(const Settings& s) {
  return platform::join_path(platform::directory_of(s.help_file), "pointip.hlp");
}

}  // namespace assistant
