// The pieces the page framer puts around a page's body: the BODY tag with
// the page kind's colours, the header and footer files' bodies, the head
// code, the local table of contents and the rules of the layout strings.
#pragma once
#include <string>
#include <string_view>

#include "wizard/project_settings.h"

namespace html {

// The most of a header, footer or master page body that is used.
inline constexpr std::size_t kBodyContentBytes = 300000;
// The mark a page's local table of contents ends with.
inline constexpr std::string_view kLocalTocDone = "<! DONE>";

// What lies between the "<BODY" tag's ">" and "</BODY" (the whole text when
// there is no BODY tag), at most kBodyContentBytes.
std::string body_content(std::string_view html);

// The body of the header or footer file at path, "" when it cannot be read.
std::string page_part_file(std::string_view path);

// The BODY tag for a page kind, "" when the kind has no background, no text
// colours and no extra BODY attributes (the page's own tag then stays).
// With "allsame" the topic pages' colours and background serve every kind.
std::string body_tag(const wizard::PageSettings& s, wizard::PageKind kind);

// The BASEFONT tag of the base font face, "" without a face.
std::string base_font_tag(const wizard::PageSettings& s);

// The rule of a layout string: the rule graphic, or a horizontal rule.
std::string layout_rule(const wizard::RuleOptions& rule);

// Reads a page's local table of contents from its ".toc" file (the lines
// before "<! DONE>") and deletes the file; "" when there is none or it holds
// no link.
std::string take_local_toc(std::string_view page);

// The ".toc" file beside a page.
std::string local_toc_path(std::string_view page);

}  // namespace html
