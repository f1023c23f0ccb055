// Paths as the user sees them: host paths in the form typed on the command
// line, never the drive form ("z:\...") the libraries use inside.
#pragma once
#include <string>
#include <string_view>

namespace host {

// Remembers the folder twhost was started in: the libraries may change the
// current folder (GenFiles does), but the user's paths stay relative to it.
void remember_user_folder();
// The folder twhost was started in (host form).
const std::string& user_folder();

// A path from the command line in the system's form, made absolute so that
// the programs the libraries start (which run in other folders) find it too.
std::string argument_path(const std::string& path);
// A system path as the user sees it: the host path of the file (with the case
// it has on disk), relative to the user's folder when it lies inside it.
std::string shown_path(std::string_view system_path);
// A line of text (a compiler message) with every drive-form path in it
// shown as shown_path shows it. Such a path starts a word ("c:\...") and runs
// to the next colon or quote, less trailing blanks, so names with blanks
// stay whole.
std::string shown_paths_in(std::string_view line);

}  // namespace host
