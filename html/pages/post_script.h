// The post-conversion script: a program or document the project names, run
// on each page after the page writer.
#pragma once
#include <string_view>

namespace html {

struct ConversionRun;

// Start results (as the system's program start returns them).
inline constexpr int kStartNoAssociation = 31;
inline constexpr int kStartSucceeded = 32;  // results from here up are success
// The help topic that explains file associations.
inline constexpr std::string_view kAssociationHelp = "assoc.hlp";
inline constexpr std::string_view kAssociationWindow = "proc1";
inline constexpr int kAssociationTopic = 1000;

// Starts the script on a page: a program (a name with ".exe") with the page
// as its argument, else the document opened with the page as parameter.
// Returns the start result.
int start_post_script(std::string_view script, std::string_view page);

// Runs the project's script on a page; a failure is reported to the user and
// returns false.
bool run_post_script(const ConversionRun& run, std::string_view page);

}  // namespace html
