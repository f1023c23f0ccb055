#include "html/pages/signature.h"

#include "html/text/html_text.h"
#include "platform/clock.h"
#include "platform/text.h"

namespace html {

namespace {

// "[text]" becomes a mailto link to the address.
std::string mail_links(std::string_view line, std::string_view address) {
  std::string out;
  std::size_t pos = 0;
  for (;;) {
    std::size_t open = line.find('[', pos);
    std::size_t close = open == std::string_view::npos ? open : line.find(']', open + 1);
    if (close == std::string_view::npos) break;
    out += line.substr(pos, open - pos);
    out += "<A HREF=\"mailto:" + std::string(address) + "\">" +
           std::string(line.substr(open + 1, close - open - 1)) + "</A>";
    pos = close + 1;
  }
  out += line.substr(pos);
  return out;
}

}  // namespace

int write_signature(std::string& out, const wizard::PageSettings& s, std::string_view today) {
  if (s.sig.empty()) return 0;
  const wizard::SignatureOptions& v = s.sigv;
  std::string open, close;
  if (v.html == 0) {
    open = "<P>";
    if (v.alignment == 1) open += "<CENTER>";
    if (v.alignment == 2) open += "<DIV ALIGN=right>";
    if (v.italic != 0) open += "<I>";
    if (v.bold != 0) open += "<B>";
    // Closed in the reverse order of opening, so the tags nest.
    if (v.bold != 0) close += "</B>";
    if (v.italic != 0) close += "</I>";
    if (v.alignment == 1) close += "</CENTER>";
    if (v.alignment == 2) close += "</DIV>";
    close += "</P>";
  }
  bool mail = v.email_link != 0 && !text::trim(s.se).empty();
  out += open;
  for (std::string& line : text::split(s.sig, '\r')) {
    if (!line.empty() && line.front() == '\n') line.erase(0, 1);
    replace_all(line, kTodayPlaceholder, today);
    out += (mail ? mail_links(line, text::trim(s.se)) : line) + "<BR>\r\n";
  }
  if (!close.empty()) out += close + "\r\n";
  return 1;
}

int write_signature(std::string& out, const wizard::PageSettings& s) {
  return write_signature(out, s, platform::long_date(platform::local_time()));
}

}  // namespace html
