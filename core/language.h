// The word processor's localized field and command names.
#pragma once
#include <array>
#include <string>

namespace core {

struct CoreState;

inline constexpr int kLanguageCount = 11;  // English ... Danish

// Field names: six from 50000 + 6 * language, the seventh from 50500 + language.
std::array<std::string, 7> GetLang(const CoreState& state);
// Command names: six from 60000 + 6 * language.
std::array<std::string, 6> GetLang2(const CoreState& state);

}  // namespace core
