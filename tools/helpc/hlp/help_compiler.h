// Compiles a checked project into a Windows 95 help file: reads each topic
// file with the RTF reader, lays the topics into |TOPIC and builds the
// trees and tables that find them (context strings, titles, keywords, the
// [MAP] numbers), the fonts and the system record.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/helpc/project_input.h"

namespace hlp {

// Something a topic's text asks for that the help file cannot hold.
struct LeftOut {
  std::string file;  // the topic file as found
  int topic = 0;     // its place in the file, from 1
  std::string what;  // as written, e.g. "{mci clip.avi}"
};

// Where the help file goes: opened only when there is a help file to
// write, then written from its start and committed; abandoned when the
// writing stops halfway, so that no part of a help file takes the place of
// a whole one.
class HelpTarget {
 public:
  virtual ~HelpTarget() = default;
  virtual bool open() = 0;
  virtual bool write(std::string_view bytes) = 0;
  virtual bool commit() = 0;
  virtual void abandon() = 0;
};

struct CompiledHelp {
  std::string bytes;   // the whole help file, when compiled into memory
  bool written = false;  // the target holds the whole help file
  int topics = 0;
  int titles = 0;
  int contexts = 0;    // context strings filed, aliases included
  int keywords = 0;    // distinct K keywords
  int pictures = 0;    // bitmaps stored
  int pictures_unread = 0;  // bitmaps named but missing or not Windows bitmaps
  bool compressed = false;  // the topic blocks are packed
  // COMPRESS asked, but a paragraph is longer than a packed block holds:
  // the topics are stored plain.
  bool stored_plain = false;
  std::vector<LeftOut> left_out;
};

// Writes the help file to target: nothing when the project has no topics
// (topics 0), written false when the target failed. nullopt when a
// structure cannot hold what the project has (a tree too big for its page
// numbers); the topic files the check could not read are left out. The
// topic text waits in a scratch file beside the project, not in memory.
std::optional<CompiledHelp> compile_help(const helpc::ProjectInput& input, std::uint32_t date, HelpTarget& target);
// The same into CompiledHelp::bytes.
std::optional<CompiledHelp> compile_help(const helpc::ProjectInput& input, std::uint32_t date);

}  // namespace hlp
