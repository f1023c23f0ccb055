// The first run of a program fills <root>/trvwck (the installation directory
// c:\trvwck) from the shipped data and points the settings at it.
#pragma once
#include <string>

namespace host {

// Folder of the shipped data: the installed share folder, or the source
// tree's data/ when running from the build tree.
std::string shipped_data_folder();
// Copies the shipped data into <root>/trvwck unless it is there already and
// writes the installation's settings that are still missing.
void ensure_installation();

}  // namespace host
