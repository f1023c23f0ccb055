// The keys of a conversion project file, section by section, in the order a
// new file gets them.
#pragma once
#include <span>
#include <string_view>

#include "formats/profile_key_names.h"
#include "wizard/key_table.h"
#include "wizard/project_settings.h"

namespace wizard {

// Sections of the options this library loads and saves.
inline constexpr std::string_view kTwhtmlSection = profile_keys::kTwhtmlSection;
inline constexpr std::string_view kHtmlHelpSection = profile_keys::kHtmlHelpSection;
inline constexpr std::string_view kExtensionsSection = "Extensions";
inline constexpr std::string_view kSettingsSection = profile_keys::kSettingsSection;
// Sections owned by the conversion driver and the batch control.
inline constexpr std::string_view kFilesSection = "Files";
inline constexpr std::string_view kHtmlSection = "HTML";
inline constexpr std::string_view kTranslationsSection = "Translations";

// [TWHTML]
std::span<const KeyField<SourceOptions>> source_keys();
// [HTMLHELP]
std::span<const KeyField<HtmlHelpOptions>> html_help_keys();
// [Extensions]
std::span<const KeyField<ExtensionOptions>> extension_keys();
// [Settings]
std::span<const KeyField<PageSettings>> page_setting_keys();

}  // namespace wizard
