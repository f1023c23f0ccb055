#include "project/files/file_rewrite.h"

#include "platform/paths.h"

namespace project {

std::string backup_path(std::string_view path) { return platform::replace_extension(path, ".twb"); }

FileRewrite::FileRewrite(std::string_view path) : path_(path) {
  previous_ = platform::read_file(path_, &read_);
  if (!previous_ && !platform::file_exists(path_) && platform::file_exists(backup_path(path_))) {
    previous_ = platform::read_file(backup_path(path_));
    from_backup_ = previous_.has_value();
  }
}

platform::WriteStatus FileRewrite::commit(std::string_view bytes,
                                          const platform::StillCurrent& may_replace) {
  auto unchanged = [&](const std::optional<platform::FileStamp>& on_disk) {
    return on_disk == read_ && (!may_replace || may_replace(on_disk));
  };
  auto status = platform::write_file_if(path_, bytes, unchanged, &written_);
  if (status == platform::WriteStatus::written && from_backup_) platform::remove_file(backup_path(path_));
  return status;
}

}  // namespace project
