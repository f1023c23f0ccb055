// The desktop's own boxes: message boxes with their icons and button sets,
// file and colour choosers.
#pragma once
#include <QWidget>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/ui/host.h"

namespace ui::gui {

// Returns the id of the button pressed (kIdOk, kIdYes, ...); closing the
// box answers Cancel where it has one, else its default.
int show_message_box(QWidget* owner, std::string_view text, std::string_view caption, std::uint32_t flags);
// A host path, as the person chose it.
std::optional<std::string> show_file_dialog(QWidget* owner, const FileDialogRequest& request);
std::optional<std::uint32_t> show_colour_dialog(QWidget* owner, std::uint32_t initial, CustomColours& custom);

}  // namespace ui::gui
