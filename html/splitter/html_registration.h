// The HTML files the caller saved from the marker files: registered one by
// one in the project file's [HTML] section, and loaded into the page list
// and split when the HTML stage runs.
#pragma once
#include <string_view>

namespace html {

struct ConversionRun;

// The file name that resets the registration.
inline constexpr std::string_view kRegistrationReset = "INIT";
// The longest registered value read back ("path>title").
inline constexpr std::size_t kRegisteredValueCut = 1023;

// "INIT" (any case) resets the counter, lets the tables of the last run go
// (its summary stays) and returns 0. Any other file is
// written as [HTML] "f" + counter = file ">" title (the section cleared
// first when the counter is 0) and 1 is returned; 0 when no project is named
// or it cannot be written.
int add_html_file(ConversionRun& run, std::string_view file, std::string_view title);

// Empties the split tables, loads the wizard settings, the help project's
// data, the translations and
// the home page name, and loads the registered files into the page list in
// registration order (f0, f1, ... until a key is missing or has no ">").
void prepare_page_split(ConversionRun& run);

// Splits every registered file in processing order, stepping over the pages
// each one adds. Returns the number of files that could not be split.
int split_registered_files(ConversionRun& run);

}  // namespace html
