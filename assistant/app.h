// The running assistant: its model, settings and test compile, and the
// windows that show them (the command panel and its two pages). The panel
// runs the commands; the pages read and show through the app.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "assistant/entry_rules.h"
#include "assistant/model.h"
#include "assistant/settings.h"
#include "assistant/tab_strip.h"
#include "assistant/test_run.h"
#include "platform/files.h"
#include "platform/ui/dialog.h"
#include "resources/pointip.h"

namespace assistant {

// Panel commands (dialog 1000).
enum PanelCommand : int {
  kAlwaysOnTop = IDC_PANEL_ALWAYS_ON_TOP,
  kFirst = IDC_PANEL_FIRST,
  kPrevious = IDC_PANEL_PREVIOUS,
  kCommit = IDC_PANEL_COMMIT,
  kLast = IDC_PANEL_LAST,
  kCommitInPlace = IDC_PANEL_COMMIT_IN_PLACE,
  kDelete = IDC_PANEL_DELETE,
  kHelp = IDC_PANEL_HELP,
  kNew = IDC_PANEL_NEW,
  kOpen = IDC_PANEL_OPEN,
  kSave = IDC_PANEL_SAVE,
  kOptions = IDC_PANEL_OPTIONS,
  kGenerate = IDC_PANEL_GENERATE,
  kTest = IDC_PANEL_TEST,
  kTabs = IDC_PANEL_TABS,
};

// Page controls: the form (1001) and the list view (1002).
enum PageControl : int {
  kIdLabel = IDC_FORM_ID_LABEL,
  kListIdLabel = IDC_FORM_LIST_ID_LABEL,
  kPosition = IDC_FORM_POSITION,
  kReadVb = IDC_FORM_READ_VB,
  kPasteVb = IDC_FORM_PASTE_VB,
  kEntryList = IDC_LIST_ENTRIES,
  kSearchText = IDC_LIST_SEARCH_TEXT,
  kSearch = IDC_LIST_SEARCH,
  kArrange = IDC_LIST_ARRANGE,
  kMoveUp = IDC_LIST_MOVE_UP,
  kMoveDown = IDC_LIST_MOVE_DOWN,
};

std::int32_t pointip_module();

class App {
 public:
  App();

  Model model;
  Settings settings;
  TestRun test;
  std::vector<std::string> topic_ids;  // mode 2: the include file's names
  TabStrip tabs{"Entry Form;List View", 1500, kTabs};

  ui::Handle main_window = 0;
  ui::Handle panel = 0;
  ui::Handle form_page = 0;
  ui::Handle list_page = 0;

  // The form's values: read from the form page when it is open.
  FormValues form_values() const;
  // Puts values into the form (kept while the form page is closed).
  void set_form(const FormValues& values);
  // Shows entry index in the form (a blank form preset for a new entry when
  // index is past the last) and makes it current.
  void show_entry(int index);
  void clear_form();
  // Shows the page of a tab, closing the other one.
  void show_tab(int tab);
  // Refreshes the list view, the position and the caption.
  void refresh();
  void set_caption();
  // Reads the include file's names again (mode 2).
  void load_topic_ids();
  // Asks the form page to focus a field.
  void focus_field(int field);

  // Commands that more than one window runs.
  // Commit as Add/Update does; false when refused.
  bool commit(int command);
  // Saving question before New, Open and exit; false when the action stops.
  bool ask_save();
  bool save();
  // Asks for a data file name; false when cancelled.
  bool choose_save_path();
  void open_file(const std::string& data_path);
  void forget_data_file() { data_stamp_.reset(); }
  void start_test();
  void test_tick();

 private:
  friend class FormPage;
  FormValues stored_form_;
  // The version of the data file last read or written; a save does not
  // write over a file another program replaced since.
  std::optional<platform::FileStamp> data_stamp_;
  std::optional<long> committed_context_;
};

}  // namespace assistant
