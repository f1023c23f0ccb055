// |SYSTEM: the help file's version (Windows 95 Help; topics plain or
// LZ77-packed)
// and date, then typed records: title, copyright, contents topic,
// configuration macros, window definitions and the contents file's name.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "project/files/project_model.h"

namespace hlp {

struct SystemInfo {
  std::string title;
  std::string copyright;
  std::int32_t contents_topic = 0;  // topic offset
  std::vector<std::string> config_macros;
  std::vector<project::WindowRecord> windows;
  std::string contents_file;  // file name only, "" for none
  std::uint32_t date = 0;     // seconds since 1970
  bool compressed = false;    // |TOPIC blocks are LZ77-packed
};

std::string render_system(const SystemInfo& info);

}  // namespace hlp
