// The project data file (.twz): the topic table and everything else the help
// compilers do not need, as little-endian fields and LF-ended lines in a
// fixed order. This is the form apart from the disk; data_file.h reads and
// writes the file itself.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/topic_files.h"
#include "project/files/project_data.h"

namespace project {

inline constexpr std::int32_t kDataFileMagic = 12863;
// Above this next free context number, topic numbers are stored 32 bits wide.
inline constexpr std::int32_t kWideNumberThreshold = 32000;

// Longest text each line field is read back with.
inline constexpr size_t kMapSourceMax = 169;
inline constexpr size_t kOldTitleMax = 254;
inline constexpr size_t kOldOptionMax = 4998;
inline constexpr size_t kMapHeaderLineMax = 11;
inline constexpr size_t kPrefixLineMax = 7;
inline constexpr size_t kContentsLineMax = 19;
inline constexpr size_t kTextListItemMax = 179;
inline constexpr size_t kWindowNameLineMax = 9;
inline constexpr size_t kWindowCaptionLineMax = 51;
inline constexpr size_t kButtonIdMax = 31;
inline constexpr size_t kButtonCaptionMax = 31;
inline constexpr size_t kButtonMacroMax = 4998;
inline constexpr size_t kTopicFileLineMax = 154;
inline constexpr size_t kLongLineMax = 4998;
// Window records beyond this count mark a damaged file.
inline constexpr int kMaxDataWindows = 255;

// Indexes of the preference words that mirror the project-file model.
inline constexpr int kWordBrowseButtons = 3;
inline constexpr int kWordCompression = 4;
inline constexpr int kWordTitleSet = 5;
inline constexpr int kWordCompilerKind = 8;
inline constexpr int kWordWarning = 10;
inline constexpr int kWordCdrom = 11;

enum class DataReadStatus { ok, wrong_magic, damaged };

struct DataReadResult {
  DataReadStatus status = DataReadStatus::ok;
  std::string error;  // where a damaged file stopped making sense
};

// What the file holds besides the project data.
struct DataFileExtras {
  std::vector<std::string> topic_files;  // lowered, in [FILES] order
  int compiler_kind = 1;
};

// The whole file.
std::string render_data_file(const ProjectData& data, const core::TopicFileList& files,
                             int compiler_kind);
// Reads a whole file into data (which starts at a new project's defaults);
// on failure data holds no topics.
DataReadResult parse_data_file(std::string_view bytes, ProjectData& data, DataFileExtras& extras);

// True when topic numbers have to be stored 32 bits wide.
bool wide_numbers(const TopicTable& topics);

}  // namespace project
