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

// The run's own output folder (see output_folder.h). While a run writes its
// pages there, the listing of that folder is checked against the folder once,
// at the run's first use, and then trusted without a look at the folder: the
// run knows the names it creates, and a create with O_EXCL tells when a name
// was there after all (see distrust_listing); find_entry_nocase answers from
// it too. "" ends the trust; a new run checks the listing again, so changes
// made between runs are seen.
void trust_listing_of(const std::string& folder);

// What the trusted listing says of name in folder.
enum class TrustedEntry {
  untrusted,    // folder is not the trusted one, or it cannot be listed
  absent,       // no entry of that name in any case
  exact,        // an entry spelled exactly as name
  other_case,   // only entries that differ in case
};
TrustedEntry trusted_entry(const std::string& folder, std::string_view name);

// The trusted folder's key when text (a folder as a caller spells it) was
// noted this run as naming it; nullopt otherwise.
std::optional<std::string> trusted_folder_spelled(std::string_view text);
// Whether text was noted this run (or no folder is trusted: nothing to note).
bool folder_spelling_known(std::string_view text);
// Notes whether text, which maps to host folder host, names the trusted
// folder; a run notes a bounded number of spellings.
void note_folder_spelling(std::string_view text, const std::string& host);

// Notes a file the run created in the trusted folder, without a look at the
// folder: the listing stays trusted, and the folder's time it holds is marked
// out of date for the look-ups that check it.
void note_trusted_create(const std::string& folder, std::string_view name);

// Drops the listing of folder (an entry turned up that it did not know):
// the next look-up reads the folder again, and so does the next trusted one.
void distrust_listing(const std::string& folder);

// Drops every kept listing.
void forget_folder_listings();
// How many folders have a kept listing.
std::size_t kept_folder_listings();
// How many times a folder has been read since the process started: lets
// tests see that the listing is reused.
std::size_t folder_reads();

}  // namespace platform::internal
