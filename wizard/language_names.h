// The word processor's built-in names in the author's language (twzhtml.ini
// "language", 0-10), as the macros need them to find fields and styles.
#pragma once
#include <array>
#include <string>

namespace wizard {

inline constexpr int kLanguages = 11;  // English ... Danish

// The eight names GetLang hands out: the two list styles, MACROBUTTON, the
// normal style, the heading prefix, the two search codes and INCLUDEPICTURE.
// A language out of range reads as 0.
std::array<std::string, 8> language_names(int language);

}  // namespace wizard
