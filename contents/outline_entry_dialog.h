// The outline's two entry editors: "DLG_OUTEDDOC" ("Edit Sub-Document")
// for documents and "DLG_OUTED" ("Edit Outline Entry") for headings.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "formats/cnt_file.h"
#include "platform/ui/dialog.h"

namespace core {
struct CoreState;
}

namespace contents {

// A document's fields: the name (".doc" is put on it) and "External".
class DocumentDialog : public ui::DialogProc {
 public:
  DocumentDialog(const core::CoreState& state, std::string name, bool external)
      : state_(state), name_(std::move(name)), external_(external) {}
  void on_init(ui::Dialog& dialog) override;
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override;
  const std::string& name() const { return name_; }
  bool external() const { return external_; }

 private:
  const core::CoreState& state_;
  std::string name_;
  bool external_ = false;
};

// A heading's text and its topic's context string; an empty heading beside
// a context string stands for the topic's title.
class HeadingDialog : public ui::DialogProc {
 public:
  HeadingDialog(const core::CoreState& state, std::string heading, std::string context)
      : state_(state), heading_(std::move(heading)), context_(std::move(context)) {}
  void on_init(ui::Dialog& dialog) override;
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override;
  const std::string& heading() const { return heading_; }
  const std::string& context() const { return context_; }

 private:
  const core::CoreState& state_;
  std::string heading_, context_;
};

// The document entry after the editor's OK (at level 1), nullopt on Cancel.
std::optional<formats::CntEntry> edit_document(const core::CoreState& state, std::int32_t owner,
                                               const formats::CntEntry* existing);
// The heading entry after OK, keeping the level; nullopt on Cancel.
std::optional<formats::CntEntry> edit_heading(const core::CoreState& state, std::int32_t owner,
                                              const formats::CntEntry& existing);

}  // namespace contents
