#include "platform/ui/gui/layout_check.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QRadioButton>
#include <QStyle>
#include <QTextStream>
#include <cstdlib>
#include <optional>
#include <set>

#include "platform/ui/gui/dialog_window.h"

namespace ui::gui {

using detail::ControlKind;

namespace {

// A caption without its accelerator mark.
QString shown(QString text) {
  text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
  text.remove(QChar('&'));
  text.replace(QChar('\x01'), QChar('&'));
  return text;
}

// The room a check box's or radio button's indicator and its gap take at the
// desktop's style.
int indicator_room(const QWidget& button) {
  const bool radio = qobject_cast<const QRadioButton*>(&button) != nullptr;
  QStyle* style = button.style();
  return style->pixelMetric(radio ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth, nullptr, &button) +
         style->pixelMetric(radio ? QStyle::PM_RadioButtonLabelSpacing : QStyle::PM_CheckBoxLabelSpacing, nullptr,
                            &button);
}

// A plain frame or rectangle drawn behind the controls it holds.
bool is_frame(const ControlView& view) {
  return view.kind == ControlKind::static_text && view.widget->metaObject() == &QFrame::staticMetaObject;
}

// A control's caption and the room it has; empty when it shows no caption
// to measure (or, for wrapped labels, when it fits).
std::optional<std::string> text_problem(const ControlView& view, const QFontMetrics& fm, const std::string& where) {
  const QRect r = view.widget->geometry();
  QString text;
  int room = r.width();
  if (auto* label = qobject_cast<QLabel*>(view.widget)) {
    text = shown(label->text());
    if (label->wordWrap()) {
      const QRect need = fm.boundingRect(QRect(0, 0, room, 10000), Qt::TextWordWrap, text);
      if (need.height() > r.height() + fm.descent()) return where + " wraps beyond its height: " + text.toStdString();
      return std::nullopt;
    }
  } else if (qobject_cast<QCheckBox*>(view.widget) || qobject_cast<QRadioButton*>(view.widget)) {
    text = shown(static_cast<QAbstractButton*>(view.widget)->text());
    room -= indicator_room(*view.widget);
  } else if (auto* button = qobject_cast<QAbstractButton*>(view.widget)) {
    text = shown(button->text());
    room -= 4;
  } else if (auto* group = qobject_cast<QGroupBox*>(view.widget)) {
    text = shown(group->title());
    room -= 8;
  }
  if (!text.isEmpty() && fm.horizontalAdvance(text) > room)
    return where + " is too narrow for \"" + text.toStdString() + "\"";
  return std::nullopt;
}

}  // namespace

std::vector<std::string> layout_problems(const DialogWindow& window) {
  std::vector<std::string> problems;
  const std::string name = window.objectName().toStdString();
  const QRect inside(QPoint(0, 0), window.size());
  const QFontMetrics fm(window.metrics().font);
  std::vector<const ControlView*> shown_controls;
  for (const ControlView& view : window.controls()) {
    if (view.widget->isHidden()) continue;
    shown_controls.push_back(&view);
    const std::string where = name + " control " + std::to_string(view.id);
    if (!inside.contains(view.widget->geometry())) problems.push_back(where + " lies outside the dialog");
    if (std::optional<std::string> p = text_problem(view, fm, where)) problems.push_back(std::move(*p));
  }
  for (size_t i = 0; i < shown_controls.size(); ++i) {
    for (size_t j = i + 1; j < shown_controls.size(); ++j) {
      const ControlView& a = *shown_controls[i];
      const ControlView& b = *shown_controls[j];
      if (a.kind == ControlKind::group_box || b.kind == ControlKind::group_box) continue;
      if (is_frame(a) || is_frame(b)) continue;
      const QRect overlap = a.widget->geometry().intersected(b.widget->geometry());
      if (overlap.width() > 1 && overlap.height() > 1)
        problems.push_back(name + " controls " + std::to_string(a.id) + " and " + std::to_string(b.id) + " overlap");
    }
  }
  return problems;
}

QString shots_folder_from_environment() {
  const char* folder = std::getenv("TARVENWICK_GUI_SHOTS");
  return folder ? QString::fromLocal8Bit(folder) : QString();
}

void keep_dialog_shot(DialogWindow& window, const QString& folder) {
  if (!QDir().mkpath(folder)) return;
  const QString name = window.objectName();
  window.grab().save(folder + "/" + name + ".png");
  // One file per program, so test programs running side by side never share one.
  const QString program = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
  QFile file(folder + "/" + name + "." + (program.isEmpty() ? QStringLiteral("host") : program) + ".layout");
  std::set<std::string> lines;
  if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    while (!file.atEnd()) {
      const QByteArray line = file.readLine().trimmed();
      if (!line.isEmpty()) lines.insert(line.toStdString());
    }
    file.close();
  }
  for (std::string& p : layout_problems(window)) lines.insert(std::move(p));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) return;
  for (const std::string& line : lines) file.write((line + "\n").c_str());
}

}  // namespace ui::gui
