// The first run of a program fills <root>/trvwck (the installation directory
// c:\trvwck) from the shipped data and points the settings at it.
#pragma once
#include <string>

namespace host {

// Folder of the shipped data: the installed share folder, or the source
// tree's data/ when running from the build tree.
std::string shipped_data_folder();
// Folder of the product's published help: installed, share/doc/tarvenwick/help
// seen from twhost's own folder; in the build tree, docs/help. "" when neither
// holds a publication.
std::string product_help_folder();
// Copies the shipped data into <root>/trvwck (files already there are kept) and
// writes the installation's settings that are still missing.
void ensure_installation();
// The installation's program folder, home of the stand-ins for outside
// programs (the help compilers): installed, lib/tarvenwick/bin seen from
// twhost's own folder; in the build tree, its bin/. "" when neither exists.
std::string program_folder();
// Lets program starts (and the compile driver's search) find the stand-ins:
// registers program_folder() with the platform's program search.
void add_installed_programs();

}  // namespace host
