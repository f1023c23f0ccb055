#include "tools/helpc/hlp/hotspot_picture.h"

#include <vector>

#include "tools/helpc/hlp/bytes.h"
#include "tools/helpc/hlp/context_hash.h"

namespace hlp {
namespace {

constexpr std::uint16_t kPictureMagic = 0x506C;       // "lP": .shg and stored pictures
constexpr std::uint16_t kResolutionsMagic = 0x706C;   // "lp": .mrb
constexpr std::uint8_t kBitmapDevice = 5, kBitmapIndependent = 6, kMetafile = 8;
constexpr std::size_t kHotspotRecord = 15;  // three kind bytes, four words, the number
constexpr std::size_t kHotspotHead = 7;     // a byte, the count, the macro data size

struct HotspotTable {
  std::size_t at = 0;  // from the file's start
  std::size_t size = 0;
};

// Where a picture's hotspot table lies; nullopt for an unknown kind or a
// header cut short. A picture without hotspots answers size 0.
std::optional<HotspotTable> hotspot_table(std::string_view file, std::size_t picture_at) {
  Reader in(file, picture_at);
  auto type = in.u8();
  auto packing = in.u8();
  if (!type || !packing || *packing > 3) return std::nullopt;
  if (*type == kBitmapDevice || *type == kBitmapIndependent) {
    for (int i = 0; i < 2; ++i) in.packed_u32();  // resolution
    for (int i = 0; i < 2; ++i) in.packed_u16();  // planes, bits
    for (int i = 0; i < 5; ++i) in.packed_u32();  // size, colours, packed size
  } else if (*type == kMetafile) {
    in.packed_u16();  // mapping mode
    in.skip(4);       // width, height
    for (int i = 0; i < 2; ++i) in.packed_u32();  // unpacked and packed size
  } else {
    return std::nullopt;
  }
  auto size = in.packed_u32();
  in.u32();  // the picture data's offset
  auto offset = in.u32();
  if (!size || !offset) return std::nullopt;
  if (*size == 0) return HotspotTable{};
  const std::size_t at = picture_at + *offset;
  if (at < picture_at || at > file.size() || *size > file.size() - at) return std::nullopt;
  return HotspotTable{at, *size};
}

// Jump and pop-up kinds: 0xE2 pop-up, 0xE3 jump; +4 without a font
// change; +8 bound to a window or another file, the binding read as
// written.
bool is_jump_or_popup(std::uint8_t kind) { return (kind & 0xF2) == 0xE2; }
constexpr std::uint8_t kNoFontChange = 0x04, kFar = 0x08;

// Files each jump and pop-up hotspot under its context's number; answers
// the number of hotspots, nullopt when the table is cut short.
std::optional<int> bind_hotspots(std::string& file, const HotspotTable& table) {
  if (table.size == 0) return 0;
  std::string_view bytes = std::string_view(file).substr(table.at, table.size);
  Reader head(bytes);
  head.u8();
  auto count = head.u16();
  auto macro_size = head.u32();
  if (!count || !macro_size) return std::nullopt;
  const std::size_t records = kHotspotHead;
  if (*count * kHotspotRecord > bytes.size() - records) return std::nullopt;
  std::size_t strings = records + *count * kHotspotRecord;
  if (*macro_size > bytes.size() - strings) return std::nullopt;
  Reader names(bytes, strings + *macro_size);
  std::vector<std::string> bindings;
  for (std::uint32_t i = 0; i < *count; ++i) {
    auto name = names.sz();
    auto binding = names.sz();
    if (!name || !binding) return std::nullopt;
    bindings.push_back(std::move(*binding));
  }
  for (std::uint32_t i = 0; i < *count; ++i) {
    const std::size_t record = table.at + records + i * kHotspotRecord;
    auto kind = static_cast<std::uint8_t>(file[record]);
    if (!is_jump_or_popup(kind)) continue;  // macros keep their binding
    const std::string& binding = bindings[i];
    const std::size_t context_end = binding.find_first_of(">@");
    // A region has no text whose font could change; the viewer knows only
    // these kinds in a picture.
    kind |= kNoFontChange;
    kind = context_end != std::string::npos ? kind | kFar : kind & ~kFar;
    file[record] = static_cast<char>(kind);
    Bytes hash;
    hash.i32(context_hash(std::string_view(binding).substr(0, context_end)));
    file.replace(record + 11, 4, hash.str());
  }
  return static_cast<int>(*count);
}

// The table's length: its head, records, macro data and the name and
// binding of each hotspot; nullopt when any of them is cut short.
std::optional<std::size_t> hotspot_table_length(std::string_view bytes) {
  Reader head(bytes);
  head.u8();
  auto count = head.u16();
  auto macro_size = head.u32();
  if (!count || !macro_size || *count == 0) return std::nullopt;
  if (*count * kHotspotRecord > bytes.size() - kHotspotHead) return std::nullopt;
  const std::size_t strings = kHotspotHead + *count * kHotspotRecord;
  if (*macro_size > bytes.size() - strings) return std::nullopt;
  Reader names(bytes, strings + *macro_size);
  for (std::uint32_t i = 0; i < 2 * *count; ++i) {
    if (!names.sz()) return std::nullopt;
  }
  return names.at();
}

}  // namespace

std::optional<std::string> hotspots_without_picture(std::string_view file) {
  constexpr std::size_t kShortFormLimit = 65535, kTableLead = 8;
  Reader in(file);
  in.u16();
  auto count = in.u16();
  auto first_picture = in.u32();
  if (!is_picture_file(file) || !count || *count == 0 || !first_picture || *first_picture != 0) return std::nullopt;
  const bool long_form = file.size() > kShortFormLimit;
  Reader where(file, long_form ? 34 : 32);
  auto offset = long_form ? where.u32() : where.u16();
  if (!offset || *offset > file.size() || file.size() - *offset < kTableLead) return std::nullopt;
  std::string_view table = file.substr(*offset + kTableLead);
  auto length = hotspot_table_length(table);
  if (!length) return std::nullopt;
  return std::string(table.substr(0, *length));
}

bool is_picture_file(std::string_view bytes) {
  Reader in(bytes);
  auto magic = in.u16();
  return magic && (*magic == kPictureMagic || *magic == kResolutionsMagic);
}

std::optional<HotspotPicture> help_picture_from_picture_file(std::string_view file) {
  Reader in(file);
  in.u16();
  auto count = in.u16();
  if (!is_picture_file(file) || !count || *count == 0) return std::nullopt;
  HotspotPicture out;
  out.bytes = std::string(file);
  Bytes magic;
  magic.u16(kPictureMagic);
  out.bytes.replace(0, 2, magic.str());
  for (std::uint32_t i = 0; i < *count; ++i) {
    auto picture_at = in.u32();
    if (!picture_at || *picture_at >= file.size()) return std::nullopt;
    auto table = hotspot_table(file, *picture_at);
    if (!table) return std::nullopt;
    auto hotspots = bind_hotspots(out.bytes, *table);
    if (!hotspots) return std::nullopt;
    if (i == 0) out.hotspots = *hotspots;
  }
  return out;
}

}  // namespace hlp
