#include "platform/ui/gui/dialog_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QIcon>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <cmath>

#include "platform/text.h"
#include "platform/ui/gui/control_factory.h"
#include "platform/ui/gui/painted_box.h"
#include "platform/ui/gui/qt_painter.h"
#include "platform/ui/gui/text_edge.h"
#include "platform/ui/keys.h"

namespace ui::gui {

using detail::ControlKind;
using detail::ControlState;

namespace {

constexpr std::uint32_t kSizingFrame = 0x00040000;  // WS_THICKFRAME
constexpr std::uint32_t kChildStyle = 0x40000000;   // WS_CHILD

QStringList item_texts(const ControlState& c) {
  QStringList out;
  out.reserve(static_cast<qsizetype>(c.items().size()));
  for (const detail::Item& item : c.items()) out.append(from_host_text(item.text));
  return out;
}

template <typename Widget>
QStringList widget_items(Widget* w) {
  QStringList out;
  for (int i = 0; i < w->count(); ++i) out.append(w->itemText(i));
  return out;
}

QStringList list_items(QListWidget* list) {
  QStringList out;
  for (int i = 0; i < list->count(); ++i) out.append(list->item(i)->text());
  return out;
}

QStringList tab_items(QTabBar* tabs) {
  QStringList out;
  for (int i = 0; i < tabs->count(); ++i) out.append(tabs->tabText(i));
  return out;
}

// A combo box's template height counts its drop-down list; the widget shows one line.
QRect placed(const ControlState& c, const QRect& r, QWidget* w) {
  if (c.kind() != ControlKind::combo_box) return r;
  return {r.x(), r.y(), r.width(), std::min(r.height(), w->sizeHint().height())};
}

// Edit fields and combo boxes tell their procedure when they gain or lose the focus.
bool tells_focus(ControlKind kind) { return kind == ControlKind::edit || kind == ControlKind::combo_box; }

std::optional<Key> dialog_key(int qt_key) {
  switch (qt_key) {
    case Qt::Key_Tab: case Qt::Key_Backtab: return Key::tab;
    case Qt::Key_Return: case Qt::Key_Enter: return Key::enter;
    case Qt::Key_Escape: return Key::escape;
    case Qt::Key_Left: return Key::left;
    case Qt::Key_Right: return Key::right;
    case Qt::Key_Delete: return Key::del;
    default: return std::nullopt;
  }
}

}  // namespace

DialogWindow::DialogWindow(detail::HeadlessDialog& model, std::function<void()> after_event, QWidget* parent)
    : QDialog(parent), model_(&model), after_event_(std::move(after_event)), metrics_(metrics_for(model.source())) {
  setFont(metrics_.font);
  setObjectName(from_host_text(model.identifier()));
  if (model.source().exstyle & style::kTopmost) setWindowFlag(Qt::WindowStaysOnTopHint, true);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  if (embedded()) setWindowFlags(Qt::Widget);
  build();
  sync();
}

void DialogWindow::build() {
  for (const ControlTemplate& t : model_->source().controls) {
    ControlView view;
    view.id = t.id;
    view.source = t;
    view.in_model = true;
    for (const ControlView& earlier : controls_)
      if (earlier.id == t.id) view.in_model = false;
    ControlState state(t);
    view.kind = state.kind();
    view.widget = make_control(state, metrics_, this);
    controls_.push_back(view);
    connect_control(controls_.back());
  }
  // A label's "&" moves to the control after it, as the dialog manager does.
  for (size_t i = 0; i + 1 < controls_.size(); ++i)
    if (auto* label = qobject_cast<QLabel*>(controls_[i].widget)) label->setBuddy(controls_[i + 1].widget);
  // Group boxes lie under the controls they hold.
  for (const ControlView& view : controls_)
    if (view.kind == ControlKind::group_box) view.widget->lower();
}

void DialogWindow::connect_control(const ControlView& view) {
  const int id = view.id;
  QWidget* w = view.widget;
  ids_[w] = id;
  w->installEventFilter(this);
  if (!view.in_model) return;
  if (auto* button = qobject_cast<QPushButton*>(w)) {
    connect(button, &QPushButton::clicked, this, [this, id] { command(id, Notify::clicked); });
  } else if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
    connect(static_cast<QAbstractButton*>(w), &QAbstractButton::clicked, this, [this, id] { user_click(id); });
  } else if (auto* line = qobject_cast<QLineEdit*>(w)) {
    connect(line, &QLineEdit::textEdited, this, [this, id](const QString& t) { user_text(id, to_host_text(t)); });
  } else if (auto* edit = qobject_cast<QPlainTextEdit*>(w)) {
    ids_[edit->viewport()] = id;
    connect(edit, &QPlainTextEdit::textChanged, this, [this, id, edit] {
      if (!syncing_) user_text(id, to_host_lines(edit->toPlainText()));
    });
  } else if (auto* list = qobject_cast<QListWidget*>(w)) {
    connect(list, &QListWidget::itemSelectionChanged, this, [this, id, list] {
      if (syncing_) return;
      if (list->selectionMode() != QAbstractItemView::SingleSelection) return user_multi_pick(id);
      // The selection changes before the current row does: read the selection.
      const QList<QListWidgetItem*> picked = list->selectedItems();
      user_pick(id, picked.isEmpty() ? -1 : list->row(picked.first()), false);
    });
    connect(list, &QListWidget::itemDoubleClicked, this, [this, id] { command(id, Notify::double_clicked); });
  } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
    connect(combo, &QComboBox::activated, this, [this, id](int row) { user_pick(id, row, false); });
    if (QLineEdit* inner = combo->lineEdit()) {
      ids_[inner] = id;
      inner->installEventFilter(this);
      connect(inner, &QLineEdit::textEdited, this, [this, id](const QString& t) { user_text(id, to_host_text(t)); });
    }
  } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
    connect(tabs, &QTabBar::currentChanged, this, [this, id](int index) {
      if (syncing_ || !model_) return;
      model_->set_focus(id);
      model_->set_selection(id, index);  // the strip tells its procedure itself
      finished_call();
    });
  } else if (auto* painted = dynamic_cast<PaintedBox*>(w)) {
    painted->on_pick = [this, id](int row, bool double_click) { user_pick(id, row, double_click); };
  }
}

