// DIALOG and DIALOGEX statements of the resource-script reader: the header,
// its option lines and the control statements of the body.
#include "platform/ui/rc_controls.h"
#include "platform/ui/rc_parser.h"
#include "platform/text.h"

namespace ui::rc {

namespace {

constexpr std::uint32_t kChildVisible = 0x50000000;            // WS_CHILD | WS_VISIBLE
constexpr std::uint32_t kDefaultDialogStyle = 0x80880000;      // WS_POPUP | WS_BORDER | WS_SYSMENU
constexpr std::uint32_t kCaptionStyle = 0x00C00000;            // WS_CAPTION

// Operand counts of each layout: required, and at most (with the optional
// style, extended style and help id).
struct Arity {
  size_t required, maximum;
};

Arity arity(OperandLayout layout) {
  switch (layout) {
    case OperandLayout::text_first: return {6, 9};
    case OperandLayout::id_first: return {5, 8};
    case OperandLayout::icon: return {4, 9};
    case OperandLayout::control: return {8, 10};
  }
  return {0, 0};
}

}  // namespace

void Parser::dialog(const Statement& s) {
  DialogTemplate d;
  const Token& name = s[0];
  if (name.kind == TokenKind::number) {
    d.number = static_cast<int>(name.value);
  } else {
    d.name = name.text;
    if (auto v = symbols_.lookup(name.text); v && name.kind == TokenKind::name) d.number = static_cast<int>(*v);
  }
  size_t k = 2;
  while (k < s.size() && is_memory_option(s[k])) ++k;
  if (!dialog_header(s, k, d)) return;
  bool has_style = false;
  while (!done() && !is_begin(peek()[0]) && !starts_resource(peek()) && peek()[0].kind == TokenKind::name &&
         !find_control_keyword(peek()[0].text))
    dialog_option(next(), d, has_style);
  if (!expect_begin(s, "dialog " + d.identifier())) return;
  dialog_body(d, s.line());
  if (!has_style) d.style = kDefaultDialogStyle;
  if (!d.caption.empty()) d.style |= kCaptionStyle;
  if ((!d.name.empty() && out_.dialog(d.name)) || (d.name.empty() && out_.dialog(d.number)))
    error(s.line(), "dialog " + d.identifier() + " defined twice; the first one is kept");
  out_.add_dialog(std::move(d));  // DIALOGEX differs only in operands we read past
}

bool Parser::dialog_header(const Statement& s, size_t first_field, DialogTemplate& d) {
  std::vector<Tokens> f = split_fields(Tokens(s.tokens).subspan(first_field));
  if (f.size() < 4 || f.size() > 5) {
    error(s.line(), "dialog " + d.identifier() + " needs x, y, cx, cy");
    return false;
  }
  auto x = number(f[0], s.line(), "dialog x");
  auto y = number(f[1], s.line(), "dialog y");
  auto cx = number(f[2], s.line(), "dialog width");
  auto cy = number(f[3], s.line(), "dialog height");
  if (!x || !y || !cx || !cy) return false;
  d.x = *x, d.y = *y, d.cx = *cx, d.cy = *cy;
  return true;
}

void Parser::dialog_option(const Statement& s, DialogTemplate& d, bool& has_style) {
  const Token& key = s[0];
  Tokens rest = Tokens(s.tokens).subspan(1);
  std::string problem;
  if (is_keyword(key, "STYLE") || is_keyword(key, "EXSTYLE")) {
    auto v = apply_style(rest, 0, symbols_, &problem);
    if (!v) error(s.line(), key.text + ": " + problem);
    else if (is_keyword(key, "STYLE")) d.style = *v, has_style = true;
    else d.exstyle = *v;
  } else if (is_keyword(key, "CAPTION")) {
    if (auto t = text(rest, s.line(), "caption")) d.caption = *t;
  } else if (is_keyword(key, "FONT")) {
    std::vector<Tokens> f = split_fields(rest);
    auto size = number(f[0], s.line(), "font size");
    auto face = f.size() >= 2 ? text(f[1], s.line(), "font name") : std::nullopt;
    if (f.size() < 2) error(s.line(), "FONT needs a size and a name");
    if (size && face) d.font_size = *size, d.font = *face;
  } else if (is_keyword(key, "CLASS")) {
    if (auto t = text(rest, s.line(), "class")) d.window_class = *t;
  } else if (is_keyword(key, "MENU")) {
    if (auto t = text(rest, s.line(), "menu")) d.menu = *t;
  } else if (!is_keyword(key, "LANGUAGE") && !is_keyword(key, "CHARACTERISTICS") &&
             !is_keyword(key, "VERSION")) {
    error(s.line(), "unknown dialog option " + key.text);
  }
}

void Parser::dialog_body(DialogTemplate& d, int begin_line) {
  while (!done()) {
    if (starts_resource(peek())) break;
    const Statement& s = next();
    if (is_end(s[0])) return;
    if (is_begin(s[0])) {
      skip_block(s.line());  // control data of a DIALOGEX control: not needed
    } else if (s[0].kind == TokenKind::directive) {
      directive(s);
    } else {
      control(s, d);
    }
  }
  error(begin_line, "dialog " + d.identifier() + " has no END");
}

void Parser::control(const Statement& s, DialogTemplate& d) {
  const ControlKeyword* kw = s[0].kind == TokenKind::name ? find_control_keyword(s[0].text) : nullptr;
  if (!kw) {
    error(s.line(), "unknown control statement \"" + describe(s.tokens) + "\"");
    return;
  }
  std::vector<Tokens> f = split_fields(Tokens(s.tokens).subspan(1));
  Arity a = arity(kw->layout);
  if (f.size() < a.required || f.size() > a.maximum) {
    error(s.line(), std::string(kw->keyword) + " needs " + std::to_string(a.required) + " to " +
                        std::to_string(a.maximum) + " values, not " + std::to_string(f.size()));
    return;
  }
  ControlTemplate c;
  c.kind = std::string(kw->keyword);
  c.window_class = std::string(kw->window_class);
  c.style = kChildVisible | kw->style;
  bool id_first = kw->layout == OperandLayout::id_first;
  size_t i = 0;
  if (!id_first) {
    auto t = text(f[i++], s.line(), "control text");
    if (!t) return;
    c.text = *t;
  }
  auto id = number(f[i++], s.line(), "control id");
  if (!id) return;
  c.id = *id;
  if (kw->layout == OperandLayout::control) {
    if (!control_class(f[i++], s.line(), c)) return;
    if (!control_style(f[i++], s.line(), c.style)) return;
  }
  if (!control_geometry(std::span(f).subspan(i), s.line(), c)) return;
  i += kw->layout == OperandLayout::icon && f.size() - i < 4 ? f.size() - i : 4;
  if (kw->layout != OperandLayout::control && i < f.size()) {
    // A combo box's type (simple, drop-down, drop-down list) is one field:
    // a given type replaces the default CBS_SIMPLE instead of joining it.
    constexpr std::uint32_t kComboType = 0x3;
    const std::uint32_t before = c.style;
    if (c.window_class == "ComboBox") c.style &= ~kComboType;
    if (!control_style(f[i++], s.line(), c.style)) return;
    if (c.window_class == "ComboBox" && (c.style & kComboType) == 0) c.style |= before & kComboType;
  }
  if (i < f.size() && !control_style(f[i], s.line(), c.exstyle)) return;
  d.controls.push_back(std::move(c));
}

// The class operand of CONTROL: a string, a class keyword or an atom number.
bool Parser::control_class(Tokens field, int line, ControlTemplate& c) {
  if (field.size() == 1 && field[0].kind == TokenKind::number) c.window_class = class_of_atom(field[0].value);
  else if (auto t = text(field, line, "control class")) c.window_class = canonical_class(*t);
  else return false;
  if (c.window_class.empty()) error(line, "unknown control class " + describe(field));
  return !c.window_class.empty();
}

// x, y[, cx, cy]: only ICON may leave out the size.
bool Parser::control_geometry(std::span<const Tokens> f, int line, ControlTemplate& c) {
  std::array<int*, 4> targets = {&c.x, &c.y, &c.cx, &c.cy};
  static constexpr std::array<const char*, 4> kWhat = {"control x", "control y", "control width",
                                                       "control height"};
  size_t n = std::min<size_t>(f.size(), 4);
  if (n == 3) {
    error(line, "control has a width but no height");
    return false;
  }
  for (size_t k = 0; k < n; ++k) {
    auto v = number(f[k], line, kWhat[k]);
    if (!v) return false;
    *targets[k] = *v;
  }
  return true;
}

bool Parser::control_style(Tokens field, int line, std::uint32_t& style) {
  std::string problem;
  auto v = apply_style(field, style, symbols_, &problem);
  if (!v) {
    error(line, "control style: " + problem);
    return false;
  }
  style = *v;
  return true;
}

}  // namespace ui::rc
