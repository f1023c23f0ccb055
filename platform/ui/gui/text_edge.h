// Text at the desktop's edge: the system keeps code page 1252 bytes, Qt
// shows Unicode. Nothing else in the GUI host converts text.
#pragma once
#include <QString>
#include <string>
#include <string_view>

namespace ui::gui {

QString from_host_text(std::string_view bytes);
// Characters code page 1252 lacks become '?'.
std::string to_host_text(const QString& text);

// Multi-line fields keep CR LF in the model and LF in the widget.
QString from_host_lines(std::string_view bytes);
std::string to_host_lines(const QString& text);

// What a program printed: UTF-8 where it reads as UTF-8 (paths as the user
// typed them), code page 1252 otherwise.
QString from_output_text(std::string_view bytes);

// A control's caption with its "&" accelerator as Qt reads it ("&&" stays
// a literal ampersand in both); no_prefix shows every '&' as it is.
QString caption_text(std::string_view bytes, bool no_prefix = false);

}  // namespace ui::gui
