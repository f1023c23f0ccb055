// Loading and saving the conversion project file (".lfc", or lfcqwk.ini in
// quick mode) as a whole.
#pragma once
#include <string_view>

#include "wizard/project_settings.h"

namespace wizard {

// Flushes the file's profile cache and reads every key with its default; a
// missing file yields all defaults. Values are as stored (no derived changes
// beyond the signature's line breaks and the file-name fallbacks).
ProjectSettings read_project_settings(std::string_view project_file);

// Writes every saved key back in its format, clears and rewrites "Buttons",
// and flushes. Keys this library only reads keep the file's values.
// False when a write failed (nothing is written for an empty path).
bool write_project_settings(const ProjectSettings& project, std::string_view project_file);

}  // namespace wizard
