// The first run of a program fills <root>/trvwck (the installation directory
// c:\trvwck) from the shipped data and points the settings at it.
#pragma once
#include <string>

namespace host {

// Folder of the shipped data: the installed share folder, or the source
// tree's data/ when running from the build tree.
std::string shipped_data_folder();
// Copies the shipped data into <root>/trvwck (files already there are kept) and
// writes the installation's settings that are still missing.
void ensure_installation();
// Lets program starts find the installation's stand-ins for outside programs
// (the help compilers): bin/ beside the program, or the build tree's bin/.
void add_installed_programs();

}  // namespace host
