// Listings of host folders kept for the case-insensitive resolution of path
// components, so that looking up a name that does not exist (every file about
// to be created) does not read the whole folder each time. Internal to the
// platform; the layers above never see it.
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::internal {

// Folders whose listings are kept at most; the least recently used goes first.
inline constexpr std::size_t kFolderListingLimit = 256;

// The entry of host folder `folder` ("" for the current one) whose name
// equals name without regard to case, the first in byte order when several
// do; nullopt when there is none or the folder cannot be read. Answers from
// the kept listing while the folder is the same one with the same
// modification time, else lists the folder anew.
// folder_seen (when given) tells whether the folder exists as a folder, so
// that the caller needs no look of its own.
std::optional<std::string> find_entry_nocase(const std::string& folder, std::string_view name,
                                             bool* folder_seen = nullptr);

// A change the platform itself makes to the entries of one folder. Construct
// it before the change, note the names added and removed, and commit once the
// change is made: a listing that was current before the change is then
// updated and stays valid. Without a commit (a failed change) the listing is
// left as it was, and the folder's new modification time has it read anew.
// How a change learns the folder's time before it: by looking at the folder,
// or from its kept listing, for a change made right after a look-up of the
// same name validated that listing (a new file created where none was found).
// Without a kept listing there is nothing to bring up to date either way.
enum class FolderLook { examine, kept_listing };

class FolderChange {
 public:
  // folder is the host folder that holds the changed entries.
  explicit FolderChange(std::string folder, FolderLook look = FolderLook::examine);
  // The same for the folder of a host path, whose name is then the entry.
  static FolderChange of_entry(std::string_view host_path, FolderLook look = FolderLook::examine);

  // The entry named by of_entry, or "" for a change made with a folder.
  const std::string& entry() const { return entry_; }
  // Whether both changes are to the same folder.
  bool same_folder(const FolderChange& other) const { return key_ == other.key_; }
  void added(std::string_view name);
  void removed(std::string_view name);
  void commit();

 private:
  struct Edit {
    std::string name;
    bool add;
  };
  std::string key_;     // the folder's cache key
  std::string entry_;
  bool seen_ = false;   // whether the folder could be examined before the change
  long long dev_ = 0, ino_ = 0, sec_ = 0, nsec_ = 0;
  std::vector<Edit> edits_;
};

// Drops every kept listing.
void forget_folder_listings();
// How many folders have a kept listing.
std::size_t kept_folder_listings();
// How many times a folder has been read since the process started: lets
// tests see that the listing is reused.
std::size_t folder_reads();

}  // namespace platform::internal
