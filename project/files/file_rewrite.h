// Rewriting a project file from its previous text: the old text is read
// first, and the new one replaces it whole (see platform::write_file) only
// when nobody has replaced the file in between.
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "platform/files.h"

namespace project {

// The backup name a project file had while older versions rewrote it.
std::string backup_path(std::string_view path);

class FileRewrite {
 public:
  // Reads the file. A backup left behind by an older version's interrupted
  // rewrite stands in for a missing file.
  explicit FileRewrite(std::string_view path);
  // The old text, when there was one and it could be read.
  const std::optional<std::string>& previous() const { return previous_; }
  // Replaces the file with bytes when it is still the version read and
  // may_replace (when given) agrees; the old file stays otherwise.
  platform::WriteStatus commit(std::string_view bytes,
                               const platform::StillCurrent& may_replace = nullptr);
  // The version written by a successful commit.
  const std::optional<platform::FileStamp>& written() const { return written_; }

 private:
  std::string path_;
  std::optional<std::string> previous_;
  std::optional<platform::FileStamp> read_, written_;
  bool from_backup_ = false;
};

}  // namespace project
