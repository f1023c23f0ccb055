#include "core/language.h"

#include "core/core_state.h"
#include "core/messages.h"
#include "platform/text.h"

namespace core {
namespace {

constexpr int kFieldNames = 50000;
constexpr int kPictureField = 50500;
constexpr int kCommandNames = 60000;
constexpr int kNameLength = 49;  // buffers of 50 characters

int language_of(const CoreState& state) {
  int lang = state.settings.language;
  return lang >= 0 && lang < kLanguageCount ? lang : 0;
}

}  // namespace

std::array<std::string, 7> GetLang(const CoreState& state) {
  const int lang = language_of(state);
  std::array<std::string, 7> names;
  for (int k = 0; k < 6; ++k) names[k] = resource_string(kFieldNames + 6 * lang + k);
  names[6] = resource_string(kPictureField + lang);
  // Word 97 in this language kept the English names of these two fields.
  if (lang == 4 && state.word97) {
    names[0] = "MACROBUTTON ";
    names[6] = "INCLUDEPICTURE ";
  }
  for (auto& n : names) n = text::cut(n, kNameLength);
  return names;
}

std::array<std::string, 6> GetLang2(const CoreState& state) {
  const int lang = language_of(state);
  std::array<std::string, 6> names;
  for (int k = 0; k < 6; ++k) {
    names[k] = text::cut(resource_string(kCommandNames + 6 * lang + k), kNameLength);
  }
  return names;
}

}  // namespace core
