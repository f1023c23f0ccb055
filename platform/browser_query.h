// Asking a running web browser for the page it shows. Browsers of the
// system's time answered a request ("WWW_GetWindowInfo", item "-1") on a
// channel named after the browser; the channel here has the same shape.
// The channel of this platform finds no browser; tests install a stand-in.
#pragma once
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

class BrowserChannel {
 public:
  virtual ~BrowserChannel() = default;
  // The browser's answer to one request as text, or nullopt when no
  // browser of that service answers within timeout_ms.
  virtual std::optional<std::string> request(std::string_view service, std::string_view topic,
                                             std::string_view item, int timeout_ms) = 0;
};

// The process-wide channel (one that finds no browser unless set).
BrowserChannel& browser_channel();
void set_browser_channel(std::unique_ptr<BrowserChannel> channel);

}  // namespace platform
