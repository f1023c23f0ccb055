#include "platform/ui/gui/prompts.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "platform/paths.h"
#include "platform/ui/gui/qt_painter.h"
#include "platform/ui/gui/text_edge.h"
#include "platform/ui/message_box.h"

namespace ui::gui {

namespace {

QMessageBox::Icon box_icon(std::uint32_t flags) {
  switch (flags & 0xF0) {
    case kMbIconStop: return QMessageBox::Critical;
    case kMbIconQuestion: return QMessageBox::Question;
    case kMbIconExclamation: return QMessageBox::Warning;
    case kMbIconInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}

QMessageBox::StandardButton qt_button(int id) {
  switch (id) {
    case kIdOk: return QMessageBox::Ok;
    case kIdCancel: return QMessageBox::Cancel;
    case kIdAbort: return QMessageBox::Abort;
    case kIdRetry: return QMessageBox::Retry;
    case kIdIgnore: return QMessageBox::Ignore;
    case kIdYes: return QMessageBox::Yes;
    default: return QMessageBox::No;
  }
}

// "*.hpj" or "Help Project (*.hpj)" as a Qt name filter.
QString name_filter(const std::string& filter) {
  if (filter.empty()) return QObject::tr("All files (*)");
  QString f = from_host_text(filter);
  f.replace(QChar(';'), QChar(' '));
  return f.contains('(') ? f : f + QStringLiteral(" (") + f + QStringLiteral(")");
}

QString start_place(const FileDialogRequest& r) {
  const std::string dir = r.initial_dir.empty() ? std::string() : platform::to_host_path(r.initial_dir);
  if (r.initial_file.empty()) return from_host_text(dir);
  const std::string file = platform::to_host_path(r.initial_file);
  return from_host_text(dir.empty() || (!file.empty() && file[0] == '/') ? file : dir + "/" + file);
}

}  // namespace

int show_message_box(QWidget* owner, std::string_view text, std::string_view caption, std::uint32_t flags) {
  const detail::BoxButtons buttons = detail::box_buttons(flags);
  QMessageBox box(box_icon(flags), from_host_text(caption), from_host_text(text), QMessageBox::NoButton, owner);
  std::map<QAbstractButton*, int> ids;
  for (int id : buttons.ids) {
    QPushButton* b = box.addButton(qt_button(id));
    ids[b] = id;
    if (id == buttons.default_id) box.setDefaultButton(b);
  }
  box.exec();
  auto it = ids.find(box.clickedButton());
  if (it != ids.end()) return it->second;
  const bool has_cancel = std::find(buttons.ids.begin(), buttons.ids.end(), kIdCancel) != buttons.ids.end();
  return has_cancel ? kIdCancel : buttons.default_id;
}

std::optional<std::string> show_file_dialog(QWidget* owner, const FileDialogRequest& request) {
  const QString title = from_host_text(request.title);
  const QString filter = name_filter(request.filter);
  const QString path = request.save ? QFileDialog::getSaveFileName(owner, title, start_place(request), filter)
                                    : QFileDialog::getOpenFileName(owner, title, start_place(request), filter);
  if (path.isEmpty()) return std::nullopt;
  return to_host_text(path);
}

std::optional<std::uint32_t> show_colour_dialog(QWidget* owner, std::uint32_t initial, CustomColours& custom) {
  for (int i = 0; i < static_cast<int>(custom.size()); ++i)
    QColorDialog::setCustomColor(i, to_qcolor(custom[static_cast<size_t>(i)]));
  const QColor chosen = QColorDialog::getColor(to_qcolor(initial), owner);
  for (int i = 0; i < static_cast<int>(custom.size()); ++i) {
    const QColor c = QColorDialog::customColor(i);
    custom[static_cast<size_t>(i)] = static_cast<std::uint32_t>(c.red() | (c.green() << 8) | (c.blue() << 16));
  }
  if (!chosen.isValid()) return std::nullopt;
  return static_cast<std::uint32_t>(chosen.red() | (chosen.green() << 8) | (chosen.blue() << 16));
}

}  // namespace ui::gui
