// The conversion library's one message routine and its resources.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/ui/host.h"
#include "resources/twzhtml/analysis.h"

namespace html {

// The caption of the conversion library's message boxes.
inline constexpr std::string_view kWizardCaption = "Tarvenwick HTML Wizard";

// String resources of the RTF analysis (resources/twzhtml/analysis.rc).
inline constexpr int kStrRtfMissing = 5201;        // "Could not locate RTF file %s. ..."
inline constexpr int kStrKeywordDbMissing = 5202;  // "cannot open Tarvenwick keyword database"

// The progress window shared by the long passes, and its meter.
inline constexpr std::string_view kProgressTemplate = "DLG_HTML_PROGRESS";
inline constexpr int kProgressMeterId = IDC_PROGRESS_METER;

// The module handle of the library's resources (registered on first use).
std::int32_t conversion_module();
// A string resource of the library, "" when missing.
std::string resource_string(int id);

// Shows a message box over the caller's window; returns the button pressed.
int show_message(std::string_view text, std::uint32_t flags = ui::kMbOk,
                 std::string_view caption = kWizardCaption);

}  // namespace html
