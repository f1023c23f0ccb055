// "DLG_INDEX": the contents file's ":Index" and ":Link" items. An item with
// "=" (title=file) puts the file in the keyword index and the link searches;
// a file name alone only in the link searches.
#pragma once
#include <string>
#include <vector>

#include "platform/ui/dialog.h"
#include "resources/trvwck32/contents.h"
#include "formats/help_contexts.h"

namespace core {
struct CoreState;
}

namespace contents {

inline constexpr int kIndexLinksHelp = help_contexts::kIndexLinks;

class IndexLinksDialog : public ui::DialogProc {
 public:
  static constexpr int kList = IDC_INDEX_LIST;
  static constexpr int kAdd = IDC_INDEX_ADD;
  static constexpr int kRemove = IDC_INDEX_REMOVE;
  static constexpr int kKeywordsToo = IDC_INDEX_KEYWORDS_TOO;
  static constexpr int kLinksOnly = IDC_INDEX_LINKS_ONLY;
  static constexpr int kFile = IDC_INDEX_FILE;
  static constexpr int kTitle = IDC_INDEX_TITLE;
  static constexpr int kHelp = IDC_INDEX_HELP;

  IndexLinksDialog(core::CoreState& state, std::vector<std::string>& items);
  void on_init(ui::Dialog& dialog) override;
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override;

 private:
  void show_title(ui::Dialog& dialog);
  void add(ui::Dialog& dialog);

  core::CoreState& state_;
  std::vector<std::string>& items_;
};

// The item the Add button makes from the fields: "title=file" with the
// keyword index, the file name alone for the link searches only.
std::string index_link_item(std::string_view title, std::string_view file, bool keyword_index);

}  // namespace contents
