#include "platform/ui/gui/control_factory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>

#include "platform/text.h"
#include "platform/ui/gui/painted_box.h"
#include "platform/ui/gui/tab_stop_delegate.h"
#include "platform/ui/gui/text_edge.h"

namespace ui::gui {

using detail::ControlKind;
using detail::ControlState;

namespace {

std::uint32_t style_of(const ControlState& c) { return c.source().style; }

QWidget* make_static(const ControlState& c, const DialogMetrics& m, QWidget* parent) {
  const std::uint32_t type = style_of(c) & style::kStaticType;
  if (owner_drawn(c) || type == style::kStaticBitmap || type == style::kStaticIcon)
    return new PaintedBox(parent, false, static_cast<int>(m.base_y));
  if ((type >= 0x4 && type <= 0x9) || (type >= 0x10 && type <= 0x12)) {
    auto* frame = new QFrame(parent);
    frame->setFrameStyle(type == 0x10   ? QFrame::HLine | QFrame::Sunken
                         : type == 0x11 ? QFrame::VLine | QFrame::Sunken
                                        : QFrame::Box | QFrame::Sunken);
    return frame;
  }
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  const Qt::Alignment across = type == style::kStaticCentre ? Qt::AlignHCenter
                               : type == style::kStaticRight ? Qt::AlignRight
                                                             : Qt::AlignLeft;
  label->setAlignment(across | Qt::AlignTop);
  label->setWordWrap(type != style::kStaticSimple && type != style::kStaticNoWrap);
  if (style_of(c) & style::kBorder) label->setFrameStyle(QFrame::Box | QFrame::Plain);
  return label;
}

QWidget* make_edit(const ControlState& c, QWidget* parent) {
  const std::uint32_t s = style_of(c);
  if (s & style::kEditMultiLine) {
    auto* edit = new QPlainTextEdit(parent);
    edit->setReadOnly(s & style::kEditReadOnly);
    edit->setTabChangesFocus(false);
    return edit;
  }
  auto* edit = new QLineEdit(parent);
  edit->setReadOnly(s & style::kEditReadOnly);
  if (s & style::kEditPassword) edit->setEchoMode(QLineEdit::Password);
  edit->setAlignment((s & style::kEditRight) ? Qt::AlignRight : (s & style::kEditCentre) ? Qt::AlignHCenter
                                                                                        : Qt::AlignLeft);
  return edit;
}

QWidget* make_list(const ControlState& c, const DialogMetrics& m, QWidget* parent) {
  const std::uint32_t s = style_of(c);
  if (owner_drawn(c)) return new PaintedBox(parent, true, static_cast<int>(m.base_y * 20 / 13));
  auto* list = new QListWidget(parent);
  list->setSelectionMode(s & style::kListExtended   ? QAbstractItemView::ExtendedSelection
                         : s & style::kListMultiple ? QAbstractItemView::MultiSelection
                                                    : QAbstractItemView::SingleSelection);
  list->setUniformItemSizes(true);
  if (s & style::kListTabStops)
    list->setItemDelegate(new TabStopDelegate(list, static_cast<int>(m.base_x * 32 / 4)));
  return list;
}

QWidget* make_combo(const ControlState& c, QWidget* parent) {
  auto* combo = new QComboBox(parent);
  combo->setEditable((style_of(c) & style::kComboType) != style::kComboDropList);
  combo->setInsertPolicy(QComboBox::NoInsert);
  return combo;
}

QWidget* make_button(const ControlState& c, QWidget* parent) {
  switch (c.kind()) {
    case ControlKind::check_box: {
      auto* box = new QCheckBox(parent);
      box->setTristate(c.three_state());
      return box;
    }
    case ControlKind::radio_button: {
      auto* radio = new QRadioButton(parent);
      radio->setAutoExclusive(false);  // the model keeps the group's one tick
      return radio;
    }
    case ControlKind::group_box: {
      // The title sits on the frame's top line, as the templates were laid
      // out for; the desktop style would put it above the frame and push the
      // frame onto the controls inside.
      auto* group = new QGroupBox(parent);
      group->setStyleSheet(QStringLiteral(
          "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 0.5em; }"
          "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 6px;"
          " padding: 0 2px; }"));
      return group;
    }
    default: {
      auto* button = new QPushButton(parent);
      button->setAutoDefault(true);
      button->setDefault((style_of(c) & style::kButtonType) == style::kDefPushButton);
      return button;
    }
  }
}

}  // namespace

bool owner_drawn(const ControlState& c) {
  const std::uint32_t s = style_of(c);
  switch (c.kind()) {
    case ControlKind::static_text:
      return (s & style::kStaticType) == style::kStaticOwnerDraw || text::iequals(c.source().window_class, "BitStat");
    case ControlKind::list_box: return (s & (style::kListOwnerFixed | style::kListOwnerVariable)) != 0;
    case ControlKind::push_button: return (s & style::kButtonType) == style::kButtonOwnerDraw;
    default: return false;
  }
}

QWidget* make_control(const ControlState& c, const DialogMetrics& m, QWidget* parent) {
  QWidget* w = nullptr;
  switch (c.kind()) {
    case ControlKind::static_text: w = make_static(c, m, parent); break;
    case ControlKind::edit: w = make_edit(c, parent); break;
    case ControlKind::push_button:
    case ControlKind::check_box:
    case ControlKind::radio_button:
    case ControlKind::group_box: w = make_button(c, parent); break;
    case ControlKind::list_box: w = make_list(c, m, parent); break;
    case ControlKind::combo_box: w = make_combo(c, parent); break;
    case ControlKind::tab_strip: {
      auto* tabs = new QTabBar(parent);
      tabs->setExpanding(false);
      tabs->setDrawBase(false);
      w = tabs;
      break;
    }
    case ControlKind::progress: {
      auto* meter = new QProgressBar(parent);
      meter->setTextVisible(false);
      w = meter;
      break;
    }
    case ControlKind::scroll_bar: w = new QScrollBar(Qt::Horizontal, parent); break;
    case ControlKind::other: w = new PaintedBox(parent, false, static_cast<int>(m.base_y)); break;
  }
  w->setFont(m.font);
  w->setObjectName(QStringLiteral("control_%1").arg(c.id()));
  return w;
}

}  // namespace ui::gui
