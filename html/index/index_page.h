// The A-Z keyword index page of a web publication.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "html/index/index_entries.h"

namespace html {

// What the index page shows besides its entries.
struct AzIndexOptions {
  std::string title;         // "ixt"
  bool show_title = true;    // an <H1> title at the top
  bool letter_bar = true;    // "ixaz": the A-Z quick-jump bar
  std::string frame_target;  // " TARGET=..." with frames, else empty
  std::string charset;       // the charset the page declares ("windows-1251"), none when empty
  bool used_letters_only = false;  // "azused": letters without entries neither linked nor headed
};

// The whole page for sorted entries: the entries in 27 groups (those before
// "A", then one per letter), a repeated keyword as a further link "(2)",
// "(3)" ... on the line of its first link.
std::string az_index_page(const std::vector<IndexEntry>& sorted, const AzIndexOptions& options);

}  // namespace html