QWidget* DialogWindow::control_widget(int id) const {
  for (const ControlView& view : controls_)
    if (view.id == id) return view.widget;
  return nullptr;
}

void DialogWindow::sync() {
  if (!model_) return;
  syncing_ = true;
  setWindowTitle(from_host_text(model_->caption()));
  const QRect frame = metrics_.to_widget(model_->rect());
  if (embedded() && pos() != frame.topLeft()) move(frame.topLeft());
  // A sizing frame lets the person resize the window; its procedure lays it out again.
  if (resizable()) {
    if (size() != frame.size()) resize(frame.size());
  } else {
    setFixedSize(frame.size());
  }
  for (ControlView& view : controls_) sync_control(view);
  syncing_ = false;
  if (model_->modal() && model_->ended() && isVisible()) done(model_->result());
}

bool DialogWindow::embedded() const {
  return model_ && !model_->modal() && (model_->source().style & kChildStyle) != 0 && parentWidget() != nullptr;
}

bool DialogWindow::resizable() const { return model_ && (model_->source().style & kSizingFrame) != 0; }

void DialogWindow::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  if (syncing_ || !resizable() || model_->ended()) return;
  WindowRect rect = model_->rect();
  if (size() == metrics_.to_widget(rect).size()) return;
  const WindowRect now = metrics_.to_model(QRect(QPoint(0, 0), size()));
  rect.cx = now.cx;
  rect.cy = now.cy;
  model_->run_size(rect);
  finished_call();
}

