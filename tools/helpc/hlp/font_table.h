// |FONT: the face names the topics use and one descriptor for each
// combination of face, size, colour and attributes met in the text. Topic
// text switches between descriptors by number.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace hlp {

// Descriptor attribute bits.
inline constexpr std::uint8_t kFontBold = 0x01;
inline constexpr std::uint8_t kFontItalic = 0x02;
inline constexpr std::uint8_t kFontUnderline = 0x04;
inline constexpr std::uint8_t kFontStrike = 0x08;
inline constexpr std::uint8_t kFontDoubleUnderline = 0x10;
inline constexpr std::uint8_t kFontLinkAttributes = kFontUnderline | kFontStrike | kFontDoubleUnderline;

struct FontDescriptor {
  std::uint8_t attributes = 0;
  std::uint8_t half_points = 20;
  std::string face;
  std::uint32_t rgb = 0;  // 0xRRGGBB
  auto key() const { return std::tie(attributes, half_points, face, rgb); }
  bool operator<(const FontDescriptor& o) const { return key() < o.key(); }
};

class FontTable {
 public:
  // The descriptor's number, added when new.
  int descriptor(const FontDescriptor& font);
  std::size_t size() const { return descriptors_.size(); }
  const FontDescriptor& at(int number) const { return descriptors_[static_cast<std::size_t>(number)]; }
  // Descriptor and face numbers are 16-bit in the file.
  bool fits() const { return descriptors_.size() <= 0xFFFF && faces_.size() <= 0xFFFF; }
  std::string render() const;

 private:
  int face_index(const std::string& face);
  std::vector<std::string> faces_;
  std::vector<FontDescriptor> descriptors_;
  std::vector<int> face_of_;  // each descriptor's face index
  std::map<FontDescriptor, int> numbers_;
};

}  // namespace hlp
