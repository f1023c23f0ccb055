// Paths as the system stores them: text with '\' or '/' separators and an
// optional drive. This module maps them onto the host file system.
#pragma once
#include <string>
#include <string_view>

namespace platform {

bool is_separator(char c);
// Everything before the last separator ("" when there is none).
std::string_view directory_of(std::string_view path);
// Everything after the last separator.
std::string_view file_name_of(std::string_view path);
// The extension with its dot, "" when the file name has none.
std::string_view extension_of(std::string_view path);
// path with its extension replaced by ext (which starts with a dot).
std::string replace_extension(std::string_view path, std::string_view ext);
// A file name or path in lower case, as the system keeps the names it looks
// up without regard to case; a host path ("/srv/Help/pic.bmp", "art/Pic.bmp")
// keeps its spelling, since the host's folders tell case apart and nothing
// maps a lowered one back for the user. Bare names and the drive form
// ("c:\help\pic.bmp") are lowered: they resolve through the real entries.
std::string lower_unless_host_path(std::string_view path);
// True for "c:..." (the drive form).
bool has_drive(std::string_view path);
// True for "c:..." and for paths starting with a separator.
bool is_absolute(std::string_view path);
// dir + separator + name, using the separator dir already uses ('\' by default).
std::string join_path(std::string_view dir, std::string_view name);

// The user's root folder: holds the Windows directory and drive c:.
// Set by set_root_folder, else TARVENWICK_ROOT, else $XDG_DATA_HOME/tarvenwick,
// else $HOME/.local/share/tarvenwick.
std::string root_folder();
void set_root_folder(std::string host_folder);
// <root>/windows, created on first use: home of the bare-named settings files.
std::string windows_directory();

// Drive table, Wine-style: c: is the root folder, z: is "/" unless changed.
void set_drive(char letter, std::string host_folder);
std::string drive_folder(char letter);  // "" when unmapped
// set_drive with an empty folder unmaps the letter; this restores the
// defaults (c: the root folder, z: "/", nothing else mapped).
void reset_drives();

// Maps a system path to a host path: drive letters through the drive table,
// '\' to '/', and each existing component resolved without regard to case.
// Components that do not exist are kept as written.
std::string to_host_path(std::string_view path);
// Maps a host path back to system form ("c:\..." under the root folder,
// "z:\..." otherwise for absolute paths; relative paths keep their text).
std::string to_system_path(std::string_view host_path);

// True when path (system or host form) names folder itself or something
// inside it, after ".." and symbolic links are resolved.
bool is_within(std::string_view folder, std::string_view path);

std::string current_directory();  // host form
bool set_current_directory(std::string_view path);

}  // namespace platform
