#include "aids/button_macros.h"

#include "aids/macro_text.h"
#include "platform/text.h"

namespace aids {

namespace {

using project::Button;

bool name_is(std::string_view macro, std::string_view short_name, std::string_view long_name = {}) {
  const std::string name = macro_name(macro);
  return text::iequals(name, short_name) || (!long_name.empty() && text::iequals(name, long_name));
}

int find_button(const std::vector<Button>& buttons, std::string_view id) {
  for (size_t i = 0; i < buttons.size(); ++i)
    if (text::iequals(buttons[i].id, text::trim(id))) return static_cast<int>(i);
  return -1;
}

// The button id a macro is about: the first argument, or the mark of an
// IfThen / IfThenElse condition.
std::string button_of(std::string_view macro) {
  std::vector<std::string> args = macro_arguments(macro);
  if (args.empty()) return {};
  if (name_is(macro, "IfThen") || name_is(macro, "IfThenElse")) {
    std::string condition = args[0];
    if (name_is(condition, "Not")) {
      auto inner = macro_arguments(condition);
      condition = inner.empty() ? std::string() : inner[0];
    }
    if (!name_is(condition, "IsMark")) return {};
    auto mark = macro_arguments(condition);
    return mark.empty() ? std::string() : mark[0];
  }
  return args[0];
}

std::string rebuilt(const std::vector<std::string>& made, const std::vector<std::string>& kept) {
  std::string out;
  for (const std::string& m : made) out += m;  // each ends in ";"
  if (!kept.empty()) out += join_macros(kept);
  while (!out.empty() && out.back() == ';') out.pop_back();
  return out;
}

std::vector<std::string> kept_macros(std::string_view text, const std::vector<Button>& buttons,
                                     bool drop_browse) {
  std::vector<std::string> kept;
  for (std::string& m : split_macros(text)) {
    if (is_button_macro(m, buttons)) continue;
    if (drop_browse && name_is(m, "BrowseButtons")) continue;
    kept.push_back(std::move(m));
  }
  return kept;
}

}  // namespace

bool is_standard_button(int index) { return index >= 0 && index < kStandardButtons; }

bool is_button_macro(std::string_view macro, const std::vector<Button>& buttons) {
  if (!quotes_balanced(macro)) return false;
  const bool button_name = name_is(macro, "EB", "EnableButton") || name_is(macro, "DB", "DisableButton") ||
                           name_is(macro, "DestroyButton") || name_is(macro, "CB", "CreateButton") ||
                           name_is(macro, "CBB", "ChangeButtonBinding") || name_is(macro, "IfThen") ||
                           name_is(macro, "IfThenElse");
  return button_name && find_button(buttons, button_of(macro)) >= 0;
}

ButtonMacroResult compose_button_macros(const ButtonMacroInput& in) {
  std::vector<std::string> startup, entry;
  for (size_t i = 0; i < in.buttons.size(); ++i) {
    const int index = static_cast<int>(i);
    if (in.win95 && index < kWorkshopButtons) continue;
    const Button& b = in.buttons[i];
    const char* id = b.id.c_str();
    const bool standard = is_standard_button(index);
    const int visible = b.states[kVisibleState];
    const int enabled = b.states[kEnabledState];
    const bool depends = b.states[kDependsState] != 0;
    const TopicButtonState topic = in.topic_mode && i < in.topic.size() ? in.topic[i] : TopicButtonState{};
    const std::string& macro = in.topic_mode && depends ? topic.macro : b.macro;
    // Inside a double-quoted argument the macro's own double quotes would
    // end it early; they become a back-quote and an apostrophe there.
    const std::string quoted = alternate_quotes(macro);
    const char* m = quoted.c_str();
    if (!in.topic_mode && !standard && visible == kAlwaysVisible)
      startup.push_back(text::format("CB(`%s', `%s', `%s');", id, b.caption.c_str(), b.macro.c_str()));
    if (visible != kAlwaysVisible) {
      const bool shown = in.topic_mode ? topic.visible : visible == kUsuallyVisible;
      if (shown)
        entry.push_back(text::format(
            "IfThenElse(Not(IsMark(\"%s\")), \"SaveMark(`%s');CB(`%s', `%s', `%s')\", \"CBB(`%s', `%s')\");",
            id, id, id, b.caption.c_str(), m, id, m));
      else
        entry.push_back(text::format("IfThen(IsMark(\"%s\"), \"DeleteMark(`%s');DestroyButton(`%s')\");", id, id, id));
      continue;
    }
    if (enabled != kAlwaysEnabled) {
      const bool on = in.topic_mode ? topic.enabled : enabled == kUsuallyEnabled;
      entry.push_back(text::format(on ? "EB(\"%s\");" : "DB(\"%s\");", id));
      if (!on) continue;
    }
    if (macro.empty()) continue;
    const std::string binding = text::format("CBB(\"%s\", \"%s\");", id, m);
    if (!in.topic_mode && standard) startup.push_back(binding);
    else if (in.topic_mode && depends) entry.push_back(binding);
  }
  return {rebuilt(startup, kept_macros(in.startup, in.buttons, true)),
          rebuilt(entry, kept_macros(in.entry, in.buttons, false))};
}

namespace {

Button& button_for(std::vector<Button>& buttons, const std::string& id) {
  int at = find_button(buttons, id);
  if (at < 0) {
    buttons.push_back(Button{id, id, "", {}});
    at = static_cast<int>(buttons.size()) - 1;
  }
  return buttons[at];
}

void read_create(std::vector<Button>& buttons, std::string_view macro, int visible) {
  auto args = macro_arguments(macro);
  if (args.empty() || args[0].empty()) return;
  Button& b = button_for(buttons, args[0]);
  if (args.size() > 1) b.caption = args[1];
  if (args.size() > 2) b.macro = args[2];
  b.states[kVisibleState] = static_cast<std::int16_t>(visible);
}

void read_one(std::vector<Button>& buttons, const std::string& macro) {
  if (!quotes_balanced(macro)) return;  // a broken macro says nothing sure
  auto args = macro_arguments(macro);
  if (name_is(macro, "CB", "CreateButton")) return read_create(buttons, macro, kAlwaysVisible);
  if (name_is(macro, "IfThenElse") && args.size() > 1) {
    for (const std::string& inner : split_macros(args[1]))
      if (name_is(inner, "CB", "CreateButton")) read_create(buttons, inner, kUsuallyVisible);
    return;
  }
  const std::string id = button_of(macro);
  if (id.empty() || find_button(buttons, id) < 0) return;
  Button& b = buttons[find_button(buttons, id)];
  if (name_is(macro, "IfThen")) b.states[kVisibleState] = kUsuallyHidden;
  else if (name_is(macro, "DB", "DisableButton")) b.states[kEnabledState] = kUsuallyDimmed;
  else if (name_is(macro, "EB", "EnableButton")) b.states[kEnabledState] = kUsuallyEnabled;
  else if (name_is(macro, "CBB", "ChangeButtonBinding") && args.size() > 1) b.macro = args[1];
}

}  // namespace

void parse_button_macros(std::string_view startup, std::string_view entry, std::vector<Button>& buttons) {
  for (const std::string& m : split_macros(startup)) read_one(buttons, m);
  for (const std::string& m : split_macros(entry)) read_one(buttons, m);
}

}  // namespace aids
