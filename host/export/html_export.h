// The caller's "save as HTML": exports an RTF document (in particular a marker
// file written by the conversion library) as plain HTML in the manner of an
// older word processor's export. The conversion library's plain-text markers
// come through as text, each on one line.
#pragma once
#include <string>
#include <string_view>

namespace host::html_export {

// The generator named in the exported page's head.
inline constexpr std::string_view kGenerator = "Tarvenwick HTML Export 1.0";

// The whole HTML page for an RTF document. The title is the document's own
// ({\info{\title ...}}), else title_fallback. Lines end with CR LF.
std::string export_rtf_to_html(std::string_view rtf, std::string_view title_fallback);

// Where the HTML for an RTF or marker file goes unless told otherwise: the
// same path with the extension ".htm".
std::string html_path_for(std::string_view rtf_path);

// Reads the RTF or marker file at rtf_path (a system path), exports it and
// writes the HTML to html_path, or to html_path_for(rtf_path) when html_path
// is empty. The title falls back to the file name without its extension.
// False when the file cannot be read or the HTML cannot be written.
bool export_rtf_file(std::string_view rtf_path, std::string_view html_path = {});

}  // namespace host::html_export
