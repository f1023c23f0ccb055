#include "tools/helpc/hlp/font_table.h"

#include "platform/text.h"
#include "tools/helpc/hlp/bytes.h"

namespace hlp {
namespace {

constexpr std::size_t kFaceNameSize = 20;

// The font family WinHelp asks Windows for: modern 1, roman 2, swiss 3,
// for the faces projects use most; 0 lets Windows choose.
std::uint8_t family_of(const std::string& face) {
  if (text::iequals(face, "Courier New") || text::iequals(face, "Courier")) return 1;
  if (text::iequals(face, "Times New Roman") || text::iequals(face, "Times")) return 2;
  if (text::iequals(face, "Arial") || text::iequals(face, "Helvetica") ||
      text::iequals(face, "MS Sans Serif"))
    return 3;
  return 0;
}

}  // namespace

int FontTable::face_index(const std::string& face) {
  for (std::size_t i = 0; i < faces_.size(); ++i) {
    if (text::iequals(faces_[i], face)) return static_cast<int>(i);
  }
  faces_.push_back(face);
  return static_cast<int>(faces_.size() - 1);
}

int FontTable::descriptor(const FontDescriptor& font) {
  auto found = numbers_.find(font);
  if (found != numbers_.end()) return found->second;
  face_of_.push_back(face_index(font.face));
  int number = static_cast<int>(descriptors_.size());
  descriptors_.push_back(font);
  numbers_.emplace(font, number);
  return number;
}

std::string FontTable::render() const {
  std::vector<std::string> faces = faces_;
  if (faces.empty()) faces.push_back("Arial");  // the face length is taken from the count
  Bytes out;
  out.u16(static_cast<std::uint32_t>(faces.size()));
  out.u16(static_cast<std::uint32_t>(descriptors_.size()));
  out.u16(8);
  out.u16(static_cast<std::uint32_t>(8 + faces.size() * kFaceNameSize));
  for (const auto& face : faces) out.fixed(face.substr(0, kFaceNameSize - 1), kFaceNameSize);
  for (const auto& d : descriptors_) {
    out.u8(d.attributes);
    out.u8(d.half_points);
    out.u8(family_of(d.face));
    out.u16(static_cast<std::uint32_t>(face_of_[&d - descriptors_.data()]));
    out.u8(d.rgb >> 16);
    out.u8(d.rgb >> 8);
    out.u8(d.rgb);
    out.u8(0xFF);  // background: white
    out.u8(0xFF);
    out.u8(0xFF);
  }
  return out.take();
}

}  // namespace hlp
