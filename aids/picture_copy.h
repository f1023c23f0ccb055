// Pictures chosen outside the bitmap roots: the compiler finds a picture by
// its bare name only in a bitmap root, so the copy offered goes to the
// project folder when that is a root and to the first root otherwise, and
// never replaces a different picture of the same name.
#pragma once
#include <string>
#include <string_view>

namespace project {
struct ProjectState;
}

namespace aids {

// True when the roots find this very file by its name (not another file of
// the same name in an earlier root).
bool in_bitmap_roots(const project::ProjectState& state, std::string_view path);

// The project folder as the roots name it (host form).
std::string project_folder_of(const project::ProjectState& state);
// The folder a copy goes to (host form): the project folder when it is a
// bitmap root, else the first root.
std::string picture_copy_folder(const project::ProjectState& state);

enum class PictureCopyOutcome {
  copied,
  already_there,  // the folder holds the same bytes under that name
  other_file,     // the folder holds a different file of that name: left alone
  failed,
};

// Copies the picture at from into folder under its own name.
PictureCopyOutcome copy_picture(std::string_view from, std::string_view folder);

// How a picture copied to copy_path is named in the topic: its bare name
// when the roots find the copy by it, else the copy's path (system form).
std::string picture_reference(const project::ProjectState& state, std::string_view copy_path);

}  // namespace aids
