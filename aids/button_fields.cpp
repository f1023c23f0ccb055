#include "aids/button_fields.h"

#include "aids/macro_text.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace aids {

TargetParts split_target(std::string_view target) {
  TargetParts parts;
  target = text::trim(target);
  if (size_t at = target.find('@'); at != std::string_view::npos) {
    parts.file = std::string(text::trim(target.substr(at + 1)));
    target = target.substr(0, at);
  }
  if (size_t gt = target.find('>'); gt != std::string_view::npos) {
    parts.window = std::string(text::trim(target.substr(gt + 1)));
    target = target.substr(0, gt);
  }
  parts.context = std::string(text::trim(target));
  return parts;
}

std::string join_target(const TargetParts& parts) {
  std::string out = parts.context;
  if (!parts.window.empty()) out += ">" + parts.window;
  if (!parts.file.empty()) out += "@" + parts.file;
  return out;
}

std::string button_action(int kind, std::string_view target, std::string_view macro,
                          std::string_view project_path) {
  if (kind != kButtonJump && kind != kButtonPopup) {
    std::string_view m = text::trim(macro);
    if (!m.empty() && m.front() == '!') m.remove_prefix(1);
    return std::string(m);
  }
  const TargetParts parts = split_target(target);
  std::string file = parts.file;
  if (kind == kButtonJump && !parts.window.empty()) {
    if (file.empty())
      file = std::string(platform::file_name_of(platform::replace_extension(project_path, ".hlp")));
    file += ">" + parts.window;
  }
  return text::format(kind == kButtonJump ? "JI(\"%s\",\"%s\")" : "PI(\"%s\",\"%s\")", file.c_str(),
                      parts.context.c_str());
}

std::string button_field(std::string_view text, std::string_view action, bool win95) {
  const std::string t(text), a(action);
  if (win95) return text::format("{button %s,%s}", t.c_str(), a.c_str());
  std::string piped = a;
  for (char& c : piped)
    if (c == ',') c = '|';
  return text::format("{ewc tw95em.dll,TWBTN,%s|%s}", t.c_str(), piped.c_str());
}

ParsedButton parse_button_action(std::string_view macro) {
  ParsedButton parsed;
  std::string_view m = text::trim(macro);
  if (!m.empty() && m.front() == '!') m.remove_prefix(1);
  parsed.macro = std::string(m);
  const std::string name = macro_name(m);
  const bool jump = text::iequals(name, "JI") || text::iequals(name, "JumpId");
  const bool popup = text::iequals(name, "PI") || text::iequals(name, "PopupId");
  if (!jump && !popup) return parsed;
  auto args = macro_arguments(m);
  if (args.size() < 2) return parsed;
  TargetParts parts;
  const size_t gt = args[0].find('>');
  parts.file = std::string(text::trim(args[0].substr(0, gt)));
  if (gt != std::string::npos) parts.window = std::string(text::trim(args[0].substr(gt + 1)));
  parts.context = args[1];
  parsed.kind = jump ? kButtonJump : kButtonPopup;
  parsed.target = join_target(parts);
  return parsed;
}

}  // namespace aids
