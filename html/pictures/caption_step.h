// Captions and thumbnails the caller marks in a page: a caption becomes a
// centred link to the picture it holds, a thumbnail a centred link to its
// full-size picture.
#pragma once
#include <string>

namespace html {

class ReadOn;

// "LFCBCAP" ... "LFCECAP" (or up to the paragraph's end): the caption's
// text, its tags removed, linked to the SRC of the first IMG inside it.
void link_captions(std::string& buffer, ReadOn& more);

// "!!lfcg" <full picture> ... "LFCTHUMB" <thumbnail>: the thumbnail linked
// to the full picture, which leaves the page. Without a thumbnail both
// markers are removed.
void link_thumbnails(std::string& buffer, ReadOn& more);

}  // namespace html
