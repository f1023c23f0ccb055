// Windows of the writing aids that dialogs of lower layers open: the topic
// dialog's "&Global Keyword List..." and the finder's keyword-search tab.
// The export layer fills these in when the library is attached; a state
// without them (a test of one layer) leaves those buttons disabled.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace core {

// What the keyword list window is opened for. Its target is a control of
// another dialog: an edit field receives a chosen keyword after a ";", a list
// box receives it as an item of its own.
struct KeywordListRequest {
  std::int32_t owner = 0;           // the dialog the window belongs to
  std::int32_t target_window = 0;   // 0: the list has nothing to add to
  int target_control = 0;
  bool a_kind = false;              // the owner's kind: A keywords, else K
  int enable_after_add = 0;         // a button of the target enabled by an added keyword
  // Told when the user switches the list's kind; returns the target control
  // for the new kind (0 keeps the current one).
  std::function<int(bool a_kind)> kind_changed;
  // Told when the window closes.
  std::function<void()> closed;
  // The owner's own kind changed (the topic dialog's keyword tab): while the
  // window is open it keeps here the call that makes it follow, switching to
  // that kind and adding to the given control from then on. The owner makes
  // the holder and keeps a copy; the window empties it when it closes.
  using Follow = std::function<void(bool a_kind, int target_control)>;
  std::shared_ptr<Follow> follow;
};

struct AidHooks {
  // Opens (or brings back) the keyword list window; its handle, 0 when none.
  std::function<std::int32_t(const KeywordListRequest&)> open_keyword_list;
  // Opens the keyword search as a page inside parent (a child window); chosen
  // is told the context string of the topic the user goes to.
  std::function<std::int32_t(std::int32_t parent, std::function<void(const std::string&)> chosen)>
      open_keyword_page;
  // Shows or hides that page (a tab switch).
  std::function<void(std::int32_t page, bool shown)> show_keyword_page;
  // The context string of the topic selected in that page, "" when none.
  std::function<std::string(std::int32_t page)> keyword_page_choice;
};

}  // namespace core
