#include "project/topics/imported_topics.h"

#include "project/project_state.h"
#include "project/topics/project_document.h"
#include "platform/text.h"
#include "project/topics/topic_table.h"

namespace project {
namespace {

// Up to the first control character, without blanks around it and without
// one leading marker character.
std::string clean(std::string_view text, char marker) {
  size_t end = 0;
  while (end < text.size() && static_cast<unsigned char>(text[end]) >= 32) ++end;
  std::string_view s = text::trim(text.substr(0, end));
  if (!s.empty() && s.front() == marker) s = text::trim(s.substr(1));
  return std::string(s);
}

}  // namespace

int AddCX(ProjectState& state, std::string& context, std::string& title) {
  context = clean(context, '#');
  title = clean(title, '+');
  TopicUpdate update;
  update.name = context;
  if (title == kNoFileTitle) {
    title.clear();
    update.file = kNoFile;
  } else {
    update.browse_text = title;
    update.file = state.current_file;
  }
  if (AddOrUpdateTopic(state.data.topics, update) >= 0) state.data_dirty = true;
  return 1;
}

int AddCX2(ProjectState& state, std::string& context, std::string& title,
           std::string_view document) {
  if (!project::CheckProjectDocument(state, document)) return 0;
  return AddCX(state, context, title);
}

}  // namespace project
