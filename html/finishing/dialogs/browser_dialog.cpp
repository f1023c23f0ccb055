// "DLG_BROWSER": the three browsers a publication may open in, and which
// one it does.
#include "html/driver/conversion_run.h"
#include "html/driver/messages.h"
#include "html/finishing/dialogs/location_dialogs.h"
#include "html/finishing/location_checks.h"
#include "html/finishing/publication.h"
#include "platform/path_field.h"
#include "platform/profile.h"
#include "platform/text.h"
#include "platform/ui/host.h"
#include "resources/twzhtml/finishing.h"

namespace html {
namespace {

constexpr int kBrowsers = 3;

struct BrowserRow {
  std::string wizard::BrowserSettings::*path;
  std::string wizard::BrowserSettings::*title;
  std::string wizard::BrowserSettings::*short_path;
};

constexpr BrowserRow kRows[kBrowsers] = {
    {&wizard::BrowserSettings::path1, &wizard::BrowserSettings::title1, &wizard::BrowserSettings::short1},
    {&wizard::BrowserSettings::path2, &wizard::BrowserSettings::title2, &wizard::BrowserSettings::short2},
    {&wizard::BrowserSettings::path3, &wizard::BrowserSettings::title3, &wizard::BrowserSettings::short3},
};

}  // namespace

void BrowserDialog::on_init(ui::Dialog& dialog) {
  wizard::BrowserSettings& b = run_.settings.library.browser;
  if (b.path1.empty()) detect_default_browser(b);
  for (int i = 0; i < kBrowsers; ++i) {
    dialog.set_text(IDC_BROWSER_PATH_FIELD + i, platform::shown_in_field(b.*kRows[i].path));
    dialog.set_text(IDC_BROWSER_TITLE_FIELD + i, b.*kRows[i].title);
  }
  int def = b.def >= 1 && b.def <= kBrowsers ? b.def : 1;
  dialog.set_check(IDC_BROWSER_DEFAULT_RADIO + def - 1, 1);
}

void BrowserDialog::on_command(ui::Dialog& dialog, int id, ui::Notify) {
  if (id == ui::kIdOk) ok(dialog);
  else if (id == ui::kIdCancel) dialog.end(0);
}

int BrowserDialog::chosen(ui::Dialog& dialog) const {
  for (int i = 0; i < kBrowsers; ++i) {
    if (dialog.check(IDC_BROWSER_DEFAULT_RADIO + i) != 0) return i + 1;
  }
  return 1;
}

void BrowserDialog::ok(ui::Dialog& dialog) {
  int def = chosen(dialog);
  for (int i = 0; i < def; ++i) {
    if (text::trim(dialog.text(IDC_BROWSER_PATH_FIELD + i)).empty()) {
      show_message(resource_string(kStrSelectBrowser));
      dialog.set_focus(IDC_BROWSER_PATH_FIELD + i);
      return;
    }
  }
  save(dialog, def);
  dialog.end(1);
}

void BrowserDialog::save(ui::Dialog& dialog, int def) {
  wizard::BrowserSettings& b = run_.settings.library.browser;
  const std::string& file = run_.settings.files.library;
  platform::ProfileBatch batch(file);
  int given = 0;
  for (int i = 0; i < kBrowsers; ++i) {
    const std::string path = platform::stored_from_field(dialog.text(IDC_BROWSER_PATH_FIELD + i), b.*kRows[i].path);
    b.*kRows[i].path = b.*kRows[i].short_path = path;
    b.*kRows[i].title = std::string(text::trim(dialog.text(IDC_BROWSER_TITLE_FIELD + i)));
    std::string n = std::to_string(i + 1);
    platform::write_profile_string("Browser", "path" + n, path, file);
    platform::write_profile_string("Browser", "short" + n, path, file);
    platform::write_profile_string("Browser", "title" + n, b.*kRows[i].title, file);
    if (!path.empty()) ++given;
  }
  b.def = def;
  b.flip = given >= 2 ? 1 : 0;
  platform::write_profile_string("Browser", "def", std::to_string(def), file);
  platform::write_profile_string("Browser", "flip", std::to_string(b.flip), file);
}

int edit_browsers(ConversionRun& run, std::int32_t window) {
  BrowserDialog dialog(run);
  return ui::host().run_modal(conversion_module(), "DLG_BROWSER", dialog, window);
}

}  // namespace html
