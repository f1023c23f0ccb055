// The panel's two pages, child windows of the command panel: the entry form
// (dialog 1001) and the list view (dialog 1002).
#pragma once
#include <memory>

#include "assistant/app.h"
#include "platform/ui/dialog.h"
#include "platform/ui/keys.h"

namespace assistant {

class FormPage : public ui::DialogProc, public ui::KeyHook {
 public:
  explicit FormPage(App& app) : app_(app) {}
  void on_init(ui::Dialog& dialog) override;
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override;
  void on_close(ui::Dialog& dialog) override;
  bool on_key(ui::Dialog& dialog, int id, ui::KeyPress key) override;
  void on_help(ui::Dialog& dialog, int control) override;

  // Shows the fields of the mode and fills the topic ID list.
  static void arrange_fields(ui::Dialog& dialog, const App& app);
  static void write_values(ui::Dialog& dialog, const FormValues& values, const App& app);
  static FormValues read_values(const ui::Dialog& dialog);

 private:
  void read_from_visual_basic(ui::Dialog& dialog);
  void paste_to_visual_basic(ui::Dialog& dialog);
  App& app_;
};

class ListPage : public ui::DialogProc, public ui::KeyHook {
 public:
  explicit ListPage(App& app) : app_(app) {}
  void on_init(ui::Dialog& dialog) override;
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override;
  bool on_key(ui::Dialog& dialog, int id, ui::KeyPress key) override;

  static void fill(ui::Dialog& dialog, const App& app);

 private:
  void search(ui::Dialog& dialog);
  void move(ui::Dialog& dialog, int step);
  void arrange(ui::Dialog& dialog);
  App& app_;
};

}  // namespace assistant
