#include "project/file_rewrite.h"

#include "platform/files.h"
#include "platform/paths.h"

namespace project {

std::string backup_path(std::string_view path) { return platform::replace_extension(path, ".twb"); }

FileRewrite::FileRewrite(std::string_view path) : path_(path), backup_(backup_path(path)) {
  if (platform::file_exists(path_)) {
    moved_ = platform::rename_file(path_, backup_);
    previous_ = platform::read_file(moved_ ? backup_ : path_);
  } else if (platform::file_exists(backup_)) {
    previous_ = platform::read_file(backup_);
    moved_ = previous_.has_value();
  }
}

bool FileRewrite::commit(std::string_view bytes) {
  if (!platform::write_file(path_, bytes)) {
    if (moved_) {
      platform::remove_file(path_);
      platform::rename_file(backup_, path_);
    }
    return false;
  }
  if (moved_) platform::remove_file(backup_);
  return true;
}

}  // namespace project
