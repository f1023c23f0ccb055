// The tuple keys of a project's [Settings]: each value read into its record
// and written back in its stored format. Reading starts from the record's
// defaults, so a short or damaged value keeps the defaults of the fields it
// lacks.
#pragma once
#include <string>
#include <string_view>

#include "wizard/project_settings.h"

namespace wizard {

// "xref", "%d %d >%s"
CrossReferenceOptions parse_xref(std::string_view value);
std::string format_xref(const CrossReferenceOptions& xref);

// "fnames", "%d %d %s"; a length outside 0-260 becomes 40, the extension is cut.
FileNaming parse_fnames(std::string_view value);
std::string format_fnames(const FileNaming& naming);

// "base", "%d %s"
BaseFont parse_base(std::string_view value);
std::string format_base(const BaseFont& base);

// "wdmgn1", eight numbers
MarginLayout parse_wdmgn1(std::string_view value);
std::string format_wdmgn1(const MarginLayout& layout);

// "frm", "%d %d %d %d %d %s"
FrameOptions parse_frm(std::string_view value);
std::string format_frm(const FrameOptions& frames);

// "tocset", thirteen numbers
TocPageOptions parse_tocset(std::string_view value);
std::string format_tocset(const TocPageOptions& toc);

// "h0" ... "h6", "%d %d %d %d %d %d %d %ld %d %d %d %d >%s"
HeadingFormat parse_heading(std::string_view value);
std::string format_heading(const HeadingFormat& heading);

// "tabv", "%d %d %d %d %d %d %d %d %ld %ld"
TableOptions parse_tabv(std::string_view value);
std::string format_tabv(const TableOptions& table);

// "v2frameset", "%d %d %d %d"
FrameSetOptions parse_v2frameset(std::string_view value);
std::string format_v2frameset(const FrameSetOptions& frameset);

// "v2toc", "%d %d"
TocIndent parse_v2toc(std::string_view value);
std::string format_v2toc(const TocIndent& indent);

// "hv", "fv", "%d %d %d %d"
PageFileSwitch parse_page_file_switch(std::string_view value);
std::string format_page_file_switch(const PageFileSwitch& page_file);

// "longdoc", "%d %d %d %d" (read only)
std::array<int, 4> parse_longdoc(std::string_view value);

// "ctclr", "%d %d %d"
KindFlags parse_kind_flags(std::string_view value, KindFlags defaults);
std::string format_kind_flags(const KindFlags& flags);

// "bc", "tn", "tl", "ta", "tv", "%ld %ld %ld"
ColourTriple parse_colours(std::string_view value, ColourTriple defaults);
std::string format_colours(const ColourTriple& colours);

// "bg_toc", "bg_ix", "bg", "%d >%s"
Background parse_background(std::string_view value);
std::string format_background(const Background& background);

// "navbuts", thirteen numbers
NavBarOptions parse_navbuts(std::string_view value);
std::string format_navbuts(const NavBarOptions& bar);

// "rule0", "%s %s %d %d %d >%s"
RuleOptions parse_rule0(std::string_view value);
std::string format_rule0(const RuleOptions& rule);

// "sigv", nine numbers
SignatureOptions parse_sigv(std::string_view value);
std::string format_sigv(const SignatureOptions& signature);

// "sig": line breaks are stored as "~~".
std::string signature_from_stored(std::string_view stored);
std::string signature_to_stored(std::string_view signature);

}  // namespace wizard
