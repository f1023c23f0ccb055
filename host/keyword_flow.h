// twhost keywords, distribute and find: the keyword-index work an author
// does from the word processor's File menu and the macros' topic search.
#pragma once
#include <string>
#include <vector>

#include "host/libraries.h"
#include "host/script_session.h"

namespace host {

// Opens the project, rebuilds its K and A keyword databases
// (BuildKeywordIndex without its dialog) and lists each topic's keywords.
int run_keywords(const Libraries& libs, ScriptSession& script, const std::string& project);

// twhost distribute PROJECT [SECTIONS]: opens the project and writes its
// distribution index (BuildKeywordIndex with its dialog) with the sections
// named by letters (A, K, F for full text), or those of the project's
// options; prints where each section starts.
int run_distribute(const Libraries& libs, ScriptSession& script, const std::vector<std::string>& args);

// twhost find PROJECT KEYWORDS [K|A]: the topics carrying any of the
// keywords (DocWizFindTopics and DocWizGetNext), one "title TAB context" a line.
int run_find(const Libraries& libs, ScriptSession& script, const std::vector<std::string>& args);

}  // namespace host
