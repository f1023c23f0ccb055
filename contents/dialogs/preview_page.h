// "DLG_CNT_C": the contents as the help viewer's Contents tab shows them,
// the "Contents File" page of the topic finder. Books open and close in
// place; choosing a topic hands its context string to the finder.
#pragma once
#include <functional>
#include <string>
#include <string_view>

#include "contents/contents_preview.h"
#include "contents/contents_session.h"
#include "platform/ui/dialog.h"
#include "resources/trvwck32/contents.h"

namespace core {
struct CoreState;
}

namespace contents {

// Characters of the contents title the finder's caption shows.
inline constexpr size_t kPreviewCaptionTitle = 40;
// Items under a book just opened that the list scrolls into view.
inline constexpr size_t kItemsShownUnderBook = 10;

// The list's first shown item after the book at item `book` opened with
// `opened` items under it, when `rows` items fit: up to ten of them come
// into view, never scrolling the book itself out at the top.
size_t top_after_opening(size_t book, size_t opened, size_t rows);

// What the page tells the dialog it lives in.
struct PreviewHooks {
  std::function<void(std::string_view caption)> set_caption;
  // A topic of this help file was chosen: its context string as a bookmark.
  std::function<void(std::string context)> go_to;
};

class PreviewPage : public ui::DialogProc {
 public:
  static constexpr int kEntries = IDC_CNTC_ENTRIES;
  static constexpr int kAction = IDC_CNTC_ACTION;

  PreviewPage(core::CoreState& state, ContentsSession& session, std::string contents_path, PreviewHooks hooks);
  void on_init(ui::Dialog& dialog) override;
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override;

 private:
  void refill(ui::Dialog& dialog, size_t selected);
  void selected(ui::Dialog& dialog);
  void choose(ui::Dialog& dialog);
  void choose_topic(const CntEntry& entry);
  void show_opened(ui::Dialog& dialog, size_t book, size_t opened);

  core::CoreState& state_;
  ContentsSession& session_;
  std::string path_;
  PreviewHooks hooks_;
  ContentsPreview preview_;
  int item_height_ = 0;
};

}  // namespace contents
