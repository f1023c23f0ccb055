#include "wizard/language_names.h"

#include "html/driver/messages.h"

namespace wizard {
namespace {

constexpr int kNamesBase = 50000;
constexpr int kNamesPerLanguage = 12;
constexpr int kListStyles = 10;  // "numbered;bulleted"
constexpr int kMacroButton = 11;
constexpr int kSingleNames[] = {3, 4, 5, 6, 7};  // normal, heading, ^f, ^g, INCLUDEPICTURE

}  // namespace

std::array<std::string, 8> language_names(int language) {
  if (language < 0 || language >= kLanguages) language = 0;
  const int base = kNamesBase + kNamesPerLanguage * language;
  std::array<std::string, 8> names;
  const std::string lists = html::resource_string(base + kListStyles);
  const std::size_t split = lists.find(';');
  names[0] = lists.substr(0, split);
  names[1] = split == std::string::npos ? std::string() : lists.substr(split + 1);
  names[2] = html::resource_string(base + kMacroButton);
  for (int i = 0; i < 5; ++i) names[3 + i] = html::resource_string(base + kSingleNames[i]);
  return names;
}

}  // namespace wizard
