#include "platform/browser_query.h"

namespace platform {

namespace {

// No browser on this platform answers such requests.
class NoBrowser : public BrowserChannel {
 public:
  std::optional<std::string> request(std::string_view, std::string_view, std::string_view,
                                     int) override {
    return std::nullopt;
  }
};

std::unique_ptr<BrowserChannel>& current() {
  static std::unique_ptr<BrowserChannel> channel = std::make_unique<NoBrowser>();
  return channel;
}

}  // namespace

BrowserChannel& browser_channel() { return *current(); }

void set_browser_channel(std::unique_ptr<BrowserChannel> channel) {
  current() = channel ? std::move(channel) : std::make_unique<NoBrowser>();
}

}  // namespace platform
