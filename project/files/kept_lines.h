// What a rewritten project file keeps of the file it replaces, as the author
// wrote it: comment lines stay in the section they were in (before the same
// entry when it is still there, else at the section's end), and a ROOT or
// ERRORLOG entry that already names the folder or file the new one names is
// kept, so that relative paths stay relative and the project can move.
#pragma once
#include <string>
#include <string_view>

#include "formats/hpj_text.h"

namespace project {

// The new text ("\n" line ends) with the previous file's comment lines put
// back where their sections are; comments the new text already holds and
// comments of sections it lacks are not added.
std::string keep_comment_lines(std::string_view new_text, const formats::HpjText& previous);

// The new text ("\n" line ends) with its [OPTIONS] ROOT and ERRORLOG lines
// replaced by the previous file's where those name the same folders or file.
std::string keep_named_paths(std::string_view new_text, const formats::HpjText& previous,
                             std::string_view project_folder);

}  // namespace project
