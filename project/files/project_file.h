// The help project file (.hpj) on disk: reading it into the library state,
// regenerating it whole, and replacing single sections of projects that
// Help Workshop also edits.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "project/files/project_file_format.h"

namespace project {
struct ProjectState;
}
namespace ui {
class Dialog;
}

namespace project {

// Text of "Unable to create %s.  Check that filename is valid."
inline constexpr int kUnableToCreateText = 10032;
// Text of "You must close the help project file before proceeding."
inline constexpr int kCloseProjectFileText = 10026;
// The emulation macro lines, string resources 5000 to 5014.
inline constexpr int kFirstEmulationLine = 5000;
inline constexpr int kEmulationLineCount = 15;

// The sections that a Windows 95 project gets replaced one at a time
// ([BUILDTAGS] too, so that a tag added by AddTAG reaches the compiler).
enum class SectionKind { config = 0, files = 1, alias = 2, map = 3, build_tags = 4 };

// The form and context of the current project's file.
FormContext form_context(const ProjectState& state);

// Writes the whole project file at path from the library state; 1 written,
// 0 not (the old file is then left in place). A window asks for the file
// name to be checked first, with a message when it is not valid.
int WriteProjectFile(ProjectState& state, std::int32_t window, std::string_view path);
// Reads the project file named by the state's project path into the state;
// 1, or 0 when another program holds it locked or it is not a help project
// file (after telling the user), or no project is set.
int ReadProjectFile(ProjectState& state);
// Tells the user that the project file is held or was changed by another
// program, so it is neither read nor written over now.
void tell_changed_on_disk(ProjectState& state);
// Replaces one section of the project file in place (Windows 95 projects).
int ReplaceProjectSection(ProjectState& state, SectionKind kind);
// Deletes every section of this name from the file; 1 when the file was rewritten.
int RemoveSection(std::string_view path, std::string_view section);
// Copies a section's lines into out (each "\n"-ended); 1 when the section exists.
int CopySection(std::string_view file, std::string_view section, std::string& out, int mode);
// Fills a combo box with the window names of [WINDOWS] (mode 0, "main"
// first) or [POPUPS] (mode 1); returns the number of names.
int ListWindowNames(ui::Dialog& dialog, int combo_id, std::string_view path, int mode);

// The line end a rewrite writes: the previous file's own, CR LF for a new
// file (or one without line ends).
std::string line_end_for(const std::optional<std::string>& previous);

// True (after telling the user) when the file at path exists but is not a
// help project file: such a file is neither read nor written over.
bool refuse_foreign_file(const ProjectState& state, std::string_view path);

// True when path names a file that could be created: a name without the
// characters file names cannot hold, in an existing folder.
bool valid_file_name(std::string_view path);

}  // namespace project
