// The keyword-jump dialog "DLG_LINK" ("Insert Keyword Jump (A- or KLink
// Macro)"): the author collects keywords from the project's K or A list,
// names the hotspot text and the decorations, and gets a KLink or ALink
// macro hotspot back.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "aids/link_text.h"
#include "aids/related_dialogs.h"
#include "platform/ui/dialog.h"
#include "resources/trvwck32/jumps.h"

namespace aids {
struct AidsState;
}

namespace aids {

// Hotspot text that stands for a selected picture or button.
inline constexpr std::string_view kPictureHotspot = "TWZ_718";

struct LinkRequest {
  std::string link_text;   // an existing keyword jump, or empty; after OK the new one
  std::string click_text;  // the visible text; kPictureHotspot for a picture or button
  std::string format;      // on entry "colour decorations" when a link is edited; after OK the format
  bool button = false;     // the picture is a button ("<BUTTON>" instead of "<GRAPHIC>")
};

class LinkDialog : public ui::DialogProc, public RelatedProjectsOwner {
 public:
  static constexpr int kKeywords = IDC_LINK_KEYWORDS;
  static constexpr int kTypeAhead = IDC_LINK_TYPE_AHEAD;
  static constexpr int kTopics = IDC_LINK_TOPICS;
  static constexpr int kKLink = IDC_LINK_KLINK;
  static constexpr int kALink = IDC_LINK_ALINK;
  static constexpr int kBorder = IDC_LINK_BORDER;
  static constexpr int kShowTopics = IDC_LINK_SHOW_TOPICS;
  static constexpr int kAdd = IDC_LINK_ADD;
  static constexpr int kRemove = IDC_LINK_REMOVE;
  static constexpr int kChosen = IDC_LINK_CHOSEN;
  static constexpr int kTest = IDC_LINK_TEST;
  static constexpr int kOptions = IDC_LINK_OPTIONS;
  static constexpr int kBullet = IDC_LINK_BULLET;
  static constexpr int kClickText = IDC_LINK_CLICK_TEXT;
  static constexpr int kRelatedProjects = IDC_LINK_RELATED_PROJECTS;
  static constexpr int kHelp = IDC_LINK_HELP;

  LinkDialog(AidsState& state, LinkRequest& request) : state_(state), request_(request) {}
  void on_init(ui::Dialog& dialog) override;
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override;
  void on_close(ui::Dialog& dialog) override;

  // What the related-projects list asks of the dialog: the keywords offered
  // come from the chosen project. A keyword jump names no help file, so
  // there is no other-file box to tick or clear.
  void load_targets(std::string_view project_path) override;
  bool other_file() const override { return false; }
  void clear_other_file() override {}
  void set_unlisted(bool) override {}
  bool cancelled() const override { return cancelled_; }

 private:
  bool picture() const { return request_.click_text == kPictureHotspot; }
  // The project whose keywords the lists show.
  const std::string& keyword_project() const;
  void start_values();
  void load_keywords(ui::Dialog& dialog);
  void type_ahead(ui::Dialog& dialog);
  void add_keyword(ui::Dialog& dialog);
  void show_topics(ui::Dialog& dialog, const std::string& keywords);
  void test_link(ui::Dialog& dialog);
  std::string chosen_keywords(const ui::Dialog& dialog) const;
  void open_options(ui::Dialog& dialog);
  bool accept(ui::Dialog& dialog);
  bool refuse(ui::Dialog& dialog, int message, int focus);

  AidsState& state_;
  LinkRequest& request_;
  KeywordLink link_;
  int colour_ = 0;
  bool bullet_ = true;
  bool border_ = true;
  bool cancelled_ = false;
  ui::Handle handle_ = 0;
  // The related project whose keywords the lists show; empty for the current one.
  std::string keywords_project_;
};

// The dialog alone: 1 after OK (request filled), 0 on Cancel.
int RunLinkDialog(AidsState& state, std::int32_t window, LinkRequest& request);

// InsertLink: the project must use the Windows 95 compiler or the emulation
// library; the document becomes a topic file; the out-of-date warning shows
// when needed. 0 on Cancel or refusal, else 1 (2 with the Windows 95 compiler).
int InsertLinkCommand(AidsState& state, std::int32_t window, std::string_view document,
                      LinkRequest& request);

}  // namespace aids
