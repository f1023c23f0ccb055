// The file names of the pages split from one input file.
#pragma once
#include <string>
#include <string_view>

#include "wizard/project_settings.h"

namespace html {

class PageList;

// The name of a new page (without folder): by "fnames" mode 0 the base, "p"
// and the page number; mode 1 the base, "_" and the title; mode 2 the base,
// "_" and the context string, cut to the maximum length with every character
// after the base that is not a letter or digit made "_". A name the page list
// already holds gets a number in place of its last character before the
// extension, 1 for the first clash, then 2, ... until it is unique.
std::string page_file_name(const wizard::FileNaming& naming, std::string_view base, int number,
                           std::string_view title, std::string_view context, const PageList& pages);

}  // namespace html
