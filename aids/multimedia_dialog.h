// Multimedia elements (InsertMultiMedia, "DLG_MULTIM") and the picture
// refresh choice (UpdatePictures, "DLG_UPPICT").
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include "formats/help_contexts.h"

namespace project {
struct ProjectState;
}

namespace aids {

inline constexpr int kStrSelectMultimedia = 10060;  // "You must select a multimedia file."
inline constexpr std::string_view kMediaPlayerCommand = "mplayer.exe %s";
inline constexpr int kMultimediaHelpContext = help_contexts::kMultimedia;

// InsertMultiMedia: element holds the element's text (in, may be empty)
// and receives the new one; document is emptied when WYSIWYG pictures are
// off. 1 OK, 0 Cancel or a project that cannot show multimedia.
int InsertMultiMedia(project::ProjectState& state, std::int32_t window, std::string& element,
                     std::string& document);

// UpdatePictures: 1 refresh this document's pictures, 2 show its picture
// codes, 3 and 4 the same for every document of the project, 0 Cancel.
int UpdatePictures(project::ProjectState& state, std::int32_t window, std::string_view document);

}  // namespace aids
