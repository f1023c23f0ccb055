// Rewriting a project file in place: the old file is moved to its ".twb"
// backup, the new text is written, and the backup is removed only after the
// write is complete; a failed write puts the old file back.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace project {

// The backup name of a project file.
std::string backup_path(std::string_view path);

class FileRewrite {
 public:
  // Moves the file (when it exists) to the backup. A backup left behind by
  // an interrupted rewrite stands in for a missing file.
  explicit FileRewrite(std::string_view path);
  // The old text, when there was one and it could be read.
  const std::optional<std::string>& previous() const { return previous_; }
  // True when the old file is safe in the backup.
  bool moved() const { return moved_; }
  // Writes the new text; false (old file restored) when that fails.
  bool commit(std::string_view bytes);

 private:
  std::string path_, backup_;
  std::optional<std::string> previous_;
  bool moved_ = false;
};

}  // namespace project
