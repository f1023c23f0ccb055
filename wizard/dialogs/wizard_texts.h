// The numbers of the wizard's texts in its resource scripts (wizard.rc,
// options.rc).
#pragma once

namespace wizard {

inline constexpr int kStrOverwriteProject = 6001;  // "A project with this name already exists. ..."
inline constexpr int kStrNoTemplate = 6002;        // "You must select a project to use as a template."
inline constexpr int kStrOverwriteSettings = 6003; // "All your project settings will be overwritten ..."
inline constexpr int kStrTemplateDescriptions = 6010;  // one per gallery choice, in order

inline constexpr int kStrNoButtonGraphic = 6101;
inline constexpr int kStrNoButtonUrl = 6102;
inline constexpr int kStrNoButtonText = 6103;
inline constexpr int kStrNoButtonLocation = 6104;
inline constexpr int kStrNoRuleGraphic = 6105;
inline constexpr int kStrNoEmail = 6106;
inline constexpr int kStrNoAutolinkFile = 6107;
inline constexpr int kStrNoStyleName = 6108;
inline constexpr int kStrNoTableFont = 6109;
inline constexpr int kStrNoCustomTags = 6110;
inline constexpr int kStrNoProperties = 6111;
inline constexpr int kStrNoText = 6112;
inline constexpr int kStrNoCompiler = 6113;
inline constexpr int kStrPlaceHeading = 6120;  // "Place Heading %d in:"

}  // namespace wizard
