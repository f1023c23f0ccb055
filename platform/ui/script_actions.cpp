// The user's actions in a running headless dialog, as the script gives
// them: each changes the control as the user would and then tells the
// procedure with the notification the control sends.
#include <cerrno>
#include <cstdlib>

#include "platform/text.h"
#include "platform/ui/headless_core.h"

namespace ui::detail {

namespace {

constexpr std::uint32_t kReadOnly = 0x800;   // ES_READONLY
constexpr std::uint32_t kUpper = 0x8;        // ES_UPPERCASE
constexpr std::uint32_t kLower = 0x10;       // ES_LOWERCASE
constexpr std::uint32_t kComboType = 0x3;    // CBS_DROPDOWNLIST when all set
constexpr std::uint32_t kMultiLine = 0x4;    // ES_MULTILINE
constexpr std::uint32_t kWantReturn = 0x1000;  // ES_WANTRETURN

class ActionRunner {
 public:
  ActionRunner(HeadlessCore& core, HeadlessDialog& dialog, const ScriptLine& line)
      : core_(core), dialog_(dialog), line_(line) {}

  void run() {
    if (line_.action == Action::rect) {
      if (!core_.user_moves_window(line_.target, line_.rect)) ignore("no window of class " + line_.target);
      return;
    }
    auto id = control_id();
    if (!id) return ignore("unknown control " + line_.target);
    if (line_.action == Action::click && (*id == kIdOk || *id == kIdCancel) && !dialog_.has_control(*id))
      return dialog_.run_command(*id, Notify::clicked);  // Enter and Escape need no button
    ControlState* c = dialog_.control_state(*id);
    if (!c || !c->visible) {
      // A control of a child window (a page of a main window's panel), which
      // may stand where a hidden control of the dialog has the same id.
      if (HeadlessDialog* child = core_.child_with_control(dialog_.handle(), *id);
          child && (!c || child->visible(*id)))
        return ActionRunner(core_, *child, line_).run();
      if (!c) return ignore("no control " + std::to_string(*id));
    }
    if (!c->visible) return ignore("control " + std::to_string(*id) + " is hidden");
    if (line_.action == Action::help) {
      if (*id < 0) return ignore("control " + std::to_string(*id) + " has no id");
      return dialog_.run_help(*id);
    }
    if (!c->enabled) return ignore("control " + std::to_string(*id) + " is disabled");
    act(*id, *c);
  }

 private:
  // The control id as a number, or a name the dialog's script #defines.
  std::optional<int> control_id() const {
    const std::string& t = line_.target;
    char* end = nullptr;
    errno = 0;
    long v = std::strtol(t.c_str(), &end, 0);
    if (errno == 0 && !t.empty() && end == t.c_str() + t.size() && v >= -0x7FFFFFFFL && v <= 0x7FFFFFFFL)
      return static_cast<int>(v);
    if (auto s = dialog_.resources().symbol(t)) return static_cast<int>(*s);
    return std::nullopt;
  }

  void ignore(const std::string& reason) {
    core_.transcript().add(ignored_line(line_.source, dialog_.identifier(), reason));
  }

  void act(int id, ControlState& c) {
    switch (line_.action) {
      case Action::set: return set(id, c);
      case Action::check: return check(id, c);
      case Action::select: return select(id, c, c.find_exact_item(line_.text), false);
      case Action::select_index: return select(id, c, line_.value, false);
      case Action::dblclick: return select(id, c, line_.value, true);
      case Action::click: return click(id, c);
      case Action::key: return key(id, c);
      case Action::drag: return drag(id, c);
      default: return;
    }
  }

  void set(int id, ControlState& c) {
    bool editable = (c.kind() == ControlKind::edit && !c.has_style(kReadOnly)) ||
                    (c.kind() == ControlKind::combo_box && !c.has_style(kComboType));
    if (!editable) return ignore("control " + std::to_string(id) + " is not an edit field");
    std::string value = line_.text;
    if (c.kind() == ControlKind::edit && c.has_style(kUpper)) value = text::to_upper(value);
    if (c.kind() == ControlKind::edit && c.has_style(kLower)) value = text::to_lower(value);
    c.text = value;
    dialog_.set_focus(id);
    dialog_.run_command(id, Notify::changed);
  }

