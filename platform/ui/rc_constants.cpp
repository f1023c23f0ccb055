// The window-style and command-id names a resource script may use without
// defining them, with their Windows values.
#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/ui/rc_expression.h"

namespace ui::rc {

namespace {

struct Constant {
  std::string_view name;
  std::uint32_t value;
};

// Kept sorted by name for the binary search below.
constexpr std::array kConstants = std::to_array<Constant>({
    {"BS_3STATE", 0x5}, {"BS_AUTO3STATE", 0x6}, {"BS_AUTOCHECKBOX", 0x3},
    {"BS_AUTORADIOBUTTON", 0x9}, {"BS_BITMAP", 0x80}, {"BS_BOTTOM", 0x800},
    {"BS_CENTER", 0x300}, {"BS_CHECKBOX", 0x2}, {"BS_DEFPUSHBUTTON", 0x1},
    {"BS_FLAT", 0x8000}, {"BS_GROUPBOX", 0x7}, {"BS_ICON", 0x40}, {"BS_LEFT", 0x100},
    {"BS_LEFTTEXT", 0x20}, {"BS_MULTILINE", 0x2000}, {"BS_NOTIFY", 0x4000},
    {"BS_OWNERDRAW", 0xB}, {"BS_PUSHBOX", 0xA}, {"BS_PUSHBUTTON", 0x0},
    {"BS_PUSHLIKE", 0x1000}, {"BS_RADIOBUTTON", 0x4}, {"BS_RIGHT", 0x200},
    {"BS_RIGHTBUTTON", 0x20}, {"BS_TEXT", 0x0}, {"BS_TOP", 0x400}, {"BS_USERBUTTON", 0x8},
    {"BS_VCENTER", 0xC00},
    {"CBS_AUTOHSCROLL", 0x40}, {"CBS_DISABLENOSCROLL", 0x800}, {"CBS_DROPDOWN", 0x2},
    {"CBS_DROPDOWNLIST", 0x3}, {"CBS_HASSTRINGS", 0x200}, {"CBS_LOWERCASE", 0x4000},
    {"CBS_NOINTEGRALHEIGHT", 0x400}, {"CBS_OEMCONVERT", 0x80}, {"CBS_OWNERDRAWFIXED", 0x10},
    {"CBS_OWNERDRAWVARIABLE", 0x20}, {"CBS_SIMPLE", 0x1}, {"CBS_SORT", 0x100},
    {"CBS_UPPERCASE", 0x2000},
    {"DS_3DLOOK", 0x4}, {"DS_ABSALIGN", 0x1}, {"DS_CENTER", 0x800}, {"DS_CENTERMOUSE", 0x1000},
    {"DS_CONTEXTHELP", 0x2000}, {"DS_CONTROL", 0x400}, {"DS_FIXEDSYS", 0x8},
    {"DS_LOCALEDIT", 0x20}, {"DS_MODALFRAME", 0x80}, {"DS_NOFAILCREATE", 0x10},
    {"DS_NOIDLEMSG", 0x100}, {"DS_SETFONT", 0x40}, {"DS_SETFOREGROUND", 0x200},
    {"DS_SHELLFONT", 0x48}, {"DS_SYSMODAL", 0x2},
    {"ES_AUTOHSCROLL", 0x80}, {"ES_AUTOVSCROLL", 0x40}, {"ES_CENTER", 0x1}, {"ES_LEFT", 0x0},
    {"ES_LOWERCASE", 0x10}, {"ES_MULTILINE", 0x4}, {"ES_NOHIDESEL", 0x100}, {"ES_NUMBER", 0x2000},
    {"ES_OEMCONVERT", 0x400}, {"ES_PASSWORD", 0x20}, {"ES_READONLY", 0x800}, {"ES_RIGHT", 0x2},
    {"ES_UPPERCASE", 0x8}, {"ES_WANTRETURN", 0x1000},
    {"IDABORT", 3}, {"IDCANCEL", 2}, {"IDC_STATIC", 0xFFFFFFFF}, {"IDHELP", 9}, {"IDIGNORE", 5},
    {"IDNO", 7}, {"IDOK", 1}, {"IDRETRY", 4}, {"IDYES", 6},
    {"LBS_DISABLENOSCROLL", 0x1000}, {"LBS_EXTENDEDSEL", 0x800}, {"LBS_HASSTRINGS", 0x40},
    {"LBS_MULTICOLUMN", 0x200}, {"LBS_MULTIPLESEL", 0x8}, {"LBS_NODATA", 0x2000},
    {"LBS_NOINTEGRALHEIGHT", 0x100}, {"LBS_NOREDRAW", 0x4}, {"LBS_NOSEL", 0x4000},
    {"LBS_NOTIFY", 0x1}, {"LBS_OWNERDRAWFIXED", 0x10}, {"LBS_OWNERDRAWVARIABLE", 0x20},
    {"LBS_SORT", 0x2}, {"LBS_STANDARD", 0xA00003}, {"LBS_USETABSTOPS", 0x80},
    {"LBS_WANTKEYBOARDINPUT", 0x400},
    {"PBS_SMOOTH", 0x1}, {"PBS_VERTICAL", 0x4},
    {"SBS_BOTTOMALIGN", 0x4}, {"SBS_HORZ", 0x0}, {"SBS_LEFTALIGN", 0x2},
    {"SBS_RIGHTALIGN", 0x4}, {"SBS_TOPALIGN", 0x2}, {"SBS_VERT", 0x1},
    {"SS_BITMAP", 0xE}, {"SS_BLACKFRAME", 0x7}, {"SS_BLACKRECT", 0x4}, {"SS_CENTER", 0x1},
    {"SS_CENTERIMAGE", 0x200}, {"SS_ETCHEDFRAME", 0x12}, {"SS_ETCHEDHORZ", 0x10},
    {"SS_ETCHEDVERT", 0x11}, {"SS_GRAYFRAME", 0x8}, {"SS_GRAYRECT", 0x5}, {"SS_ICON", 0x3},
    {"SS_LEFT", 0x0}, {"SS_LEFTNOWORDWRAP", 0xC}, {"SS_NOPREFIX", 0x80}, {"SS_NOTIFY", 0x100},
    {"SS_OWNERDRAW", 0xD}, {"SS_RIGHT", 0x2}, {"SS_RIGHTJUST", 0x400}, {"SS_SIMPLE", 0xB},
    {"SS_SUNKEN", 0x1000}, {"SS_USERITEM", 0xA}, {"SS_WHITEFRAME", 0x9}, {"SS_WHITERECT", 0x6},
    {"WS_BORDER", 0x00800000}, {"WS_CAPTION", 0x00C00000}, {"WS_CHILD", 0x40000000},
    {"WS_CHILDWINDOW", 0x40000000}, {"WS_CLIPCHILDREN", 0x02000000},
    {"WS_CLIPSIBLINGS", 0x04000000}, {"WS_DISABLED", 0x08000000}, {"WS_DLGFRAME", 0x00400000},
    {"WS_EX_ACCEPTFILES", 0x10}, {"WS_EX_APPWINDOW", 0x40000}, {"WS_EX_CLIENTEDGE", 0x200},
    {"WS_EX_CONTEXTHELP", 0x400}, {"WS_EX_CONTROLPARENT", 0x10000},
    {"WS_EX_DLGMODALFRAME", 0x1}, {"WS_EX_LEFT", 0x0}, {"WS_EX_NOPARENTNOTIFY", 0x4},
    {"WS_EX_RIGHT", 0x1000}, {"WS_EX_STATICEDGE", 0x20000}, {"WS_EX_TOOLWINDOW", 0x80},
    {"WS_EX_TOPMOST", 0x8}, {"WS_EX_TRANSPARENT", 0x20}, {"WS_EX_WINDOWEDGE", 0x100},
    {"WS_GROUP", 0x00020000}, {"WS_HSCROLL", 0x00100000}, {"WS_ICONIC", 0x20000000},
    {"WS_MAXIMIZE", 0x01000000}, {"WS_MAXIMIZEBOX", 0x00010000}, {"WS_MINIMIZE", 0x20000000},
    {"WS_MINIMIZEBOX", 0x00020000}, {"WS_OVERLAPPED", 0x0}, {"WS_OVERLAPPEDWINDOW", 0x00CF0000},
    {"WS_POPUP", 0x80000000}, {"WS_POPUPWINDOW", 0x80880000}, {"WS_SIZEBOX", 0x00040000},
    {"WS_SYSMENU", 0x00080000}, {"WS_TABSTOP", 0x00010000}, {"WS_THICKFRAME", 0x00040000},
    {"WS_TILED", 0x0}, {"WS_VISIBLE", 0x10000000}, {"WS_VSCROLL", 0x00200000},
});

constexpr bool sorted() {
  for (size_t i = 1; i < kConstants.size(); ++i)
    if (!(kConstants[i - 1].name < kConstants[i].name)) return false;
  return true;
}
static_assert(sorted(), "the constant table must stay sorted for lookup");

}  // namespace

std::optional<std::int64_t> builtin_constant(std::string_view name) {
  auto it = std::lower_bound(kConstants.begin(), kConstants.end(), name,
                             [](const Constant& c, std::string_view n) { return c.name < n; });
  if (it == kConstants.end() || it->name != name) return std::nullopt;
  if (name == "IDC_STATIC") return -1;
  return it->value;
}

}  // namespace ui::rc
