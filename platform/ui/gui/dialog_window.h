// One dialog or modeless window on the desktop: widgets made from its
// template, kept in step with the control model of the headless core, and
// the person's actions handed to its procedure as the script's would be.
#pragma once
#include <QDialog>
#include <QImage>
#include <functional>
#include <map>
#include <vector>

#include "platform/ui/controls.h"
#include "platform/ui/gui/dialog_metrics.h"
#include "platform/ui/headless_dialog.h"
#include "platform/ui/painter.h"

namespace ui::gui {

struct ControlView {
  int id = -1;
  detail::ControlKind kind = detail::ControlKind::other;
  QWidget* widget = nullptr;
  // The first control with its id: the one the model and the procedure reach.
  bool in_model = false;
  ControlTemplate source;
};

class DialogWindow : public QDialog {
 public:
  // after_event runs after every call into the procedure the window made.
  DialogWindow(detail::HeadlessDialog& model, std::function<void()> after_event, QWidget* parent);

  detail::HeadlessDialog* model() const { return model_; }
  const DialogMetrics& metrics() const { return metrics_; }
  // Model to widgets; ends the window's exec when its modal dialog ended.
  void sync();
  // The model is gone: the window only hides and goes.
  void detach();
  // Draws into an owner-drawn control (or the whole window for control 0).
  void paint_control(int id, const PaintFn& draw);
  // A list's row height (the model's pixels) and the row at its top.
  void set_item_height(int id, int pixels);
  void set_top_index(int id, int index);
  const std::vector<ControlView>& controls() const { return controls_; }
  QWidget* control_widget(int id) const;
  // A WS_CHILD template opened inside another window (a page of a tabbed
  // dialog, the assistant's panel and its pages) sits in that window at its
  // template position instead of being a window of its own.
  bool embedded() const;

 protected:
  void reject() override;
  void accept() override {}
  bool eventFilter(QObject* watched, QEvent* event) override;
  // The person resized a window with a sizing frame: its procedure hears the new size.
  void resizeEvent(QResizeEvent* event) override;

 private:
  void build();
  bool resizable() const;
  void connect_control(const ControlView& view);
  void sync_control(ControlView& view);
  // Calls into the procedure the way a person's action reaches it.
  void command(int id, Notify notify);
  void user_click(int id);
  void user_text(int id, std::string text);
  void user_pick(int id, int row, bool double_click);
  void user_multi_pick(int id);
  bool user_key(int id, int qt_key, bool shift);
  // The focus moved to a control: the edit field or combo box it left and
  // the one it reached are told, as the dialog manager tells them.
  void user_focus(int id);
  void finished_call();
  // What draw paints on a picture of this size, at the dialog's scale.
  QImage painted(QSize size, const QColor& background, const PaintFn& draw) const;

  detail::HeadlessDialog* model_;
  std::function<void()> after_event_;
  DialogMetrics metrics_;
  std::vector<ControlView> controls_;
  std::map<QObject*, int> ids_;  // widgets (and their inner editors) to control ids
  bool syncing_ = false;
};

}  // namespace ui::gui
