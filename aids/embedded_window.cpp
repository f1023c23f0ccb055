#include "aids/embedded_window.h"

#include "aids/macro_catalogue.h"
#include "core/help_commands.h"
#include "project/project_state.h"
#include "core/messages.h"
#include "project/topics/project_document.h"
#include "platform/text.h"
#include "platform/ui/host.h"

namespace aids {

namespace {

constexpr std::string_view kWin31OnlyText =
    "This command is available only while using the Windows 3.1 Help Compilers.";

std::string trimmed(std::string_view s) { return std::string(text::trim(s)); }

}  // namespace

bool parse_embedded_window(std::string_view text, EmbeddedWindow& out) {
  text = text::trim(text);
  if (!text::istarts_with(text, "{ew") || text.size() < 4) return false;
  const char position = static_cast<char>(text[3] | 0x20);
  if (position != 'l' && position != 'r' && position != 'c') return false;
  std::string_view rest = text.substr(4);
  if (!rest.empty() && rest.back() == '}') rest.remove_suffix(1);
  const size_t first = rest.find(',');
  const size_t second = first == std::string_view::npos ? first : rest.find(',', first + 1);
  out.position = position;
  out.dll = trimmed(rest.substr(0, first));
  out.window_class = first == std::string_view::npos ? std::string() : trimmed(rest.substr(first + 1, second - first - 1));
  out.data = second == std::string_view::npos ? std::string() : std::string(rest.substr(second + 1));
  return true;
}

std::string embedded_window_text(const EmbeddedWindow& w) {
  std::string out = "{ew";
  out += w.position;
  out += ' ';
  out += w.dll;
  out += ',';
  out += w.window_class;
  out += ',';
  out += w.data;
  out += '}';
  return out;
}

// The declarations have the form of the custom macros' ("@DF" lines).
std::vector<WindowClass> parse_window_classes(std::string_view comment_lines) {
  std::string as_macros;
  size_t start = 0;
  while (start < comment_lines.size()) {
    size_t end = comment_lines.find('\n', start);
    if (end == std::string_view::npos) end = comment_lines.size();
    std::string line(comment_lines.substr(start, end - start));
    if (size_t mark = line.find("@DW"); mark != std::string::npos) {
      as_macros += "@DF";
      as_macros.append(line, mark + 3);
      as_macros += '\n';
    }
    start = end + 1;
  }
  std::vector<WindowClass> classes;
  // DLL names hold a "." themselves: the class is what follows the last one.
  for (const CustomMacro& m : parse_custom_macros(as_macros)) {
    const std::string whole = m.library.empty() ? m.syntax : m.library + "." + m.syntax;
    const size_t dot = whole.rfind('.');
    if (dot == std::string::npos) classes.push_back({std::string(), whole, m.description});
    else classes.push_back({whole.substr(0, dot), whole.substr(dot + 1), m.description});
  }
  return classes;
}

EmbeddedWindowDialog::EmbeddedWindowDialog(project::ProjectState& state, EmbeddedWindow window)
    : state_(state), window_(std::move(window)) {}

void EmbeddedWindowDialog::on_init(ui::Dialog& dialog) {
  classes_ = parse_window_classes(state_.data.project.window_comments);
  for (const WindowClass& c : classes_) dialog.add_item(kClass, c.name);
  dialog.set_text(kClass, window_.window_class);
  dialog.set_text(kDll, window_.dll);
  dialog.set_text(kData, window_.data);
  const int chosen = window_.position == 'r' ? 1 : window_.position == 'c' ? 2 : 0;
  for (int i = 0; i < 3; ++i) dialog.set_check(kLeft + i, i == chosen ? 1 : 0);
}

void EmbeddedWindowDialog::on_command(ui::Dialog& dialog, int id, ui::Notify notify) {
  if (id == kClass && notify == ui::Notify::selection) {
    const int index = dialog.selection(kClass);
    if (index >= 0 && index < static_cast<int>(classes_.size())) dialog.set_text(kDll, classes_[index].dll);
    return;
  }
  if (id == kHelpButton) {
    core::ProductHelpContext(state_, dialog.handle(), kEmbeddedWindowHelp);
    return;
  }
  if (id == ui::kIdOk) return accept(dialog);
  ui::DialogProc::on_command(dialog, id, notify);
}

void EmbeddedWindowDialog::accept(ui::Dialog& dialog) {
  EmbeddedWindow w;
  w.dll = trimmed(dialog.text(kDll));
  w.window_class = trimmed(dialog.text(kClass));
  w.data = trimmed(dialog.text(kData));
  w.position = dialog.check(kLeft + 1) == 1 ? 'r' : dialog.check(kLeft + 2) == 1 ? 'c' : 'l';
  auto refuse = [&](int message, int field) {
    core::show_message(state_, core::resource_string(message), ui::kMbOk | ui::kMbIconExclamation);
    dialog.set_focus(field);
  };
  if (w.dll.empty()) return refuse(kNoDllText, kDll);
  if (w.window_class.empty()) return refuse(kNoClassText, kClass);
  if (w.data.empty()) return refuse(kNoWindowDataText, kData);
  window_ = w;
  dialog.end(1);
}

int InsertEmbWindow(project::ProjectState& state, std::int32_t window, std::string_view document,
                    std::string& text) {
  if (state.compiler_kind == 2) {
    core::show_message(state, kWin31OnlyText, ui::kMbOk | ui::kMbIconExclamation);
    return 0;
  }
  if (!document.empty() && !project::CheckProjectDocument(state, document)) return 0;
  EmbeddedWindow existing;
  parse_embedded_window(text, existing);
  EmbeddedWindowDialog dialog(state, existing);
  if (ui::host().run_modal(core::authoring_module(), "DLG_EMBWIN", dialog, core::dialog_owner(state, window)) != 1)
    return 0;
  text = embedded_window_text(dialog.window());
  return 1;
}

}  // namespace aids
