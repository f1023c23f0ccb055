#include "aids/jump_commands.h"

#include "aids/jump_dialog.h"
#include "core/help_commands.h"
#include "aids/aids_state.h"
#include "core/messages.h"
#include "project/topics/project_document.h"
#include "core/text_commands.h"
#include "platform/text.h"
#include "project/files/context_rules.h"
#include "project/topics/topic_table.h"
#include "formats/help_contexts.h"

namespace aids {
namespace {

constexpr int kMsgEnterValue = 10014;
constexpr int kMidTopicHelpContext = help_contexts::kJump;

// A target is one word: whatever follows a blank is not part of it.
std::string first_word(std::string_view s) {
  s = text::trim(s);
  return std::string(s.substr(0, s.find(' ')));
}

}  // namespace

int InsertJumpCommand(AidsState& state, std::int32_t window, bool jump, std::string_view document,
                      std::string& click_text, std::string& target, std::string& format) {
  JumpRequest request;
  request.jump = jump;
  request.click_text = std::string(text::trim(text::cut(click_text, kClickTextMax)));
  request.target = first_word(target);
  if (request.target.empty()) request.colour = static_cast<int>(static_cast<short>(text::parse_int(format)));
  click_text = request.click_text;
  target = request.target;
  if (!project::CheckProjectDocument(state, document)) return 0;
  if (RunJumpDialog(state, window, request) == 0) return 0;
  click_text = request.click_text;
  target = request.target;
  format = request.format;
  return request.scope;
}

void MidTopicDialog::on_init(ui::Dialog& dialog) {
  std::string proposal;
  if (!text::trim(context_).empty()) proposal = state_.data.topics.prefix + core::FixBookmark(context_);
  dialog.set_text(kContext, proposal);
}

void MidTopicDialog::on_command(ui::Dialog& dialog, int id, ui::Notify notify) {
  if (id == 998) {
    core::ProductHelpContext(state_, dialog.handle(), kMidTopicHelpContext);
    return;
  }
  if (id != ui::kIdOk) return ui::DialogProc::on_command(dialog, id, notify);
  if (accept(dialog)) dialog.end(1);
}

bool MidTopicDialog::accept(ui::Dialog& dialog) {
  const std::string name(text::trim(dialog.text(kContext)));
  std::string problem;
  if (name.empty()) problem = text::format(core::resource_string(kMsgEnterValue).c_str(), "context string");
  else if (!project::valid_context_chars(name)) problem = project::kBadContextText;
  else if (project::context_in_use(state_.data.topics, name) >= 0)
    problem = core::resource_string(project::kContextUsedText);
  if (problem.empty() && project::AddOrUpdateTopic(state_.data.topics, {name, "", state_.current_file, true}) < 0)
    problem = project::topic_table_full_text(name);
  if (!problem.empty()) {
    core::show_message(state_, problem, ui::kMbOk | ui::kMbIconStop);
    dialog.set_focus(kContext);
    return false;
  }
  state_.data_dirty = true;
  context_ = name;
  return true;
}

int InsertMidTopCommand(AidsState& state, std::int32_t window, std::string_view document,
                        std::string& context) {
  if (!project::CheckProjectDocument(state, document)) return 0;
  std::string chosen = std::string(text::trim(text::cut(context, kClickTextMax)));
  MidTopicDialog dialog(state, chosen);
  if (ui::host().run_modal(core::authoring_module(), "DLG_MID_TOP", dialog, core::dialog_owner(state, window)) != 1)
    return 0;
  context = chosen;
  return 1;
}

}  // namespace aids
