// The dialog font and the dialog units it gives: templates are laid out in
// dialog units (4 a character's average width across, 8 a line's height
// down). The control model keeps pixels at the base units of the templates'
// 8-point font (6 by 13); the widgets scale those to the font they show.
#pragma once
#include <QFont>
#include <QRect>
#include <QString>

#include "platform/ui/dialog.h"
#include "platform/ui/resources.h"

namespace ui::gui {

struct DialogMetrics {
  QFont font;
  double base_x = 6;   // average character width, pixels
  double base_y = 13;  // line height, pixels

  // A model rectangle (pixels at 6 by 13) in this font's pixels.
  QRect to_widget(WindowRect model) const;
  QPointF scale() const { return {base_x / 6.0, base_y / 13.0}; }
  // A widget's pixel size back in the model's pixels.
  WindowRect to_model(const QRect& widget) const;
};

// The font a template names, mapped to one the desktop has, at its size
// (8 points when it names none).
DialogMetrics metrics_for(const DialogTemplate& t);
DialogMetrics metrics_for_font(const QString& face, int points);

}  // namespace ui::gui
