// "DLG_BROWSER" (the three browsers a publication may open in, and which one
// it does) and "DLG_COMPILER" (where the HTML Help compiler is). Their path
// fields show host paths and store what the user leaves or types in the
// library's own form (platform/path_field.h).
#pragma once
#include "html/driver/conversion_run.h"
#include "platform/ui/dialog.h"

namespace html {

class BrowserDialog : public ui::DialogProc {
 public:
  explicit BrowserDialog(ConversionRun& run) : run_(run) {}
  void on_init(ui::Dialog& dialog) override;
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override;

 private:
  int chosen(ui::Dialog& dialog) const;
  void ok(ui::Dialog& dialog);
  void save(ui::Dialog& dialog, int def);

  ConversionRun& run_;
};

class CompilerDialog : public ui::DialogProc {
 public:
  explicit CompilerDialog(ConversionRun& run) : run_(run) {}
  void on_init(ui::Dialog& dialog) override;
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override;

 private:
  void ok(ui::Dialog& dialog);

  ConversionRun& run_;
};

}  // namespace html