void DialogWindow::sync_control(ControlView& view) {
  QWidget* w = view.widget;
  // Controls the model cannot reach (a second label with the same id) keep
  // their template, placed at the model's base units.
  ControlState own(view.source);
  own.rect = {view.source.x * 6 / 4, view.source.y * 13 / 8, view.source.cx * 6 / 4, view.source.cy * 13 / 8};
  const ControlState* c = view.in_model ? model_->control_state(view.id) : &own;
  if (!c) return;
  w->setGeometry(placed(*c, metrics_.to_widget(c->rect), w));
  w->setEnabled(c->enabled);
  const QString caption = caption_text(c->text, c->source().style & style::kStaticNoPrefix);
  if (auto* label = qobject_cast<QLabel*>(w)) {
    if (label->text() != caption) label->setText(caption);
  } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
    if (!owner_drawn(*c) && button->text() != caption) button->setText(caption);
    if (auto* box = qobject_cast<QCheckBox*>(w))
      box->setCheckState(c->check == 2 ? Qt::PartiallyChecked : c->check ? Qt::Checked : Qt::Unchecked);
    else if (c->kind() != ControlKind::push_button)
      button->setChecked(c->check != 0);
  } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
    if (group->title() != caption) group->setTitle(caption);
  } else if (auto* line = qobject_cast<QLineEdit*>(w)) {
    const QString t = from_host_text(c->text);
    if (line->text() != t) line->setText(t);
  } else if (auto* edit = qobject_cast<QPlainTextEdit*>(w)) {
    const QString t = from_host_lines(c->text);
    if (edit->toPlainText() != t) edit->setPlainText(t);
  } else if (auto* list = qobject_cast<QListWidget*>(w)) {
    const QStringList items = item_texts(*c);
    if (list_items(list) != items) {
      list->clear();
      list->addItems(items);
    }
    for (int i = 0; i < list->count(); ++i) {
      const bool on = c->multi_select() ? c->items()[static_cast<size_t>(i)].selected : c->selection() == i;
      if (list->item(i)->isSelected() != on) list->item(i)->setSelected(on);
    }
    if (c->selection() >= 0 && list->currentRow() != c->selection())
      list->setCurrentRow(c->selection(), QItemSelectionModel::NoUpdate);
  } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
    const QStringList items = item_texts(*c);
    if (widget_items(combo) != items) {
      combo->clear();
      combo->addItems(items);
    }
    if (combo->currentIndex() != c->selection()) combo->setCurrentIndex(c->selection());
    if (combo->isEditable() && combo->currentText() != from_host_text(c->text))
      combo->setEditText(from_host_text(c->text));
  } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
    const QStringList items = item_texts(*c);
    if (tab_items(tabs) != items) {
      while (tabs->count()) tabs->removeTab(0);
      for (const QString& item : items) tabs->addTab(item);
    }
    if (tabs->currentIndex() != c->selection()) tabs->setCurrentIndex(c->selection());
  } else if (auto* meter = qobject_cast<QProgressBar*>(w)) {
    meter->setRange(0, std::max(c->progress_range, 1));
    meter->setValue(std::clamp(c->progress_position, 0, std::max(c->progress_range, 1)));
  } else if (auto* painted = dynamic_cast<PaintedBox*>(w)) {
    painted->set_items(item_texts(*c), c->selection());
  }
  w->setVisible(c->visible);
}

void DialogWindow::detach() {
  model_ = nullptr;
  hide();
  deleteLater();
}

