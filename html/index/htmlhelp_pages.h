// The two control pages of an HTML Help publication: the index page and the
// contents page, each holding the help control (Java applet or ActiveX
// object) that shows the project's sitemap.
#pragma once
#include <string>
#include <string_view>

namespace html {

// How the pages embed the help control.
struct HelpControl {
  bool java = true;      // [HTMLHELP] java_htmlhelp: the applet, else the object
  std::string codebase;  // twzhtml.ini hh_codebase, for the object
};

// The index page showing the keyword sitemap hhk_name (a file name).
std::string htmlhelp_index_page(const HelpControl& control, std::string_view hhk_name);

// The contents page showing the contents sitemap hhc_name (a file name).
std::string htmlhelp_contents_page(const HelpControl& control, std::string_view hhc_name);

}  // namespace html
