// The topics of the wizard's own help file ("Locations"/"help file") that
// the wizard's dialogs open with their Help buttons, numbered once here.
#pragma once
#include <cstdint>

#include "wizard/library_settings.h"

namespace wizard::help_topic {

inline constexpr int kStart = 1019;
inline constexpr int kHeadCode = 4018;
inline constexpr int kCssExamples = 4019;
// The option dialogs, in the order of their exports.
inline constexpr int kNavButtons = 4001;
inline constexpr int kPageLayout = 4002;
inline constexpr int kTableFormat = 4003;
inline constexpr int kPageProperties = 4004;
inline constexpr int kHtmlHelpToc = 4005;
inline constexpr int kToc = 4006;
inline constexpr int kIndex = 4007;
inline constexpr int kHtmlHelpIndex = 4008;
inline constexpr int kHeadings = 4009;
inline constexpr int kCrossReferences = 4010;
inline constexpr int kTranslations = 4011;
inline constexpr int kAdvanced = 4012;

}  // namespace wizard::help_topic

namespace wizard {

// Opens topic of the wizard's help file in the help viewer; nothing happens
// when the settings name no help file or the topic is 0.
void show_help_topic(const LibrarySettings& library, std::int32_t owner, int topic);

}  // namespace wizard
