#include "tools/helpc/hlp/system_file.h"

#include "tools/helpc/hlp/bytes.h"

namespace hlp {
namespace {

constexpr std::uint16_t kSystemMagic = 0x036C;
constexpr std::uint16_t kMinorWin95 = 33;
constexpr std::uint16_t kMajor = 1;
constexpr std::uint16_t kFlagCompressed = 0x0004;

enum Record : std::uint16_t { kTitle = 1, kCopyright = 2, kContents = 3, kConfig = 4, kWindow = 6, kCnt = 10 };

void record(Bytes& out, Record type, const std::string& data) {
  out.u16(type);
  out.u16(static_cast<std::uint32_t>(data.size()));
  out.raw(data);
}

std::string zstring(const std::string& s) { return s + std::string(1, '\0'); }

// A window definition: which fields are given, then the fields.
std::string window_record(const project::WindowRecord& w) {
  std::uint16_t flags = 0x0002;  // the name
  if (!w.caption.empty()) flags |= 0x0004;
  const bool placed = w.x != project::kNoPosition;
  if (placed) flags |= 0x0008 | 0x0010 | 0x0020 | 0x0040;
  if (w.show_state != 0) flags |= 0x0080;
  if (w.main_colour != project::kNoColour) flags |= 0x0100;
  if (w.nonscroll_colour != project::kNoColour) flags |= 0x0200;
  if (w.on_top != 0) flags |= 0x0400;
  Bytes out;
  out.u16(flags);
  out.fixed("", 10);  // type
  out.fixed(w.name.substr(0, 8), 9);
  out.fixed(w.caption.substr(0, 50), 51);
  out.u16(placed ? static_cast<std::uint32_t>(w.x) : 0);
  out.u16(placed ? static_cast<std::uint32_t>(w.y) : 0);
  out.u16(placed ? static_cast<std::uint32_t>(w.width) : 0);
  out.u16(placed ? static_cast<std::uint32_t>(w.height) : 0);
  out.u16(static_cast<std::uint32_t>(w.show_state));
  for (std::int32_t colour : {w.main_colour, w.nonscroll_colour}) {
    std::uint32_t c = colour == project::kNoColour ? 0 : static_cast<std::uint32_t>(colour);
    out.u8(c);  // red is the low byte
    out.u8(c >> 8);
    out.u8(c >> 16);
    out.u8(0);
  }
  return out.take();
}

}  // namespace

std::string render_system(const SystemInfo& info) {
  Bytes out;
  out.u16(kSystemMagic);
  out.u16(kMinorWin95);
  out.u16(kMajor);
  out.u32(info.date);
  out.u16(info.compressed ? kFlagCompressed : 0);  // 4 KB blocks either way
  record(out, kTitle, zstring(info.title));
  record(out, kCopyright, zstring(info.copyright));
  Bytes contents;
  contents.i32(info.contents_topic);
  record(out, kContents, contents.str());
  for (const auto& macro : info.config_macros) record(out, kConfig, zstring(macro));
  for (const auto& window : info.windows) record(out, kWindow, window_record(window));
  if (!info.contents_file.empty()) record(out, kCnt, zstring(info.contents_file));
  return out.take();
}

}  // namespace hlp
