#include "wizard/nav_buttons.h"

#include "platform/profile.h"
#include "platform/text.h"
#include "wizard/limits.h"
#include "wizard/profile_values.h"
#include "wizard/tuple_reader.h"

namespace wizard {

namespace {

// The URL that stands for "set automatically" in the file.
constexpr std::string_view kStoredAutomaticUrl = "x";

bool is_automatic(int type) {
  return type == static_cast<int>(ButtonType::next) ||
         type == static_cast<int>(ButtonType::previous);
}

// Graphic and URL are single words of the value: a blank would shift every
// later field, so it is stored URL-encoded; an empty one as a placeholder.
std::string word_field(std::string_view value) {
  std::string out;
  for (char c : text::trim(value)) {
    if (c == ' ' || c == '\t') {
      out += "%20";
    } else {
      out += c;
    }
  }
  return out.empty() ? std::string(kStoredAutomaticUrl) : out;
}

// A key cannot hold "=" or line breaks, nor start a section or a comment.
std::string storable_key(std::string_view alt_text) {
  std::string key(alt_text);
  for (char& c : key) {
    if (c == '=' || c == '\r' || c == '\n') c = ' ';
  }
  std::string_view trimmed = text::trim(key);
  while (!trimmed.empty() && (trimmed.front() == '[' || trimmed.front() == ';')) {
    trimmed = text::trim_left(trimmed.substr(1));
  }
  return trimmed.empty() ? std::string("Button") : std::string(trimmed);
}

bool key_taken(const std::vector<std::string>& keys, std::string_view key) {
  for (const std::string& k : keys) {
    if (text::iequals(k, key)) return true;
  }
  return false;
}

}  // namespace

std::optional<NavButton> parse_button(std::string_view alt_text, std::string_view value) {
  NavButton button;
  button.alt_text = alt_text;
  TupleReader reader(value);
  reader.word(button.graphic);
  reader.word(button.url);
  reader.number(button.type);
  if (!reader.good()) return std::nullopt;
  for (int& shown : button.kinds) reader.number(shown);
  if (is_automatic(button.type)) button.url = kAutomaticUrl;
  return button;
}

std::string format_button_value(const NavButton& button) {
  std::string url = is_automatic(button.type) ? std::string(kStoredAutomaticUrl)
                                              : word_field(button.url);
  return text::format("%s %s %d %d %d %d", word_field(button.graphic).c_str(), url.c_str(),
                      button.type, button.kinds[0], button.kinds[1], button.kinds[2]);
}

std::vector<std::string> button_keys(const std::vector<NavButton>& buttons) {
  std::vector<std::string> keys;
  for (const NavButton& button : buttons) {
    std::string base = storable_key(button.alt_text);
    std::string key = base;
    for (int n = 2; key_taken(keys, key); ++n) key = base + " " + std::to_string(n);
    keys.push_back(key);
  }
  return keys;
}

std::vector<NavButton> read_buttons(std::string_view file) {
  platform::ProfileReading reading(file);  // the section read once, as one record
  std::vector<NavButton> buttons;
  std::size_t used = 0;
  for (const std::string& key : read_key_names(kButtonsSection, kButtonsSectionCut, file)) {
    std::string value = read_text(kButtonsSection, key, "", kTextTupleCut, file);
    used += key.size() + 1 + value.size() + 1;  // "key=value" and its terminator
    if (used > kButtonsSectionCut) break;
    if (auto button = parse_button(key, value)) buttons.push_back(std::move(*button));
  }
  return buttons;
}

bool write_buttons(const std::vector<NavButton>& buttons, std::string_view file) {
  bool ok = clear_section(kButtonsSection, file);
  std::vector<std::string> keys = button_keys(buttons);
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    ok = write_text(kButtonsSection, keys[i], format_button_value(buttons[i]), file) && ok;
  }
  return ok;
}

}  // namespace wizard
