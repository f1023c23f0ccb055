// A stored path in an edit field the user may change. The field shows the
// host path, as users see paths on this system; what the user leaves or
// types goes back in the system's form. Text left as it was shown gives back
// the stored text exactly, so opening a dialog and pressing OK changes
// nothing in the files it writes.
#pragma once
#include <string>
#include <string_view>

namespace platform {

// The text a field shows for a stored path: the host path of the drive form
// ("z:\srv\Help\x.h" -> "/srv/Help/x.h"), anything else (a bare program
// name, a relative path, "") as it stands.
std::string shown_in_field(std::string_view stored);

// What to store for a field's text: `stored` itself when the trimmed text
// is what shown_in_field(stored) gave; a typed host path ("/srv/x.h") in
// the drive form; anything else trimmed, as typed.
std::string stored_from_field(std::string_view typed, std::string_view stored);

}  // namespace platform
