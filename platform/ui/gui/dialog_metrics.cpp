#include "platform/ui/gui/dialog_metrics.h"

#include <QFontMetricsF>
#include <cmath>

#include "platform/ui/gui/text_edge.h"

namespace ui::gui {

namespace {

// Faces of the templates that Linux desktops do not have: a metric match
// where one is common, the desktop's sans serif otherwise.
QString desktop_face(const QString& face) {
  const QString f = face.toLower();
  if (f.isEmpty() || f == "ms sans serif" || f == "ms shell dlg" || f == "ms shell dlg 2" ||
      f == "helv" || f == "arial" || f == "system")
    return QStringLiteral("Liberation Sans");
  if (f == "courier" || f == "courier new") return QStringLiteral("Liberation Mono");
  if (f == "times new roman") return QStringLiteral("Liberation Serif");
  return face;
}

}  // namespace

QRect DialogMetrics::to_widget(WindowRect model) const {
  const QPointF s = scale();
  const int left = static_cast<int>(std::lround(model.x * s.x()));
  const int top = static_cast<int>(std::lround(model.y * s.y()));
  const int right = static_cast<int>(std::lround((model.x + model.cx) * s.x()));
  const int bottom = static_cast<int>(std::lround((model.y + model.cy) * s.y()));
  return {left, top, right - left, bottom - top};
}

WindowRect DialogMetrics::to_model(const QRect& widget) const {
  const QPointF s = scale();
  return {static_cast<int>(std::lround(widget.x() / s.x())), static_cast<int>(std::lround(widget.y() / s.y())),
          static_cast<int>(std::lround(widget.width() / s.x())),
          static_cast<int>(std::lround(widget.height() / s.y()))};
}

DialogMetrics metrics_for_font(const QString& face, int points) {
  DialogMetrics m;
  m.font = QFont(desktop_face(face));
  m.font.setStyleHint(QFont::SansSerif);
  m.font.setPointSize(points > 0 ? points : 8);
  QFontMetricsF fm(m.font);
  // The average width the way the system measures it: the 52 letters.
  const double letters =
      fm.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  m.base_x = std::max(1.0, std::floor((letters / 26.0 + 1.0) / 2.0));
  m.base_y = std::max(1.0, std::ceil(fm.height()));
  return m;
}

DialogMetrics metrics_for(const DialogTemplate& t) {
  return metrics_for_font(from_host_text(t.font), t.font_size);
}

}  // namespace ui::gui
