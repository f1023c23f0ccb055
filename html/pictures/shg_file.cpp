#include "html/pictures/shg_file.h"

#include "platform/text.h"

namespace html {

namespace {

// Files up to this size place the hotspot block with a 16-bit offset at 32,
// larger ones with a 32-bit offset at 34.
constexpr std::size_t kShortFormLimit = 65535;
constexpr std::size_t kShortHeader = 34, kLongHeader = 38;
constexpr std::size_t kBlockLead = 8;    // between the stored offset and the block
constexpr std::size_t kBlockHead = 7;    // byte, count, skip length, word
constexpr std::size_t kRecordBytes = 15; // type and two bytes, four words, a long

// Reads little-endian numbers and NUL-terminated strings, never past the end.
class Cursor {
 public:
  explicit Cursor(std::string_view bytes) : bytes_(bytes) {}
  bool has(std::size_t count, std::size_t at) const {
    return at <= bytes_.size() && count <= bytes_.size() - at;
  }
  std::uint32_t number(std::size_t at, int size) const {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
      value = value << 8 | static_cast<unsigned char>(bytes_[at + static_cast<std::size_t>(i)]);
    return value;
  }
  // The string at `at` up to its NUL (or the end); `at` moves past the NUL.
  std::string_view string(std::size_t& at) const {
    if (at >= bytes_.size()) return {};
    std::size_t end = bytes_.find('\0', at);
    if (end == std::string_view::npos) end = bytes_.size();
    std::string_view found = bytes_.substr(at, end - at);
    at = end + 1;
    return found;
  }

 private:
  std::string_view bytes_;
};

}  // namespace

std::vector<ShgHotspot> read_shg_hotspots(std::string_view bytes) {
  std::vector<ShgHotspot> hotspots;
  const Cursor in(bytes);
  const bool long_form = bytes.size() > kShortFormLimit;
  if (!in.has(long_form ? kLongHeader : kShortHeader, 0)) return hotspots;
  std::size_t at = (long_form ? in.number(34, 4) : in.number(32, 2)) + std::size_t{kBlockLead};
  if (!in.has(kBlockHead, at)) return hotspots;
  const std::size_t count = in.number(at + 1, 2);
  const std::size_t skip = in.number(at + 3, 2);
  at += kBlockHead;
  for (std::size_t i = 0; i < count && in.has(kRecordBytes, at); ++i, at += kRecordBytes) {
    ShgHotspot spot;
    spot.type = static_cast<int>(in.number(at, 1));
    spot.left = static_cast<int>(in.number(at + 3, 2));
    spot.top = static_cast<int>(in.number(at + 5, 2));
    spot.width = static_cast<int>(in.number(at + 7, 2));
    spot.height = static_cast<int>(in.number(at + 9, 2));
    hotspots.push_back(std::move(spot));
  }
  at += skip;
  for (ShgHotspot& spot : hotspots) {
    spot.name = std::string(in.string(at));
    spot.binding = text::cut(in.string(at), kBindingCut);
  }
  return hotspots;
}

}  // namespace html
