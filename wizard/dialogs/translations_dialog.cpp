// The style translations ("DLG_TRANS"): the project's [Translations] lines
// "t0", "t1" ..., each "STYLE>>>>DEFINITION", where the definition holds
// custom tags ("Tags: OPENING...CLOSING") or the properties chosen.
#include <vector>

#include "html/driver/messages.h"
#include "platform/profile.h"
#include "platform/text.h"
#include "platform/ui/host.h"
#include "resources/twzhtml/options.h"
#include "wizard/dialogs/help_topics.h"
#include "wizard/dialogs/wizard_entry.h"
#include "wizard/dialogs/wizard_texts.h"
#include "wizard/profile_values.h"

namespace wizard {
namespace {

constexpr std::string_view kSection = "Translations";
constexpr std::string_view kArrows = ">>>>";
constexpr std::size_t kTranslationCut = 498;
constexpr std::string_view kFont = "Font";
constexpr std::string_view kProperties[] = {"Bold",      "Italic",    "Heading 1", "Heading 2", "Heading 3",
                                            "Heading 4", "Heading 5", "Heading 6", kFont};

// A font field's text as it may stand in a definition: ";" ends a property
// and a double quote would end the attribute, so neither is kept.
std::string font_field(const ui::Dialog& dialog, int id) {
  std::string field(text::trim(dialog.text(id)));
  std::erase_if(field, [](char c) { return c == ';' || c == '"'; });
  return field;
}

// The attributes of the FONT tag the three font fields give ("" when all
// are empty).
std::string font_attributes(const ui::Dialog& dialog) {
  std::string attributes;
  auto add = [&](std::string_view name, const std::string& value, bool quoted) {
    if (value.empty()) return;
    if (!attributes.empty()) attributes += ' ';
    attributes += std::string(name) + "=" + (quoted ? "\"" + value + "\"" : value);
  };
  add("FACE", font_field(dialog, IDC_TRANS_FONT_FACE), true);
  add("SIZE", font_field(dialog, IDC_TRANS_FONT_SIZE), false);
  add("COLOR", font_field(dialog, IDC_TRANS_FONT_COLOUR), true);
  return attributes;
}

std::vector<std::string> read_entries(std::string_view project) {
  std::vector<std::string> entries;
  for (std::size_t i = 0;; ++i) {
    std::string value = read_text(kSection, text::format("t%zu", i), "", kTranslationCut, project);
    if (value.empty()) return entries;
    entries.push_back(value);
  }
}

bool write_entries(const std::vector<std::string>& entries, std::string_view project) {
  platform::ProfileBatch batch(project);
  bool ok = clear_section(kSection, project);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    ok = write_text(kSection, text::format("t%zu", i), entries[i], project) && ok;
  }
  return batch.commit() && ok;
}

class TranslationsDialog : public ui::DialogProc {
 public:
  TranslationsDialog(std::vector<std::string>& entries, const LibrarySettings& library)
      : entries_(entries), library_(library) {}

  void on_init(ui::Dialog& dialog) override {
    for (const std::string& entry : entries_) dialog.add_item(IDC_TRANS_LIST, entry);
    for (std::string_view property : kProperties) dialog.add_item(IDC_TRANS_PROPERTIES, property);
    dialog.set_check(IDC_TRANS_KIND, 1);
  }

  void on_command(ui::Dialog& dialog, int id, ui::Notify) override {
    if (id == ui::kIdCancel) dialog.end(0);
    if (id == IDC_TRANS_ADD) add(dialog);
    if (id == IDC_TRANS_REMOVE) remove(dialog);
    if (id == IDC_OPTION_HELP) show_help_topic(library_, dialog.handle(), help_topic::kTranslations);
    if (id != ui::kIdOk) return;
    entries_.clear();
    for (int i = 0; i < dialog.item_count(IDC_TRANS_LIST); ++i) {
      entries_.push_back(dialog.item_text(IDC_TRANS_LIST, i));
    }
    dialog.end(1);
  }

 private:
  void complain(ui::Dialog& dialog, int message, int focus) {
    html::show_message(html::resource_string(message));
    dialog.set_focus(focus);
  }

  void add(ui::Dialog& dialog) {
    const std::string style(text::trim(dialog.text(IDC_TRANS_STYLE)));
    if (style.empty()) return complain(dialog, kStrNoStyleName, IDC_TRANS_STYLE);
    std::string definition;
    if (dialog.check(IDC_TRANS_KIND)) {
      const std::string tags(text::trim(dialog.text(IDC_TRANS_TAGS)));
      if (tags.empty()) return complain(dialog, kStrNoCustomTags, IDC_TRANS_TAGS);
      definition = "Tags: " + tags;
    } else {
      for (int i = 0; i < dialog.item_count(IDC_TRANS_PROPERTIES); ++i) {
        if (!dialog.item_selected(IDC_TRANS_PROPERTIES, i)) continue;
        std::string property = dialog.item_text(IDC_TRANS_PROPERTIES, i);
        if (property == kFont) {
          // The font takes its formatting from the fields beside the list.
          const std::string attributes = font_attributes(dialog);
          if (attributes.empty()) return complain(dialog, kStrNoText, IDC_TRANS_FONT_FACE);
          property = "Font: " + attributes;
        }
        definition += (definition.empty() ? "" : "; ") + property;
      }
      if (definition.empty()) return complain(dialog, kStrNoProperties, IDC_TRANS_PROPERTIES);
    }
    std::string entry = text::cut(style + std::string(kArrows) + definition, kTranslationCut);
    // A style has one translation: a new one takes the old one's place.
    for (int i = 0; i < dialog.item_count(IDC_TRANS_LIST); ++i) {
      if (text::istarts_with(dialog.item_text(IDC_TRANS_LIST, i), style + std::string(kArrows))) {
        dialog.delete_item(IDC_TRANS_LIST, i);
        dialog.insert_item(IDC_TRANS_LIST, i, entry);
        return;
      }
    }
    dialog.add_item(IDC_TRANS_LIST, entry);
  }

  void remove(ui::Dialog& dialog) {
    const int at = dialog.selection(IDC_TRANS_LIST);
    if (at >= 0) dialog.delete_item(IDC_TRANS_LIST, at);
  }

  std::vector<std::string>& entries_;
  const LibrarySettings& library_;
};

}  // namespace

int edit_translations(ConversionState& state, std::int32_t owner) {
  load_conversion_state(state);
  const std::string& project = state.location.project_file;
  const std::vector<std::string> loaded = read_entries(project);
  std::vector<std::string> entries = loaded;
  TranslationsDialog proc(entries, state.library);
  if (ui::host().run_modal(html::conversion_module(), "DLG_TRANS", proc,
                           owner ? owner : ui::host().main_window()) == 1 &&
      entries != loaded && !project.empty()) {
    write_entries(entries, project);
  }
  return 1;
}

}  // namespace wizard
