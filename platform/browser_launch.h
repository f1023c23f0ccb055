// Opening a publication in the desktop's web browser. The installation's
// launcher is started as "LAUNCHER >file:///C|/pub/index.htm"; here the
// platform stands in for it: the stored URL becomes a file URL of the host
// path, opened with the desktop's opener (win.ini [Platform] "opener", else
// xdg-open), so tests record the launch with an opener of their own.
#pragma once
#include <functional>
#include <string>
#include <string_view>

namespace platform {

// "file:///C|/pub/x.htm" (or "file:///c:/...", "file:///c:\...") as a file
// URL of the host path, "file:///home/a/pub/x.htm", with every byte outside
// the URL's plain characters percent-encoded. Any other text comes back as
// it is.
std::string host_file_url(std::string_view stored_url);

// True for a command line that starts the installation's launcher
// ("lfcbrws.exe", in any folder and case); start_program runs those here.
bool is_browser_launcher(std::string_view command_line);

// Runs a launcher command line "PROGRAM >URL": opens the URL's host form.
// Returns a code >= 32 on success as WinExec does. The launch is noted in
// the UI host's transcript as: launch "COMMAND LINE" -> CODE
int start_browser_launcher(std::string_view command_line, int show);

// Opens a host file ("/home/a/help/x.htm", an optional "#anchor" kept) in
// the desktop's browser through the same opener; the opener's code.
int open_host_file(std::string_view host_path);

// What opens a file URL and what names the desktop's browser. By default
// the desktop's opener and its MIME application lists; tests install stand-ins that record
// and never start a browser. An empty function restores the default.
using UrlOpener = std::function<int(const std::string& url)>;
using BrowserQuery = std::function<std::string()>;
void set_url_opener(UrlOpener opener);
void set_default_browser_query(BrowserQuery query);

// The desktop's default web browser as a command ("" when the desktop names
// none): see desktop_default_browser.
std::string default_browser_command();

}  // namespace platform