  void check(int id, ControlState& c) {
    if (c.kind() != ControlKind::check_box && c.kind() != ControlKind::radio_button)
      return ignore("control " + std::to_string(id) + " is not a check box or radio button");
    if (line_.value == 2 && !c.three_state())
      return ignore("control " + std::to_string(id) + " has no third state");
    dialog_.set_check(id, line_.value);
    dialog_.set_focus(id);
    dialog_.run_command(id, Notify::clicked);
  }

  void select(int id, ControlState& c, int index, bool double_click) {
    if (!c.has_items()) return ignore("control " + std::to_string(id) + " has no items");
    bool clearing = index == -1 && line_.action == Action::select_index;
    if (!clearing && !c.valid(index))
      return ignore(line_.action == Action::select ? "no item " + quote(line_.text)
                                                   : "no item " + std::to_string(index));
    if (c.multi_select() && index >= 0) c.select_item(index, true);
    else c.set_selection(index);
    dialog_.set_focus(id);
    dialog_.run_command(id, Notify::selection);
    if (double_click && !dialog_.ended()) dialog_.run_command(id, Notify::double_clicked);
  }

  // A click toggles an automatic check box, ticks an automatic radio button,
  // and presses anything else.
  void click(int id, ControlState& c) {
    if (c.automatic()) {
      int next = c.kind() == ControlKind::radio_button ? 1
                 : c.three_state()                     ? (c.check + 1) % 3
                                                       : (c.check == 0 ? 1 : 0);
      dialog_.set_check(id, next);
    }
    dialog_.set_focus(id);
    dialog_.run_command(id, Notify::clicked);
  }

  // The press selects the dragged line; the drop tells where it ended.
  void drag(int id, ControlState& c) {
    if (c.kind() != ControlKind::list_box) return ignore("control " + std::to_string(id) + " is not a list box");
    if (!c.valid(line_.value)) return ignore("no item " + std::to_string(line_.value));
    if (line_.drop > static_cast<int>(c.items().size())) return ignore("no item " + std::to_string(line_.drop));
    select(id, c, line_.value, false);
    if (dialog_.ended()) return;
    c.drop_index = line_.drop;
    dialog_.run_command(id, Notify::dropped);
    if (ControlState* still = dialog_.control_state(id)) still->drop_index = -1;
  }

  // The procedure sees the key first; one it leaves does what the control
  // or the dialog does with it.
  void key(int id, ControlState& c) {
    dialog_.set_focus(id);
    if (dialog_.run_key(id, line_.key) || dialog_.ended()) return;
    bool multi_line = c.kind() == ControlKind::edit && c.has_style(kMultiLine);
    if (line_.key.key == Key::tab && multi_line) return type_into(id, c, "\t");
    if (line_.key.key == Key::enter && multi_line && c.has_style(kWantReturn)) return type_into(id, c, "\r\n");
    if (line_.key.key == Key::enter) return dialog_.run_command(dialog_.default_button(), Notify::clicked);
    if (line_.key.key == Key::escape) return dialog_.run_command(kIdCancel, Notify::clicked);
  }

  void type_into(int id, ControlState& c, std::string_view typed) {
    if (c.has_style(kReadOnly)) return;
    c.text += typed;
    dialog_.run_command(id, Notify::changed);
  }

  HeadlessCore& core_;
  HeadlessDialog& dialog_;
  const ScriptLine& line_;
};

}  // namespace

void apply_action(HeadlessCore& core, HeadlessDialog& dialog, const ScriptLine& line) {
  if (line.action == Action::window) return core.choose_action_window(&dialog, line);
  HeadlessDialog* chosen = core.action_window();
  ActionRunner(core, chosen ? *chosen : dialog, line).run();
}

}  // namespace ui::detail
