// Helpers that let the option pages read as lists of controls and options.
#pragma once
#include <string>
#include <vector>

#include "wizard/dialogs/option_dialog.h"

// The option an expression of the project names, for the record r the page
// shows: TW_OPTION(settings.rmcss), TW_OPTION(settings.headings[r].bold).
#define TW_OPTION(expr) [](::wizard::ProjectSettings& p, [[maybe_unused]] int r) -> auto& { \
  return p.expr;                                                                           \
}

namespace wizard::bind {

inline Binding check(int id, NumberOption option) { return {id, Bind::check, option}; }
inline Binding radio(int id, int count, NumberOption option) {
  Binding b{id, Bind::radio, option};
  b.count = count;
  return b;
}
inline Binding number(int id, NumberOption option) { return {id, Bind::number, option}; }
inline Binding choice(int id, NumberOption option) { return {id, Bind::choice, option}; }
inline Binding text(int id, TextOption option, std::size_t cut = kTextCut) {
  Binding b{id, Bind::text};
  b.text = option;
  b.cut = cut;
  return b;
}
inline Binding colour(int id, ColourOption option) {
  Binding b{id, Bind::colour};
  b.colour = option;
  return b;
}

}  // namespace wizard::bind

namespace wizard {

// The folder the publication goes to, where copied graphics belong.
std::string output_folder(const ProjectLocation& location);

// The standard button or rule styles: names from the string table whose
// first entry (base) holds their count.
std::vector<std::string> style_names(int base);

}  // namespace wizard
