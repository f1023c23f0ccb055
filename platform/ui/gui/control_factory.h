// Widgets for the controls of a template, one kind each: the control model
// (platform/ui/controls.h) decides the kind, the style bits the details.
#pragma once
#include <QWidget>

#include "platform/ui/controls.h"
#include "platform/ui/gui/dialog_metrics.h"

namespace ui::gui {

// Style bits the widgets read.
namespace style {
constexpr std::uint32_t kStaticType = 0x1F, kStaticCentre = 0x1, kStaticRight = 0x2, kStaticIcon = 0x3,
                        kStaticSimple = 0xB, kStaticNoWrap = 0xC, kStaticOwnerDraw = 0xD,
                        kStaticBitmap = 0xE, kStaticNoPrefix = 0x80;
constexpr std::uint32_t kEditCentre = 0x1, kEditRight = 0x2, kEditMultiLine = 0x4, kEditUpper = 0x8,
                        kEditLower = 0x10, kEditPassword = 0x20, kEditReadOnly = 0x800,
                        kEditWantReturn = 0x1000;
constexpr std::uint32_t kListMultiple = 0x8, kListOwnerFixed = 0x10, kListOwnerVariable = 0x20,
                        kListTabStops = 0x80, kListExtended = 0x800;
constexpr std::uint32_t kComboType = 0x3, kComboDropList = 0x3, kComboOwnerFixed = 0x10,
                        kComboOwnerVariable = 0x20;
constexpr std::uint32_t kButtonType = 0xF, kDefPushButton = 0x1, kButtonOwnerDraw = 0xB;
constexpr std::uint32_t kBorder = 0x00800000;
constexpr std::uint32_t kTopmost = 0x8;  // WS_EX_TOPMOST
}  // namespace style

// Owner-drawn: the procedure paints it (a painted static, an owner-drawn list
// or button).
bool owner_drawn(const detail::ControlState& c);

// The widget for a control, made as a child of parent; placed and filled by
// the dialog window's sync.
QWidget* make_control(const detail::ControlState& c, const DialogMetrics& metrics, QWidget* parent);

}  // namespace ui::gui
