#include "aids/url_capture.h"

#include "platform/browser_query.h"
#include "platform/text.h"

namespace aids {

std::string parse_browser_answer(std::string_view answer) {
  std::string url(answer.substr(0, std::min(answer.size(), kBrowserAnswerMax)));
  if (size_t nul = url.find('\0'); nul != std::string::npos) url.resize(nul);
  if (size_t comma = url.find(','); comma != std::string::npos) url.resize(comma);
  const size_t first = url.find('"');
  const size_t last = url.rfind('"');
  if (first != std::string::npos) url[first] = ' ';
  if (last != std::string::npos) url[last] = ' ';
  return std::string(text::trim(url));
}

std::optional<std::string> capture_browser_url() {
  platform::BrowserChannel& channel = platform::browser_channel();
  for (std::string_view service : kBrowserServices) {
    auto answer = channel.request(service, kWindowInfoTopic, kWindowInfoItem, kBrowserTimeout);
    if (answer) return parse_browser_answer(*answer);
  }
  return std::nullopt;
}

std::string url_macro(std::string_view url, bool win95) {
  const std::string u(url);
  if (win95) return text::format("EF(`urlvane.exe', `>%s', 1, `')", u.c_str());
  return text::format("EP(`urlvane.exe >%s',1)", u.c_str());
}

}  // namespace aids
