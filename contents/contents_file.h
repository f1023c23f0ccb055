// The project's contents file on disk: its path, loading it into the
// model, and saving the model.
#pragma once
#include <string>
#include <string_view>

#include "contents/contents_model.h"

namespace contents {

// The project file's path with the extension ".cnt" (added when the path
// has none, so that the project file itself is never the contents file).
std::string contents_path(std::string_view project_path);

// GetContentsPath: the contents path when that file exists, else "".
std::string GetContentsPath(std::string_view project_path);

// Fills a fresh model from the file; a missing or unreadable file leaves it
// empty and not loaded. Returns the loaded flag.
bool load_contents(ContentsModel& model, std::string_view path);

// Writes the model through the safe rewrite; false (and the old file kept)
// when it cannot be written.
bool save_contents(const ContentsModel& model, std::string_view path);

}  // namespace contents
