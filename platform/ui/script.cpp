// Reading the headless host's script.
#include "platform/ui/script.h"

#include <array>
#include <cerrno>
#include <cstdlib>

#include "platform/text.h"

namespace ui::detail {

namespace {

struct Answer {
  std::string_view name;
  int id;
};

constexpr std::array<Answer, 7> kAnswers = {{{"OK", kIdOk}, {"Cancel", kIdCancel}, {"Abort", kIdAbort},
                                             {"Retry", kIdRetry}, {"Ignore", kIdIgnore}, {"Yes", kIdYes},
                                             {"No", kIdNo}}};

// Splits off the first blank-separated word.
std::string_view first_word(std::string_view& rest) {
  rest = text::trim_left(rest);
  size_t end = 0;
  while (end < rest.size() && rest[end] != ' ' && rest[end] != '\t') ++end;
  std::string_view word = rest.substr(0, end);
  rest = text::trim_left(rest.substr(end));
  return word;
}

// A whole word as an integer (decimal, or hex with 0x).
std::optional<std::int64_t> integer(std::string_view word) {
  if (word.empty() || word.size() > 20) return std::nullopt;
  std::string s(word);
  char* end = nullptr;
  errno = 0;
  long long v = std::strtoll(s.c_str(), &end, 0);
  if (errno != 0 || end != s.c_str() + s.size()) return std::nullopt;
  return v;
}

std::optional<int> small_int(std::string_view word) {
  auto v = integer(word);
  if (!v || *v < -1000000 || *v > 1000000) return std::nullopt;
  return static_cast<int>(*v);
}

// Each reader takes the operands after the action word; false when they do
// not fit the action.

bool control_and_text(ScriptLine& s, std::string_view rest) {
  s.target = std::string(first_word(rest));
  s.text = std::string(text::trim(rest));
  return !s.target.empty();
}

bool control_and_number(ScriptLine& s, std::string_view rest) {
  s.target = std::string(first_word(rest));
  auto v = small_int(first_word(rest));
  if (!v || !rest.empty() || s.target.empty()) return false;
  s.value = *v;
  if (s.action == Action::check) return s.value >= 0 && s.value <= 2;
  return s.value >= (s.action == Action::dblclick ? 0 : -1);
}

bool drag_and_drop(ScriptLine& s, std::string_view rest) {
  s.target = std::string(first_word(rest));
  auto from = small_int(first_word(rest));
  auto to = small_int(first_word(rest));
  if (!from || !to || !rest.empty() || s.target.empty() || *from < 0 || *to < 0) return false;
  s.value = *from;
  s.drop = *to;
  return true;
}

bool single_word(ScriptLine& s, std::string_view rest) {
  s.target = std::string(first_word(rest));
  return !s.target.empty() && (rest.empty() || s.action == Action::dialog);
}

bool message_answer(ScriptLine& s, std::string_view rest) {
  auto id = answer_id(first_word(rest));
  if (!id || !rest.empty()) return false;
  s.value = *id;
  return true;
}

bool file_answer(ScriptLine& s, std::string_view rest) {
  s.text = std::string(text::trim(rest));
  s.cancel = text::iequals(s.text, "cancel");
  return !s.text.empty();
}

bool colour_answer(ScriptLine& s, std::string_view rest) {
  std::string_view word = first_word(rest);
  s.cancel = text::iequals(word, "cancel");
  auto v = integer(word);
  if (!s.cancel && (!v || *v < 0 || *v > 0xFFFFFFFF)) return false;
  if (v) s.colour = static_cast<std::uint32_t>(*v);
  return rest.empty();
}

bool window_rect(ScriptLine& s, std::string_view rest) {
  s.target = std::string(first_word(rest));
  std::array<int*, 4> out = {&s.rect.x, &s.rect.y, &s.rect.cx, &s.rect.cy};
  for (int* field : out) {
    auto v = small_int(first_word(rest));
    if (!v) return false;
    *field = *v;
  }
  return !s.target.empty() && rest.empty();
}

bool key_press(ScriptLine& s, std::string_view rest) {
  s.target = std::string(first_word(rest));
  std::string_view name = first_word(rest);
  s.key.shift = name.size() > 6 && text::iequals(name.substr(0, 6), "shift+");
  if (s.key.shift) name.remove_prefix(6);
  if (text::iequals(name, "tab")) s.key.key = Key::tab;
  else if (text::iequals(name, "enter")) s.key.key = Key::enter;
  else if (text::iequals(name, "escape")) s.key.key = Key::escape;
  else if (text::iequals(name, "left")) s.key.key = Key::left;
  else if (text::iequals(name, "right")) s.key.key = Key::right;
  else if (text::iequals(name, "delete")) s.key.key = Key::del;
  else return false;
  return !s.target.empty() && rest.empty();
}

bool read_operands(ScriptLine& s, std::string_view rest) {
  switch (s.action) {
    case Action::dialog:
    case Action::window:
    case Action::help:
    case Action::click: return single_word(s, rest);
    case Action::drag: return drag_and_drop(s, rest);
    case Action::set:
    case Action::select: return control_and_text(s, rest);
    case Action::check:
    case Action::select_index:
    case Action::dblclick: return control_and_number(s, rest);
    case Action::message: return message_answer(s, rest);
    case Action::file: return file_answer(s, rest);
    case Action::colour: return colour_answer(s, rest);
    case Action::rect: return window_rect(s, rest);
    case Action::key: return key_press(s, rest);
  }
  return false;
}

struct ActionWord {
  std::string_view word;
  Action action;
};

constexpr std::array<ActionWord, 16> kActions = {{
    {"dialog", Action::dialog}, {"set", Action::set}, {"check", Action::check},
    {"select", Action::select}, {"select#", Action::select_index}, {"dblclick", Action::dblclick},
    {"click", Action::click}, {"message", Action::message}, {"file", Action::file},
    {"colour", Action::colour}, {"color", Action::colour}, {"rect", Action::rect},
    {"key", Action::key}, {"window", Action::window}, {"drag", Action::drag}, {"help", Action::help},
}};

}  // namespace

bool ScriptLine::is_dialog_action() const {
  return action != Action::dialog && action != Action::message && action != Action::file &&
         action != Action::colour;
}

std::optional<int> answer_id(std::string_view name) {
  for (const Answer& a : kAnswers)
    if (text::iequals(a.name, name)) return a.id;
  return std::nullopt;
}

std::string_view answer_name(int id) {
  for (const Answer& a : kAnswers)
    if (a.id == id) return a.name;
  return "OK";
}

std::optional<ScriptLine> parse_script_line(std::string_view line, std::string* error) {
  ScriptLine s;
  s.source = std::string(text::trim(line));
  std::string_view rest = s.source;
  std::string_view word = first_word(rest);
  const ActionWord* found = nullptr;
  for (const ActionWord& a : kActions)
    if (text::iequals(a.word, word)) found = &a;
  if (!found) {
    if (error) *error = "unknown action \"" + s.source + "\"";
    return std::nullopt;
  }
  s.action = found->action;
  if (!read_operands(s, rest)) {
    if (error) *error = "cannot read \"" + s.source + "\"";
    return std::nullopt;
  }
  return s;
}

std::vector<std::string> ScriptQueue::queue(std::string_view text) {
  std::vector<std::string> errors;
  std::vector<std::string> lines = text::split_lines(text);
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string_view line = text::trim(lines[i]);
    if (line.empty() || line.front() == '#') continue;
    std::string error;
    if (auto s = parse_script_line(line, &error)) lines_.push_back(std::move(*s));
    else errors.push_back("script line " + std::to_string(i + 1) + ": " + error);
  }
  return errors;
}

std::vector<std::string> ScriptQueue::pending() const {
  std::vector<std::string> out;
  for (const ScriptLine& s : lines_) out.push_back(s.source);
  return out;
}

}  // namespace ui::detail
