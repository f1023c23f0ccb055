// The authoring window's question before a link dialog: the text the reader
// clicks, which the word processor would take from the selection.
#pragma once
#include <optional>
#include <string>

namespace host {

// "DLG_HOTSPOT_TEXT" over the caller's window; the text as typed (trimmed,
// may be empty), nullopt when the person cancels.
std::optional<std::string> ask_hotspot_text();

}  // namespace host
