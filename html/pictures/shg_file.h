// Hotspot graphics (".shg"): the clickable regions of a picture and the
// context strings or macros they are bound to. All numbers little-endian.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace html {

// Hotspot types that run a macro (visible and invisible): no link on the web.
inline constexpr int kMacroHotspot = 200;
inline constexpr int kInvisibleMacroHotspot = 204;

// The longest binding kept.
inline constexpr std::size_t kBindingCut = 99;

struct ShgHotspot {
  int type = 0;
  int left = 0, top = 0, width = 0, height = 0;
  std::string name;
  std::string binding;  // context, context@file, context>window, or a macro
};

// The hotspots of a hotspot graphic's bytes. A file shorter than its header
// has none; records cut off by the end of the file are dropped, and names
// and bindings the file lacks are empty.
std::vector<ShgHotspot> read_shg_hotspots(std::string_view bytes);

}  // namespace html