QImage DialogWindow::painted(QSize size, const QColor& background, const PaintFn& draw) const {
  QImage picture(size.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
  picture.fill(background);
  QPainter qp(&picture);
  const ResourceSet* resources = model_ ? &model_->resources() : nullptr;
  QtPainter painter(qp, metrics_.scale(), metrics_.font, [resources](std::string_view name) -> QImage {
    const std::string* bytes = resources ? resources->bitmap_data(name) : nullptr;
    if (bytes) return QImage::fromData(QByteArray::fromStdString(*bytes));
    const std::string* file = resources ? resources->bitmap(name) : nullptr;
    return file ? QImage(QString::fromStdString(*file)) : QImage();
  });
  draw(painter);
  qp.end();
  return picture;
}

void DialogWindow::paint_control(int id, const PaintFn& draw) {
  if (!draw) return;
  QWidget* target = id == 0 ? this : control_widget(id);
  if (auto* button = qobject_cast<QPushButton*>(target)) {
    // An owner-drawn button shows its picture inside the button's frame.
    const QSize inside = button->size() - QSize(6, 6);
    button->setIcon(QIcon(QPixmap::fromImage(painted(inside, button->palette().button().color(), draw))));
    button->setIconSize(inside);
    return;
  }
  auto* box = dynamic_cast<PaintedBox*>(target);
  if (!box) return;
  // A scrolled list keeps the rows above its top in the picture.
  const QSize size = box->contentsRect().size() + QSize(0, box->top_row() * box->row_height());
  box->set_picture(painted(size, box->palette().base().color(), draw));
}

void DialogWindow::set_item_height(int id, int pixels) {
  if (auto* box = dynamic_cast<PaintedBox*>(control_widget(id)))
    box->set_row_height(static_cast<int>(std::lround(pixels * metrics_.scale().y())));
}

void DialogWindow::set_top_index(int id, int index) {
  QWidget* w = control_widget(id);
  if (auto* box = dynamic_cast<PaintedBox*>(w)) return box->set_top_row(index);
  if (auto* list = qobject_cast<QListWidget*>(w); list && index >= 0 && index < list->count())
    list->scrollToItem(list->item(index), QAbstractItemView::PositionAtTop);
}

void DialogWindow::command(int id, Notify notify) {
  if (!model_) return;
  model_->set_focus(id);
  model_->run_command(id, notify);
  finished_call();
}

void DialogWindow::user_click(int id) {
  if (!model_) return;
  ControlState* c = model_->control_state(id);
  if (c && c->automatic()) {
    const int next = c->kind() == ControlKind::radio_button ? 1
                     : c->three_state()                     ? (c->check + 1) % 3
                                                            : (c->check == 0 ? 1 : 0);
    model_->set_check(id, next);
  }
  command(id, Notify::clicked);
}

void DialogWindow::user_text(int id, std::string value) {
  if (!model_ || syncing_) return;
  ControlState* c = model_->control_state(id);
  if (!c) return;
  if (c->kind() == ControlKind::edit && c->has_style(style::kEditUpper)) value = text::to_upper(value);
  if (c->kind() == ControlKind::edit && c->has_style(style::kEditLower)) value = text::to_lower(value);
  c->text = value;
  command(id, Notify::changed);
}

void DialogWindow::user_pick(int id, int row, bool double_click) {
  if (!model_ || syncing_) return;
  ControlState* c = model_->control_state(id);
  if (!c || !c->valid(row)) return;
  c->set_selection(row);  // a plain click picks this one item, in any list
  command(id, Notify::selection);
  if (double_click && model_ && !model_->ended()) command(id, Notify::double_clicked);
}

void DialogWindow::user_multi_pick(int id) {
  auto* list = qobject_cast<QListWidget*>(control_widget(id));
  ControlState* c = model_ ? model_->control_state(id) : nullptr;
  if (!list || !c) return;
  for (int i = 0; i < list->count() && c->valid(i); ++i) c->select_item(i, list->item(i)->isSelected());
  if (c->valid(list->currentRow()) && list->item(list->currentRow())->isSelected())
    c->select_item(list->currentRow(), true);  // the caret follows the item picked last
  command(id, Notify::selection);
}

bool DialogWindow::user_key(int id, int qt_key, bool shift) {
  std::optional<Key> key = dialog_key(qt_key);
  if (!key || !model_) return false;
  model_->set_focus(id);
  const bool taken = model_->run_key(id, KeyPress{*key, shift || qt_key == Qt::Key_Backtab});
  if (taken) finished_call();
  return taken;
}

void DialogWindow::user_focus(int id) {
  const int left = model_->focus();
  model_->set_focus(id);
  if (left == id || syncing_) return;
  const auto tells = [this](int control) {
    const ControlState* c = model_ ? model_->control_state(control) : nullptr;
    return c && tells_focus(c->kind());
  };
  if (tells(left)) model_->run_command(left, Notify::focus_lost);
  if (model_ && !model_->ended() && tells(id)) model_->run_command(id, Notify::focus_gained);
  finished_call();
}

void DialogWindow::reject() {
  // Closing the window or pressing Escape is the Cancel command; the
  // procedure decides whether the window goes.
  if (!model_) return QDialog::reject();
  command(kIdCancel, Notify::clicked);
}

bool DialogWindow::eventFilter(QObject* watched, QEvent* event) {
  auto it = ids_.find(watched);
  if (it == ids_.end() || !model_) return QDialog::eventFilter(watched, event);
  if (event->type() == QEvent::FocusIn) {
    user_focus(it->second);
  } else if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (user_key(it->second, key->key(), key->modifiers() & Qt::ShiftModifier)) return true;
  }
  return QDialog::eventFilter(watched, event);
}

void DialogWindow::finished_call() {
  if (after_event_) after_event_();
}

}  // namespace ui::gui
