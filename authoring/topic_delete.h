// Removing topics from the topic table: one by its context string
// (DelTopic), or those the user picks among the current document's topics
// ("DLG_DELETE", DeleteItem). A removed entry keeps its place in the table,
// marked "#", so the numbers of the other topics stay as they are.
#pragma once
#include <cstdint>
#include <string_view>

#include "platform/ui/dialog.h"

namespace authoring {
struct LibraryState;
}

namespace authoring {

// Removes the topic with this context string; 1 when there was one, else 0.
int DelTopic(LibraryState& state, std::string_view context);
// "DLG_DELETE" over window; 1 after OK, 0 on Cancel or a failed document check.
int DeleteItem(LibraryState& state, std::int32_t window, std::string_view document);

// "DLG_DELETE": the current document's topics; OK removes the selected ones.
class DeleteDialog : public ui::DialogProc {
 public:
  static constexpr int kTopics = 101;

  explicit DeleteDialog(LibraryState& state);
  void on_init(ui::Dialog& dialog) override;
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override;

 private:
  LibraryState& state_;
};

}  // namespace authoring
