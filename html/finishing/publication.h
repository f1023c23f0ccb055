// The finishing step of a conversion: the HTML Help compile, or opening the
// publication's start page in the chosen web browser.
#pragma once
#include <string>
#include <string_view>

namespace wizard {
struct BrowserSettings;
}

namespace html {

struct ConversionRun;

// The launcher of the installation that opens a publication, and the
// browser-switching tool it may start beside.
inline constexpr std::string_view kBrowserLauncher = "lfcbrws.exe";
inline constexpr std::string_view kBrowserFlipTool = "lfcflip.exe";
inline constexpr std::string_view kFlipWindowTitle = "Display HTML Publication in:";
// The page a web-based help publication starts with.
inline constexpr std::string_view kNetHelpStart = "nh_start.htm";

// The page a reader opens first: the frame page with frames, the web-based
// help start page, the only page, else the TOC page.
std::string start_page_path(const ConversionRun& run);

// A page path as the launcher's URL takes it: the first ":" becomes "|",
// every "\" a "/" (c:\pub\index.htm -> c|/pub/index.htm).
std::string target_of(std::string_view path);

// The program of a browser command: lower case, quotes dropped, cut after
// ".exe" (or at the first blank when it names no ".exe").
std::string browser_program(std::string_view command);

// Fills browser 1 (and 2 when the other known browser is there) from the
// desktop's default browser: "shell", else what the desktop reports.
void detect_default_browser(wizard::BrowserSettings& browser);

// Starts the HTML Help compiler on the .hhp without waiting for it (the
// first time after a notice) and stores the compiled file as the help
// project's "runhtml". Returns the start code (>= 32 on success).
int compile_html_help(ConversionRun& run);

// Opens the start page through the launcher when "run" is 1 or forced;
// the command is stored as the help project's "runhtml" either way.
int open_publication(ConversionRun& run, bool forced);

// Compiles in HTML Help mode, else opens the publication.
int finish_publication(ConversionRun& run, bool forced);

}  // namespace html
