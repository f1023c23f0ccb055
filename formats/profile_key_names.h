// Names in the settings files that the caller (twhost) writes or reads and
// the libraries own: one spelling for both. The host reaches the libraries
// only through their C surfaces, so these live here, below both, rather
// than in a library's folder.
#pragma once
#include <string_view>

namespace profile_keys {

// TRVWCK6.INI in the Windows directory: the authoring library's settings.
inline constexpr std::string_view kAuthoringFile = "TRVWCK6.INI";
inline constexpr std::string_view kAuthoringSection = "TARVENWICK";
inline constexpr std::string_view kProject = "PROJECT";  // the current help project (.hpj)
inline constexpr std::string_view kMainDirectory = "Main Directory";
inline constexpr std::string_view kHelpFile = "help file";

// twzhtml.ini in the Windows directory: the conversion library's settings.
inline constexpr std::string_view kConversionFile = "twzhtml.ini";
inline constexpr std::string_view kProjectSection = "Project";
inline constexpr std::string_view kConversionProject = "proj";  // the wizard project (.lfc)
inline constexpr std::string_view kVarSection = "VAR";
inline constexpr std::string_view kQuick = "quick";
// What twhost publish overrides for its own run (pinned, never written).
inline constexpr std::string_view kLocationsSection = "Locations";
inline constexpr std::string_view kCompiler = "compiler";         // the HTML Help compiler
inline constexpr std::string_view kCompilerNotice = "comp msg";   // 1: the first-compile notice was shown
inline constexpr std::string_view kBrowserSection = "Browser";
inline constexpr std::string_view kRunBrowser = "run";            // 1: open the browser after a conversion

// A wizard project (.lfc).
inline constexpr std::string_view kTwhtmlSection = "TWHTML";
inline constexpr std::string_view kHpj = "hpj";  // the help project it converts
inline constexpr std::string_view kHtmlHelpSection = "HTMLHELP";
inline constexpr std::string_view kUseHtmlHelp = "use_htmlhelp";  // 1: an HTML Help project is made
inline constexpr std::string_view kSettingsSection = "Settings";
inline constexpr std::string_view kRuleFrom = "rulefrom";  // the rule graphic chosen
inline constexpr std::string_view kButtonFrom = "butfrom";  // the button style chosen
inline constexpr std::string_view kCopiedGraphics = "copied graphics";

}  // namespace profile_keys
